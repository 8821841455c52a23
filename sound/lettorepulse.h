// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: the program's embedded clips played on the user's sound server through its client
// library.
#pragma once

#include "sound/lettoresuoni.h"
#include "sound/onda.h"

#include <QHash>
#include <QLoggingCategory>

#include <chrono>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

/// Why a clip was not heard; silent unless QT_LOGGING_RULES asks for "numerella.suono.warning=true".
Q_DECLARE_LOGGING_CATEGORY(logSuono)

/// Plays the clips on the user's sound server (PulseAudio, or PipeWire's server for its clients) from a
/// thread of its own, so no call ever waits on the server. It never starts a server: with none, clips are
/// dropped. After any failure it connects again on the next clip, so sound comes back when the server
/// does, however late.
class LettorePulse : public LettoreSuoni
{
    Q_OBJECT
public:
    explicit LettorePulse(QObject *parent = nullptr);
    ~LettorePulse() override;

    /// Plays \a clip instead of the clip still playing and returns at once. Without a connection it
    /// starts one; the clip plays if the server answers soon enough, else it is dropped.
    void SuonaRisorsa(Clip clip) override;

    /// The resource path of \a clip.
    static QString percorso(Clip clip);

private:
    using Orologio = std::chrono::steady_clock;

    /// The samples of \a clip, read from the resources once.
    const Onda &onda(Clip clip);

    // Everything below runs with the loop's lock held.
    void connetti();
    void avvia();
    void fermaFlusso();
    void lasciaContesto();
    static void contestoCambiato(pa_context *contesto, void *io);
    static void scrivi(pa_stream *flusso, size_t richiesti, void *io);
    static void svuotato(pa_stream *flusso, int riuscito, void *io);

    QHash<Clip, Onda> m_onde;
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
