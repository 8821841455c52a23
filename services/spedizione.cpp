// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender's thread, started and ended with the program; its state kept for the record window.
#include "services/spedizione.h"

#include "services/speditore.h"

#include <QMetaObject>

Spedizione::Spedizione(const QString &fileLocale, const Collegamento &collegamento, int millisecondiRiprova,
                       QObject *parent)
    : QObject(parent), m_collegamento(collegamento), m_filo(new QThread),
      m_speditore(new Speditore(fileLocale, collegamento, millisecondiRiprova))
{
    m_filo->setObjectName(QStringLiteral("spedizione"));
    m_speditore->moveToThread(m_filo);
    connect(m_speditore, &Speditore::stato, this, [this](int inAttesa, const QString &motivo) {
        m_inAttesa = inAttesa;
        m_motivo = motivo;
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
