// SPDX-License-Identifier: GPL-3.0-or-later
// The speech seam: the voice that reads the game aloud, as the windows call it.
#pragma once

#include <QObject>
#include <QString>

/// Whether the computer has a voice to speak with.
enum class Servizio {
    Presente, ///< a speech service answered, or has not been asked yet
    Assente,  ///< no speech engine, or its service failed: nothing is said
};

/// Says short sentences in the program's language. Every call returns at once: a sentence still being
/// said is cut off by the next one, and nothing ever waits for the speech to end.
class Sintesi : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    /// Gets the voice ready (a speech service may take a moment to answer the first time), so that
    /// the first sentence is not late; tells servizioCambiato() when there turns out to be none.
    virtual void prepara() {}
    /// Says \a parole instead of whatever is still being said.
    virtual void dici(const QString &parole) = 0;
    /// Stops whatever is being said.
    virtual void taci() = 0;
    virtual Servizio servizio() const = 0;

Q_SIGNALS:
    void servizioCambiato(Servizio servizio);
    /// The voice began to say a sentence (what a benchmark times from the question).
    void cominciato();
};
