// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: plays the program's embedded wave clips without waiting, on Qt Multimedia while it works.
#pragma once

#include "services/lettorepulse.h"
#include "services/lettoresuoni.h"

#include <QHash>

#include <memory>
#include <optional>

class QSoundEffect;

/// What plays the clips.
enum class Motore {
    Qt,    ///< Qt Multimedia, while it works
    Pulse, ///< our own client of the sound server, from the first clip Qt failed on
};

/// The real player, on Qt Multimedia. With no audio device it stays silent and never blocks.
/// Qt 6.4 reconnects to a lost sound server only once, 3 s after losing it: after a clip fails (the
/// server went away) the clips go to a LettorePulse, which connects again on each clip until the
/// server is back, however late. Destroy it before the application object.
class LettoreQt : public LettoreSuoni
{
    Q_OBJECT
public:
    /// Without \a motore the first clip decides: Qt Multimedia if it sees an audio output, else
    /// our own client, which keeps trying on each clip and so finds a server that starts later.
    explicit LettoreQt(std::optional<Motore> motore = std::nullopt, QObject *parent = nullptr);
    ~LettoreQt() override;
    void SuonaRisorsa(Clip clip) override;

    /// The resource path of \a clip.
    static QString percorso(Clip clip);
    /// What plays the clips now.
    Motore motore() const { return m_pulse ? Motore::Pulse : Motore::Qt; }

private:
    QSoundEffect *effetto(Clip clip);
    /// Leaves Qt Multimedia for good: its players go, the clips go to the sound server directly.
    void passaAPulse();
    void suonaConPulse(Clip clip);
    /// Stops and deletes the players that are not loading, with their audio outputs.
    void smonta();
    /// A player stopped by itself: if it never really started, its output is broken.
    void fermato(QSoundEffect *e);

    QHash<int, QSoundEffect *> m_effetti;
    QSoundEffect *m_attuale = nullptr;
    qint64 m_avvio = 0;            ///< when the current clip was started, in ms since the epoch
    bool m_fermaIlLettore = false; ///< the player itself is stopping a clip
    bool m_qtFallito = false;      ///< a clip failed: leave Qt on the next one
    bool m_daScegliere = false;    ///< the first clip chooses the player
    std::unique_ptr<LettorePulse> m_pulse;
    QHash<int, Onda> m_onde; ///< the clips read for m_pulse
};
