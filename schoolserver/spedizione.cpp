// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender's thread, started and ended with the program; its state kept for the record window.
#include "schoolserver/spedizione.h"

#include "schoolserver/speditore.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <atomic>

namespace {

std::atomic_int contatore = 0;

} // namespace

Spedizione::Spedizione(const QString &fileLocale, const Collegamento &collegamento, int millisecondiRiprova,
                       QObject *parent)
    : QObject(parent), m_fileLocale(fileLocale), m_collegamento(collegamento), m_filo(new QThread),
      m_speditore(new Speditore(fileLocale, collegamento, millisecondiRiprova))
{
    m_filo->setObjectName(QStringLiteral("spedizione"));
    m_speditore->moveToThread(m_filo);
    connect(m_speditore, &Speditore::stato, this,
            [this](int inAttesa, const QString &motivo, const QStringList &rifiutate) {
                m_inAttesa = inAttesa;
                m_motivo = motivo;
                m_rifiutate = rifiutate;
                Q_EMIT cambiata(inAttesa, motivo);
            });
    // Run on the sender's thread as it ends, after the last game it was sending.
    connect(m_filo, &QThread::finished, m_speditore, &Speditore::chiudi, Qt::DirectConnection);
}

Spedizione::~Spedizione()
{
    m_filo->requestInterruption();
    m_filo->quit();
    if (!m_filo->wait(AttesaFinale)) {
        qWarning("numerella: il server non risponde; la spedizione in corso viene abbandonata");
        m_speditore->disconnect(this);
        return; // the thread and its sender are left to the program's end
    }
    delete m_speditore;
    delete m_filo;
}

void Spedizione::avvia()
{
    if (m_filo->isRunning()) return;
    m_filo->start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_speditore, &Speditore::avvia, Qt::QueuedConnection);
}

void Spedizione::sollecita()
{
    QMetaObject::invokeMethod(m_speditore, &Speditore::invia, Qt::QueuedConnection);
    // The game waits from now, whatever the sender is doing: counted in the file, not the last report.
    const int nelFile = contaNelFile();
    Q_EMIT cambiata(nelFile >= 0 ? nelFile : m_inAttesa, m_motivo);
}

int Spedizione::contaNelFile() const
{
    // The record makes the file: none yet, nothing played.
    if (!QFileInfo::exists(m_fileLocale)) return 0;
    const QString nome = QStringLiteral("spedizione-conta-%1").arg(++contatore);
    int quante = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(m_fileLocale);
        // A look on the windows' thread: never a wait for a writer (WAL readers are not held up).
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
        QSqlQuery q(db);
        // Before the sender's first look there is no table of sent games: every ended game waits.
        if (db.open() &&
            (q.exec(QStringLiteral("SELECT COUNT(*) FROM partite p WHERE p.esito IS NOT NULL AND NOT EXISTS"
                                   " (SELECT 1 FROM spedite s WHERE s.uuid = p.uuid)")) ||
             q.exec(QStringLiteral("SELECT COUNT(*) FROM partite WHERE esito IS NOT NULL"))) &&
            q.next())
            quante = q.value(0).toInt();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return quante;
}

QString Spedizione::descrizione() const
{
    //: The start of the sender's lines in the record window's status. %1: the server, %2: the class's name.
    const QString server =
        tr("Server della scuola (%1, classe %2)").arg(m_collegamento.descrizione(), m_collegamento.classe());
    const int nelFile = contaNelFile();
    const int inAttesa = nelFile >= 0 ? nelFile : m_inAttesa;
    const bool una = inAttesa == 1;
    //: In all of the sender's lines, %1 is "Server della scuola (…)".
    if (m_inAttesa < 0 && inAttesa <= 0) return tr("%1: collegamento in corso.").arg(server);
    if (m_inAttesa < 0)
        //: Games ended here wait while the sender reaches the server for the first time.
        return una ? tr("%1: collegamento in corso, 1 partita in attesa.").arg(server)
                   : tr("%1: collegamento in corso, %n partite in attesa.", nullptr, inAttesa).arg(server);
    if (m_motivo.isEmpty() && inAttesa == 0) return tr("%1: tutte le partite sono arrivate.").arg(server);
    QString testo;
    if (m_motivo.isEmpty())
        //: Games ended here and not yet on the server; the server could be reached at the last try.
        testo = una ? tr("%1: 1 partita in attesa di essere mandata.").arg(server)
                    : tr("%1: %n partite in attesa di essere mandate.", nullptr, inAttesa).arg(server);
    else if (inAttesa == 0)
        //: %2: why the server cannot be reached now (a lower-case reason).
        testo = tr("%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.").arg(server, m_motivo);
    else
        //: Games kept here because the server cannot be reached. %2: why (a lower-case reason).
        testo = una ? tr("%1: 1 partita in attesa su questo computer, perché %2.").arg(server, m_motivo)
                    : tr("%1: %n partite in attesa su questo computer, perché %2.", nullptr, inAttesa)
                          .arg(server, m_motivo);
    // Each refused game with the server's words: they stay here and are tried again now and then.
    if (!m_rifiutate.isEmpty())
        //: After the sender's line. %1: the refused games, each "la partita di … del …: …", joined by "; ".
        testo += u'\n' + tr("Il server non ha preso %1.").arg(m_rifiutate.join(QStringLiteral("; ")));
    return testo;
}
