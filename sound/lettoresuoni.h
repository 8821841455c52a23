// SPDX-License-Identifier: GPL-3.0-or-later
// The sound seam: the clips the program plays, and the player interface the windows call.
#pragma once

#include "startup/stato.h"

#include <QObject>

/// The program's embedded clips, by the id they are stored under.
enum class Clip {
    Fine = 101,      ///< a game is completed
    Tasto = 102,     ///< key click
    Sbagliata = 103, ///< a wrong answer is confirmed
    Giusta = 105,    ///< a right answer is confirmed
    Avvio = 106,     ///< a game starts
};

/// Plays the clips held in the program's resources. A new clip cuts off the one still playing.
/// Callers decide whether sound is muted; the player never checks.
class LettoreSuoni : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    /// Starts clip \a clip and returns at once, without dispatching any event.
    virtual void SuonaRisorsa(Clip clip) = 0;
};

/// Plays \a clip unless the sound switch has muted the program.
inline void suonaSeAcceso(const Stato &stato, LettoreSuoni &lettore, Clip clip)
{
    if (stato.SuonoSpento == 0) lettore.SuonaRisorsa(clip);
}
