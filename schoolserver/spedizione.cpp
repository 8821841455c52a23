// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender's thread, started and ended with the program; its state kept for the record window.
#include "schoolserver/spedizione.h"

#include "schoolserver/speditore.h"

#include <QMetaObject>

Spedizione::Spedizione(const QString &fileLocale, const Collegamento &collegamento, int millisecondiRiprova,
                       QObject *parent)
    : QObject(parent), m_collegamento(collegamento), m_filo(new QThread),
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
}

QString Spedizione::descrizione() const
{
    //: The start of the sender's lines in the record window's status. %1: the server, %2: the class's name.
    const QString server =
        tr("Server della scuola (%1, classe %2)").arg(m_collegamento.descrizione(), m_collegamento.classe());
    //: In all of the sender's lines, %1 is "Server della scuola (…)".
    if (m_inAttesa < 0) return tr("%1: collegamento in corso.").arg(server);
    if (m_motivo.isEmpty() && m_inAttesa == 0) return tr("%1: tutte le partite sono arrivate.").arg(server);
    const bool una = m_inAttesa == 1;
    QString testo;
    if (m_motivo.isEmpty())
        //: Games ended here and not yet on the server; the server can be reached.
        testo = una ? tr("%1: 1 partita aspetta di essere mandata.").arg(server)
                    : tr("%1: %n partite aspettano di essere mandate.", nullptr, m_inAttesa).arg(server);
    else if (m_inAttesa == 0)
        //: %2: why the server cannot be reached now (a lower-case reason).
        testo = tr("%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.").arg(server, m_motivo);
    else
        //: Games kept here because the server cannot be reached. %2: why (a lower-case reason).
        testo = una ? tr("%1: 1 partita aspetta su questo computer, perché %2.").arg(server, m_motivo)
                    : tr("%1: %n partite aspettano su questo computer, perché %2.", nullptr, m_inAttesa)
                          .arg(server, m_motivo);
    // Each refused game with the server's words: they stay here and are tried again now and then.
    if (!m_rifiutate.isEmpty())
        //: After the sender's line. %1: the refused games, each "la partita di … del …: …", joined by "; ".
        testo += u'\n' + tr("Il server non ha preso %1.").arg(m_rifiutate.join(QStringLiteral("; ")));
    return testo;
}
