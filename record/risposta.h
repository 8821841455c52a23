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

#include <QCoreApplication>
#include <QString>
#include <array>

/// The words for each end, in the order of FinePartita: the source texts are also the stored ones.
inline constexpr std::array<const char *, 3> TestiEsito = {
    //: How a game ended, in the games list's column "Esito" and on the printed report: every cell answered.
    QT_TRANSLATE_NOOP("FinePartita", "finita"),
    //: How a game ended: stopped by the child with Stop.
    QT_TRANSLATE_NOOP("FinePartita", "fermata"),
    //: How a game ended: cut off because the program was closed or died.
    QT_TRANSLATE_NOOP("FinePartita", "interrotta")};

/// The word kept and exported for \a esito: data, the same in every language.
inline QString parolaEsito(FinePartita esito)
{
    return QString::fromUtf8(TestiEsito.at(static_cast<size_t>(esito)));
}

/// The words shown to people for \a esito.
inline QString nomeEsito(FinePartita esito)
{
    return QCoreApplication::translate("FinePartita", TestiEsito.at(static_cast<size_t>(esito)));
}
