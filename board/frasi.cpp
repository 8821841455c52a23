// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences a screen reader says about the game: time, errors, the tables in play.
#include "board/frasi.h"

#include <QCoreApplication>
#include <QStringList>

namespace frasi {

namespace {

// One text per table, since the article before a number depends on how the number is read out.
//: Italian elides the article before a number read with a vowel ("dell'1", "dell'8", "del 7"). The
//: table of n after the word for "table"; translate each number as your language says it.
constexpr const char *DellaTabellina[] = {
    QT_TRANSLATE_NOOP("frasi", "dell'1"), QT_TRANSLATE_NOOP("frasi", "del 2"),
    QT_TRANSLATE_NOOP("frasi", "del 3"),  QT_TRANSLATE_NOOP("frasi", "del 4"),
    QT_TRANSLATE_NOOP("frasi", "del 5"),  QT_TRANSLATE_NOOP("frasi", "del 6"),
    QT_TRANSLATE_NOOP("frasi", "del 7"),  QT_TRANSLATE_NOOP("frasi", "dell'8"),
    QT_TRANSLATE_NOOP("frasi", "del 9"),  QT_TRANSLATE_NOOP("frasi", "del 10"),
};
//: "Up to the table of n": Italian elides the article before a number read with a vowel ("all'1",
//: "all'8", "al 7").
constexpr const char *FinoAlla[] = {
    QT_TRANSLATE_NOOP("frasi", "all'1"), QT_TRANSLATE_NOOP("frasi", "al 2"),
    QT_TRANSLATE_NOOP("frasi", "al 3"),  QT_TRANSLATE_NOOP("frasi", "al 4"),
    QT_TRANSLATE_NOOP("frasi", "al 5"),  QT_TRANSLATE_NOOP("frasi", "al 6"),
    QT_TRANSLATE_NOOP("frasi", "al 7"),  QT_TRANSLATE_NOOP("frasi", "all'8"),
    QT_TRANSLATE_NOOP("frasi", "al 9"),  QT_TRANSLATE_NOOP("frasi", "al 10"),
};

// One is said apart: the source language has no plural forms of its own to fall back on.

QString quantiSecondi(int n)
{
    if (n == 1)
        //: Exactly one second.
        return QCoreApplication::translate("frasi", "1 secondo");
    //: Never said for 1, which has a text of its own; give every plural form of your language.
    return QCoreApplication::translate("frasi", "%n secondi", nullptr, n);
}

QString quantiMinuti(int n)
{
    if (n == 1)
        //: Exactly one minute.
        return QCoreApplication::translate("frasi", "1 minuto");
    //: Never said for 1, which has a text of its own; give every plural form of your language.
    return QCoreApplication::translate("frasi", "%n minuti", nullptr, n);
}

QString quantiErrori(int n)
{
    if (n == 0)
        //: No wrong answer in the game.
        return QCoreApplication::translate("frasi", "nessun errore");
    if (n == 1)
        //: Exactly one wrong answer.
        return QCoreApplication::translate("frasi", "1 errore");
    //: Never said for 0 or 1, which have texts of their own; give every plural form of your language.
    return QCoreApplication::translate("frasi", "%n errori", nullptr, n);
}

} // namespace

QString dellaTabellina(int n)
{
    return QCoreApplication::translate("frasi", DellaTabellina[n - 1]);
}

QString finoAlla(int n)
{
    return QCoreApplication::translate("frasi", FinoAlla[n - 1]);
}

QString tempoEErrori(int minuti, int secondi, int errori)
{
    const QString sec = quantiSecondi(secondi), sbagli = quantiErrori(errori);
    if (minuti == 0)
        //: Time and errors, e.g. "14 secondi, 3 errori".
        return QCoreApplication::translate("frasi", "%1, %2").arg(sec, sbagli);
    //: Minutes, seconds and errors, e.g. "2 minuti e 14 secondi, 3 errori".
    return QCoreApplication::translate("frasi", "%1 e %2, %3").arg(quantiMinuti(minuti), sec, sbagli);
}

QString errori(int n)
{
    return quantiErrori(n);
}

QString tabelleRimaste(const std::array<bool, 10> &esclusa)
{
    QStringList restano;
    for (int n = 1; n <= 10; ++n)
        if (!esclusa[n - 1]) restano << QString::number(n);
    if (restano.isEmpty()) return QCoreApplication::translate("frasi", "Nessuna tabellina rimasta");
    if (restano.size() == 1)
        //: %1 is "del 7" or "dell'8" as translated above.
        return QCoreApplication::translate("frasi", "Resta la tabellina %1")
            .arg(dellaTabellina(restano[0].toInt()));
    if (restano.size() == 10) return QCoreApplication::translate("frasi", "Restano tutte le tabelline");
    const int primo = restano.first().toInt(), ultimo = restano.last().toInt();
    if (ultimo - primo + 1 == restano.size())
        return QCoreApplication::translate("frasi", "Restano le tabelline da %1 a %2").arg(primo).arg(ultimo);
    const QString ultima = restano.takeLast();
    //: %1 is a list such as "1, 3, 5", %2 the last table.
    return QCoreApplication::translate("frasi", "Restano le tabelline %1 e %2")
        .arg(restano.join(
                 //: Between the tables of a list, as in "1, 3 e 5".
                 QCoreApplication::translate("frasi", ", ")),
             ultima);
}

} // namespace frasi
