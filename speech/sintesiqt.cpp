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
            [this](QTextToSpeech::ErrorReason, const QString &testo) { manca(testo); });
    connect(m_motore, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State stato) {
        if (stato == QTextToSpeech::Speaking) Q_EMIT cominciato();
    });
    if (m_motore->state() == QTextToSpeech::Error) {
        manca(m_motore->errorString());
        return;
    }
    m_motore->setLocale(QLocale());
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
