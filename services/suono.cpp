// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on Qt Multimedia.
#include "services/suono.h"

#include <QSoundEffect>
#include <QUrl>

QString LettoreQt::percorso(int id)
{
    return QStringLiteral(":/sounds/%1.wav").arg(id);
}

QSoundEffect *LettoreQt::effetto(int id)
{
    QSoundEffect *&e = m_effetti[id];
    if (!e) {
        e = new QSoundEffect(this);
        e->setSource(QUrl(QStringLiteral("qrc") + percorso(id)));
    }
    return e;
}

void LettoreQt::SuonaRisorsa(int id)
{
    // Two effects would mix: stop the one still sounding so only the newest clip is heard.
    // Without an audio server an effect reports 'playing' for ever, so never wait on it.
    if (m_attuale) m_attuale->stop();
    m_attuale = effetto(id);
    m_attuale->play();
}
