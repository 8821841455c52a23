// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on Qt Multimedia.
#include "services/lettoreqt.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QUrl>

QString LettoreQt::percorso(Clip clip)
{
    return QStringLiteral(":/sounds/%1.wav").arg(static_cast<int>(clip));
}

LettoreQt::~LettoreQt()
{
    // Qt 6.4's shared sample cache deadlocks at program exit when a clip is still being decoded
    // (its destructor waits for the loader thread while holding the lock that thread needs).
    // Let any load finish first: it takes a few milliseconds.
    const auto inCaricamento = [this] {
        for (const QSoundEffect *e : std::as_const(m_effetti)) {
            if (e->status() == QSoundEffect::Loading) return true;
        }
        return false;
    };
    const QDeadlineTimer scadenza(2000);
    while (inCaricamento() && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QSoundEffect *LettoreQt::effetto(Clip clip)
{
    QSoundEffect *&e = m_effetti[static_cast<int>(clip)];
    if (!e) {
        e = new QSoundEffect(this);
        e->setSource(QUrl(QStringLiteral("qrc") + percorso(clip)));
    }
    return e;
}

void LettoreQt::SuonaRisorsa(Clip clip)
{
    // Two effects would mix: stop the one still sounding so only the newest clip is heard.
    // Without an audio server an effect reports 'playing' for ever, so never wait on it.
    if (m_attuale) m_attuale->stop();
    m_attuale = effetto(clip);
    m_attuale->play();
}
