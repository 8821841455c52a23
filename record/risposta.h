// SPDX-License-Identifier: GPL-3.0-or-later
// How a confirmed answer went, and how a game ended: what the board tells the record.
#pragma once

/// A confirmed answer.
enum class Risposta { Giusta, Sbagliata };

/// How a game ended; the words are also the ones stored and exported.
enum class FinePartita {
    Finita,     ///< every cell in play answered
    Fermata,    ///< stopped with Stop
    Interrotta, ///< cut off: the program ended or died
};

#include <QString>
#include <array>

/// The word kept and exported for \a esito.
inline QString parolaEsito(FinePartita esito)
{
    static const std::array<QString, 3> parole = {QStringLiteral("finita"), QStringLiteral("fermata"),
                                                  QStringLiteral("interrotta")};
    return parole.at(static_cast<size_t>(esito));
}
