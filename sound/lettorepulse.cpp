// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on the sound server's client library.
#include "sound/lettorepulse.h"

#include <QFile>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>

namespace {

/// A clip asked for while connecting still plays if the server answers within this time; later it
/// would sound out of step with the game.
constexpr std::chrono::milliseconds AttesaClip{300};
/// A connection not ready after this long (a server that accepts but never answers) is given up on
/// the next clip, so that one attempt at a time never becomes none for ever.
constexpr std::chrono::seconds AttesaConnessione{5};

pa_sample_format_t formatoPulse(Campione c)
{
    switch (c) {
    case Campione::U8:
        return PA_SAMPLE_U8;
    case Campione::S16LE:
        return PA_SAMPLE_S16LE;
    }
    return PA_SAMPLE_INVALID;
}

/// The server's words for the last failure on \a contesto.
const char *errore(pa_context *contesto)
{
    return pa_strerror(pa_context_errno(contesto));
}

} // namespace

Q_LOGGING_CATEGORY(logSuono, "numerella.suono", QtCriticalMsg)

LettorePulse::LettorePulse(QObject *parent) : LettoreSuoni(parent) {}

QString LettorePulse::percorso(Clip clip)
{
    return QStringLiteral(":/sounds/%1.wav").arg(static_cast<int>(clip));
}

const Onda &LettorePulse::onda(Clip clip)
{
    auto i = m_onde.constFind(clip);
    if (i == m_onde.cend()) {
        QFile f(percorso(clip));
        std::optional<Onda> letta = f.open(QIODevice::ReadOnly) ? leggiOnda(f.readAll()) : std::nullopt;
        if (!letta) qCWarning(logSuono) << "clip not readable:" << f.fileName();
        i = m_onde.insert(clip, letta.value_or(Onda{}));
    }
    return *i;
}

LettorePulse::~LettorePulse()
{
    if (!m_ciclo) return;
    pa_threaded_mainloop_lock(m_ciclo);
    m_chiusura = true;
    lasciaContesto();
    pa_threaded_mainloop_unlock(m_ciclo);
    pa_threaded_mainloop_stop(m_ciclo);
    pa_threaded_mainloop_free(m_ciclo);
}

void LettorePulse::SuonaRisorsa(Clip clip)
{
    const Onda &scelta = onda(clip);
    if (scelta.dati.isEmpty()) return;
    if (!m_ciclo) {
        m_ciclo = pa_threaded_mainloop_new();
        if (!m_ciclo || pa_threaded_mainloop_start(m_ciclo) < 0) {
            qCWarning(logSuono) << "the sound thread did not start";
            if (m_ciclo) pa_threaded_mainloop_free(m_ciclo);
            m_ciclo = nullptr;
            return;
        }
    }
    const Orologio::time_point adesso = Orologio::now();
    pa_threaded_mainloop_lock(m_ciclo);
    fermaFlusso(); // only the newest clip sounds
    m_onda = scelta;
    m_richiesta = adesso;
    m_inAttesa = true;
    if (m_contesto) {
        const pa_context_state_t stato = pa_context_get_state(m_contesto);
        if (!PA_CONTEXT_IS_GOOD(stato) ||
            (stato != PA_CONTEXT_READY && adesso - m_tentativo > AttesaConnessione)) {
            if (PA_CONTEXT_IS_GOOD(stato)) qCWarning(logSuono) << "the sound server does not answer";
            lasciaContesto();
        } else if (stato == PA_CONTEXT_READY)
            avvia();
    }
    if (!m_contesto && !m_connessionePrevista) {
        // Reading the client configuration and reaching the server is the loop thread's job.
        m_connessionePrevista = true;
        m_tentativo = adesso;
        pa_mainloop_api_once(
            pa_threaded_mainloop_get_api(m_ciclo),
            [](pa_mainloop_api *, void *io) { static_cast<LettorePulse *>(io)->connetti(); }, this);
    }
    pa_threaded_mainloop_unlock(m_ciclo);
}

