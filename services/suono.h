// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: plays one of the program's embedded wave clips without waiting for it.
#pragma once

#include <QHash>
#include <QObject>

class QSoundEffect;

/// Plays the clips 101..107 held in the program's resources. A new clip cuts off the one
/// still playing. Callers decide whether sound is muted; the player never checks.
class LettoreSuoni : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    /// Starts clip \a id and returns at once, without dispatching any event.
    virtual void SuonaRisorsa(int id) = 0;
};

/// The real player, on Qt Multimedia. With no audio device it stays silent and never blocks.
/// A clip that fails (the sound server went away) has every player rebuilt on the next clip, so
/// sound comes back with the server. Destroy it before the application object.
class LettoreQt : public LettoreSuoni
{
    Q_OBJECT
public:
    using LettoreSuoni::LettoreSuoni;
    ~LettoreQt() override;
    void SuonaRisorsa(int id) override;

    /// The resource path of clip \a id.
    static QString percorso(int id);
    /// How many times the players were rebuilt after a failure.
    int ricostruzioni() const { return m_ricostruzioni; }

private:
    QSoundEffect *effetto(int id);
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
