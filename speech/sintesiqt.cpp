// SPDX-License-Identifier: GPL-3.0-or-later
// The voice through Qt's speech module: made on the first need, given up when its service fails.
#include "speech/sintesiqt.h"

#include <QLocale>
#include <QTextToSpeech>

Q_LOGGING_CATEGORY(logVoce, "numerella.voce", QtCriticalMsg)

SintesiQt::SintesiQt(QObject *parent) : Sintesi(parent) {}

SintesiQt::~SintesiQt()
{
    if (m_motore) m_motore->stop(QTextToSpeech::BoundaryHint::Immediate);
}

void SintesiQt::prepara()
{
    if (m_motore || m_servizio == Servizio::Assente) return;
    const QStringList motori = QTextToSpeech::availableEngines();
    if (motori.isEmpty()) {
        manca(QStringLiteral("no text-to-speech engine is installed"));
        return;
    }
    // speech-dispatcher's voices speak every language of the program; another engine may lack most.
    const QString scelto =
        motori.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : motori.first();
    m_motore = new QTextToSpeech(scelto, this);
    connect(m_motore, &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason perche, const QString &testo) {
                // A sentence that could not be said is lost; a service that cannot start is no voice.
                if (perche == QTextToSpeech::ErrorReason::Initialization)
                    manca(testo);
                else
                    qCWarning(logVoce, "not said: %s", qPrintable(testo));
            });
    connect(m_motore, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State stato) {
        if (stato == QTextToSpeech::Speaking) Q_EMIT cominciato();
    });
    if (m_motore->state() == QTextToSpeech::Error) {
        manca(m_motore->errorString());
        return;
    }
    // The program's language, or a voice of the same language in another country; else the
    // engine's own voice rather than none.
    const QLocale lingua;
    const QList<QLocale> disponibili = m_motore->availableLocales();
    if (disponibili.contains(lingua)) {
        m_motore->setLocale(lingua);
        return;
    }
    for (const QLocale &l : disponibili) {
        if (l.language() == lingua.language()) {
            m_motore->setLocale(l);
            return;
        }
    }
    qCWarning(logVoce, "no voice for %s: the engine's own speaks", qPrintable(lingua.name()));
}

void SintesiQt::dici(const QString &parole)
{
    prepara();
    if (!m_motore || m_servizio == Servizio::Assente) return;
    // The sentence before, if still going, is no longer news.
    if (m_motore->state() == QTextToSpeech::Speaking) m_motore->stop(QTextToSpeech::BoundaryHint::Immediate);
    m_motore->say(parole);
}

void SintesiQt::taci()
{
    if (m_motore && m_motore->state() == QTextToSpeech::Speaking)
        m_motore->stop(QTextToSpeech::BoundaryHint::Immediate);
}

void SintesiQt::manca(const QString &perche)
{
    qCWarning(logVoce, "no voice: %s", qPrintable(perche));
    if (m_servizio == Servizio::Assente) return;
    m_servizio = Servizio::Assente;
    Q_EMIT servizioCambiato(m_servizio);
}
