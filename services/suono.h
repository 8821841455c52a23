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
class LettoreQt : public LettoreSuoni
{
    Q_OBJECT
public:
    using LettoreSuoni::LettoreSuoni;
    ~LettoreQt() override;
    void SuonaRisorsa(int id) override;

    /// The resource path of clip \a id.
    static QString percorso(int id);

private:
    QSoundEffect *effetto(int id);
    QHash<int, QSoundEffect *> m_effetti;
    QSoundEffect *m_attuale = nullptr;
};
