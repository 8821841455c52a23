// SPDX-License-Identifier: GPL-3.0-or-later
// The voice through Qt's speech module, on the desktop's speech service.
#pragma once

#include "speech/sintesi.h"

#include <QLoggingCategory>
#include <QPointer>

class QTextToSpeech;

/// Why nothing was said; silent unless QT_LOGGING_RULES asks for "numerella.voce.warning=true".
Q_DECLARE_LOGGING_CATEGORY(logVoce)

/// Speaks through Qt's text-to-speech engines (speech-dispatcher's first), in the language of the
/// default locale. The engine is made on the first need; with none installed, or when its service
/// fails, the voice is Assente and every sentence is dropped.
class SintesiQt : public Sintesi
{
    Q_OBJECT
public:
    explicit SintesiQt(QObject *parent = nullptr);
    ~SintesiQt() override;

    void prepara() override;
    void dici(const QString &parole) override;
    void taci() override;
    Servizio servizio() const override { return m_servizio; }

private:
    void manca(const QString &perche);

    QPointer<QTextToSpeech> m_motore;
    Servizio m_servizio = Servizio::Presente;
};
