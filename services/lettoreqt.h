// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on Qt Multimedia: plays one of the program's embedded wave clips without waiting for it.
#pragma once

#include "services/lettoresuoni.h"

#include <QHash>

class QSoundEffect;

/// The real player, on Qt Multimedia. With no audio device it stays silent and never blocks.
/// A clip that fails (the sound server went away) has every player rebuilt on the next clip, so
/// sound comes back with the server. Destroy it before the application object.
class LettoreQt : public LettoreSuoni
{
    Q_OBJECT
public:
    using LettoreSuoni::LettoreSuoni;
    ~LettoreQt() override;
    void SuonaRisorsa(Clip clip) override;

    /// The resource path of \a clip.
    static QString percorso(Clip clip);
    /// How many times the players were rebuilt after a failure.
    int ricostruzioni() const { return m_ricostruzioni; }

private:
    QSoundEffect *effetto(Clip clip);
    /// Stops and deletes the players that are not loading, with their audio outputs.
    void smonta();
    /// A player stopped by itself: if it never really started, its output is broken.
    void fermato(QSoundEffect *e);

    QHash<int, QSoundEffect *> m_effetti;
    QSoundEffect *m_attuale = nullptr;
    qint64 m_avvio = 0;            ///< when the current clip was started, in ms since the epoch
    bool m_fermaIlLettore = false; ///< the player itself is stopping a clip
    bool m_daRicostruire = false;  ///< a clip failed: rebuild the players on the next one
    int m_ricostruzioni = 0;
};
