// SPDX-License-Identifier: GPL-3.0-or-later
// The class's readings from the school's server: asked by the windows, made on a thread of their own.
#include "schoolserver/letturaclasse.h"

#include "schoolserver/lettoreclasse.h"

#include <QLocale>
#include <QMetaObject>

LetturaClasse::LetturaClasse(const Collegamento &collegamento, std::function<bool(const QString &)> prepara,
                             QObject *parent)
    : QObject(parent), m_collegamento(collegamento), m_prepara(std::move(prepara)), m_filo(new QThread),
      m_lettore(new LettoreClasse(collegamento))
{
    m_filo->setObjectName(QStringLiteral("lettura"));
    m_lettore->moveToThread(m_filo);
    connect(m_lettore, &LettoreClasse::letta, this, &LetturaClasse::letta);
    connect(m_filo, &QThread::finished, m_lettore, &LettoreClasse::chiudi, Qt::DirectConnection);
}

LetturaClasse::~LetturaClasse()
{
    m_filo->quit();
    if (!m_filo->wait(AttesaFinale)) {
        m_lettore->disconnect(this);
        return; // a server that stopped answering keeps the thread until the program's end
    }
    delete m_lettore;
    delete m_filo;
}

void LetturaClasse::chiedi()
{
    if (m_inCorso) {
        m_ancora = true;
        return;
    }
    if (!m_filo->isRunning()) m_filo->start(QThread::LowPriority);
    avviaLettura();
}

void LetturaClasse::avviaLettura()
{
    m_inCorso = true;
    const QString file = m_cartella.filePath(QStringLiteral("classe.sqlite"));
    // The local record's own schema, made here once so that the copy reads like this PC's record.
    if (!m_fatta) m_fatta = m_cartella.isValid() && m_prepara(file);
    if (!m_fatta) {
        QMetaObject::invokeMethod(
            this,
            [this, file] {
                letta(file,
                      //: Why the class cannot be read, after "perché"; lower case. %1: the folder.
                      tr("la copia della classe non si può scrivere in %1").arg(m_cartella.path()));
            },
            Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        m_lettore, [l = m_lettore, file] { l->leggi(file); }, Qt::QueuedConnection);
}

void LetturaClasse::letta(const QString &file, const QString &motivo)
{
    m_inCorso = false;
    m_motivo = motivo;
    if (motivo.isEmpty()) {
        m_file = file;
        m_quando = QDateTime::currentDateTime();
        m_stato = Stato::Letta;
    } else {
        m_stato = m_file.isEmpty() ? Stato::Mancata : Stato::Vecchia;
    }
    Q_EMIT pronta();
    if (m_ancora) {
        m_ancora = false;
        avviaLettura();
    }
}

QString LetturaClasse::descrizione() const
{
    const QString classe = m_collegamento.classe();
    const QString ora = QLocale().toString(m_quando.time(), QStringLiteral("HH:mm:ss"));
    switch (m_stato) {
    case Stato::InLettura:
        //: In the record window's status line. %1: the class's name.
        return tr("Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di "
                  "questo computer.")
            .arg(classe);
    case Stato::Letta:
        //: %1: the class's name, %2: the time it was read (Italian says "alle" before a time).
        return tr("Si vedono le partite di tutta la classe %1, lette dal server alle %2.").arg(classe, ora);
    case Stato::Vecchia:
        //: %1: the class's name, %2: the time it was last read, %3: why it cannot be read now (a lower-case
        //: reason).
        return tr("Si vedono le partite della classe %1 lette dal server alle %2; ora non si "
                  "leggono, perché %3.")
            .arg(classe, ora, m_motivo);
    case Stato::Mancata:
        break;
    }
    //: %1: why the class cannot be read (a lower-case reason).
    return tr("Si vedono soltanto le partite di questo computer, perché %1.").arg(m_motivo);
}
