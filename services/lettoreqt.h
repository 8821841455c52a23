// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on Qt Multimedia: plays one of the program's embedded wave clips without waiting for it.
#pragma once

#include "services/lettoresuoni.h"

#include <QHash>

class QSoundEffect;

/// The real player, on Qt Multimedia. With no audio device it stays silent and never blocks.
class LettoreQt : public LettoreSuoni
{
    Q_OBJECT
public:
    using LettoreSuoni::LettoreSuoni;
    ~LettoreQt() override;
    void SuonaRisorsa(Clip clip) override;

    /// The resource path of \a clip.
    static QString percorso(Clip clip);

private:
    QSoundEffect *effetto(Clip clip);
    QHash<int, QSoundEffect *> m_effetti;
    QSoundEffect *m_attuale = nullptr;
};
