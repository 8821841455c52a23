// SPDX-License-Identifier: GPL-3.0-or-later
// The player on the sound server's client library, for when Qt Multimedia's own connection has died.
#pragma once

#include "services/onda.h"

#include <chrono>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

/// Plays wave clips on the user's sound server from a thread of its own. Qt 6.4 tries to reach a lost
/// server only once; this player connects again on the next clip after any failure, for as long as
/// the program runs. It never starts a server and never waits for one: with none, clips are dropped.
class LettorePulse
{
public:
    LettorePulse() = default;
    ~LettorePulse();
    LettorePulse(const LettorePulse &) = delete;
    LettorePulse &operator=(const LettorePulse &) = delete;

    /// Plays \a onda instead of the clip still playing and returns at once. Without a connection it
    /// starts one; the clip plays if the server answers soon enough, else it is dropped.
    void suona(const Onda &onda);

private:
    using Orologio = std::chrono::steady_clock;

    // Everything below runs with the loop's lock held.
    void connetti();
    void avvia();
    void fermaFlusso();
    void lasciaContesto();
    static void contestoCambiato(pa_context *contesto, void *io);
    static void scrivi(pa_stream *flusso, size_t richiesti, void *io);
    static void svuotato(pa_stream *flusso, int riuscito, void *io);

    pa_threaded_mainloop *m_ciclo = nullptr;
    pa_context *m_contesto = nullptr;
    pa_stream *m_flusso = nullptr;
    Onda m_onda;                        ///< the clip playing or waiting for the connection
    qsizetype m_scritti = 0;            ///< bytes of it handed to the server
    bool m_inAttesa = false;            ///< the clip waits for the connection
    bool m_connessionePrevista = false; ///< the loop thread is about to connect
    bool m_chiusura = false;            ///< the player is being destroyed
    Orologio::time_point m_richiesta;   ///< when the waiting clip was asked for
    Orologio::time_point m_tentativo;   ///< when the connection attempt began
};