void LettorePulse::connetti()
{
    m_connessionePrevista = false;
    if (m_chiusura) return;
    m_contesto = pa_context_new(pa_threaded_mainloop_get_api(m_ciclo), "La Numerella");
    if (!m_contesto) return;
    pa_context_set_state_callback(m_contesto, &LettorePulse::contestoCambiato, this);
    // Never start a server: where there is none the program stays silent.
    if (pa_context_connect(m_contesto, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        qCWarning(logSuono) << "no sound server:" << errore(m_contesto);
        lasciaContesto();
    }
}

void LettorePulse::contestoCambiato(pa_context *contesto, void *io)
{
    auto *lettore = static_cast<LettorePulse *>(io);
    switch (pa_context_get_state(contesto)) {
    case PA_CONTEXT_READY:
        if (lettore->m_inAttesa && Orologio::now() - lettore->m_richiesta <= AttesaClip) lettore->avvia();
        lettore->m_inAttesa = false;
        break;
    case PA_CONTEXT_FAILED:
        qCWarning(logSuono) << "no connection to the sound server:" << errore(contesto);
        lettore->m_inAttesa = false;
        break;
    case PA_CONTEXT_TERMINATED:
        // Dropped and made again on the next clip, outside this callback.
        lettore->m_inAttesa = false;
        break;
    default:
        break;
    }
}

void LettorePulse::avvia()
{
    m_inAttesa = false;
    const pa_sample_spec specifica{formatoPulse(m_onda.formato), uint32_t(m_onda.frequenza),
                                   uint8_t(m_onda.canali)};
    m_flusso = pa_stream_new(m_contesto, "clip", &specifica, nullptr);
    if (!m_flusso) {
        qCWarning(logSuono) << "the server refused a clip:" << errore(m_contesto);
        return;
    }
    m_scritti = 0;
    pa_stream_set_write_callback(m_flusso, &LettorePulse::scrivi, this);
    if (pa_stream_connect_playback(m_flusso, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
        qCWarning(logSuono) << "the server refused a clip:" << errore(m_contesto);
        fermaFlusso();
    }
}

void LettorePulse::scrivi(pa_stream *flusso, size_t richiesti, void *io)
{
    auto *lettore = static_cast<LettorePulse *>(io);
    const qsizetype resto = lettore->m_onda.dati.size() - lettore->m_scritti;
    if (resto <= 0) return;
    const size_t quanti = std::min(richiesti, size_t(resto));
    if (pa_stream_write(flusso, lettore->m_onda.dati.constData() + lettore->m_scritti, quanti, nullptr, 0,
                        PA_SEEK_RELATIVE) < 0)
        return;
    lettore->m_scritti += qsizetype(quanti);
    if (lettore->m_scritti < lettore->m_onda.dati.size()) return;
    // All handed over: a short clip never fills the server's prebuffer, and draining starts it anyway.
    if (pa_operation *o = pa_stream_drain(flusso, &LettorePulse::svuotato, io)) pa_operation_unref(o);
}

void LettorePulse::svuotato(pa_stream *flusso, int, void *io)
{
    // Played to the end: let the server forget the stream, so the sound card may rest.
    auto *lettore = static_cast<LettorePulse *>(io);
    if (flusso == lettore->m_flusso) lettore->fermaFlusso();
}

void LettorePulse::fermaFlusso()
{
    if (!m_flusso) return;
    pa_stream_set_write_callback(m_flusso, nullptr, nullptr);
    pa_stream_disconnect(m_flusso);
    pa_stream_unref(m_flusso);
    m_flusso = nullptr;
}

void LettorePulse::lasciaContesto()
{
    fermaFlusso();
    if (!m_contesto) return;
    pa_context_set_state_callback(m_contesto, nullptr, nullptr);
    pa_context_disconnect(m_contesto);
    pa_context_unref(m_contesto);
    m_contesto = nullptr;
}
