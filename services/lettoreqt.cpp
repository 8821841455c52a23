// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on Qt Multimedia.
#include "services/lettoreqt.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

/// A clip that stops sooner than this after play() never started: the shortest clip lasts 120 ms.
constexpr qint64 AvvioMancatoMs = 50;

qint64 adesso()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

LettoreQt::LettoreQt(std::optional<Motore> motore, QObject *parent)
    : LettoreSuoni(parent), m_daScegliere(!motore)
{
    if (motore == Motore::Pulse) m_pulse = std::make_unique<LettorePulse>();
}

QString LettoreQt::percorso(Clip clip)
{
    return QStringLiteral(":/sounds/%1.wav").arg(static_cast<int>(clip));
}

LettoreQt::~LettoreQt()
{
    // Qt 6.4's shared sample cache deadlocks at program exit when a clip is still being decoded
    // (its destructor waits for the loader thread while holding the lock that thread needs).
    // Let any load finish first: it takes a few milliseconds.
    const auto inCaricamento = [this] {
        for (const QSoundEffect *e : std::as_const(m_effetti)) {
            if (e->status() == QSoundEffect::Loading) return true;
        }
        return false;
    };
    const QDeadlineTimer scadenza(2000);
    while (inCaricamento() && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // Each effect hands its audio output to deleteLater(), which no event loop would run any more:
    // left for exit(), those outputs went with the sound library's thread still feeding them.
    // Stop and delete them all now, while the application exists.
    smonta();
    qDeleteAll(m_effetti);
    m_effetti.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QSoundEffect *LettoreQt::effetto(Clip clip)
{
    QSoundEffect *&e = m_effetti[static_cast<int>(clip)];
    if (!e) {
        e = new QSoundEffect(this);
        e->setSource(QUrl(QStringLiteral("qrc") + percorso(clip)));
        connect(e, &QSoundEffect::statusChanged, this, [this, e] {
            if (e->status() == QSoundEffect::Error) m_qtFallito = true;
        });
        connect(e, &QSoundEffect::playingChanged, this, [this, e] {
            if (!e->isPlaying()) fermato(e);
        });
    }
    return e;
}

void LettoreQt::fermato(QSoundEffect *e)
{
    // Only a flag: the change waits for the next clip, so no handler ever waits on the server.
    if (e == m_attuale && !m_fermaIlLettore && adesso() - m_avvio < AvvioMancatoMs) m_qtFallito = true;
}

void LettoreQt::smonta()
{
    m_attuale = nullptr;
    for (auto i = m_effetti.begin(); i != m_effetti.end();) {
        // See the destructor: a clip still loading is left to finish.
        if (i.value()->status() == QSoundEffect::Loading) {
            ++i;
            continue;
        }
        i.value()->stop();
        delete i.value();
        i = m_effetti.erase(i);
    }
}

void LettoreQt::passaAPulse()
{
    smonta();
    m_pulse = std::make_unique<LettorePulse>();
}

void LettoreQt::suonaConPulse(Clip clip)
{
    auto i = m_onde.constFind(static_cast<int>(clip));
    if (i == m_onde.cend()) {
        QFile f(percorso(clip));
        const std::optional<Onda> onda = f.open(QIODevice::ReadOnly) ? leggiOnda(f.readAll()) : std::nullopt;
        i = m_onde.insert(static_cast<int>(clip), onda.value_or(Onda{}));
    }
    if (!i->dati.isEmpty()) m_pulse->suona(*i);
}

void LettoreQt::SuonaRisorsa(Clip clip)
{
    if (m_daScegliere) {
        m_daScegliere = false;
        // With no sound server at all Qt would play into nothing for the whole run (a classroom
        // session may start the program before its sound server).
        if (QMediaDevices::audioOutputs().isEmpty()) passaAPulse();
    }
    // After a failure Qt may never reach the server again (it tries once, 3 s later): leave it.
    if (m_qtFallito && !m_pulse) passaAPulse();
    m_qtFallito = false;
    if (m_pulse) {
        suonaConPulse(clip);
        return;
    }
    // Two effects would mix: stop the one still sounding so only the newest clip is heard.
    // Without an audio server an effect reports 'playing' for ever, so never wait on it.
    if (m_attuale) {
        m_fermaIlLettore = true;
        m_attuale->stop();
        m_fermaIlLettore = false;
    }
    m_attuale = effetto(clip);
    m_avvio = adesso();
    m_attuale->play();
    // A dead server turns the output down inside play(): the clip never starts. It may still play
    // on the server directly, if the server is back.
    if (!m_attuale->isPlaying()) {
        passaAPulse();
        suonaConPulse(clip);
    }
}
