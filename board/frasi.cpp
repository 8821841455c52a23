// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences a screen reader says about the game: time, errors, the tables in play.
#include "board/frasi.h"

#include <QStringList>

namespace frasi {

namespace {

/// "1" and "8" begin with a vowel when read out: the article is elided.
bool vocale(int n)
{
    return n == 1 || n == 8 || n == 11;
}

QString quanti(int n, const char *uno, const char *molti)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? uno : molti));
}

} // namespace

QString dellaTabellina(int n)
{
    return (vocale(n) ? QStringLiteral("dell'") : QStringLiteral("del ")) + QString::number(n);
}

QString finoAlla(int n)
{
    return (vocale(n) ? QStringLiteral("all'") : QStringLiteral("al ")) + QString::number(n);
}

QString tempoEErrori(int minuti, int secondi, int errori)
{
    QString tempo = quanti(secondi, "secondo", "secondi");
    if (minuti > 0) tempo = quanti(minuti, "minuto", "minuti") + QStringLiteral(" e ") + tempo;
    const QString sbagli = errori == 0 ? QStringLiteral("nessun errore") : quanti(errori, "errore", "errori");
    return tempo + QStringLiteral(", ") + sbagli;
}

QString tabelleRimaste(const std::array<bool, 10> &esclusa)
{
    QStringList restano;
    for (int n = 1; n <= 10; ++n)
        if (!esclusa[n - 1]) restano << QString::number(n);
    if (restano.isEmpty()) return QStringLiteral("Nessuna tabellina rimasta");
    if (restano.size() == 1)
        return QStringLiteral("Resta la tabellina ") + dellaTabellina(restano[0].toInt());
    if (restano.size() == 10) return QStringLiteral("Restano tutte le tabelline");
    const int primo = restano.first().toInt(), ultimo = restano.last().toInt();
    if (ultimo - primo + 1 == restano.size())
        return QStringLiteral("Restano le tabelline da %1 a %2").arg(primo).arg(ultimo);
    const QString ultima = restano.takeLast();
    return QStringLiteral("Restano le tabelline %1 e %2").arg(restano.join(QStringLiteral(", ")), ultima);
}

} // namespace frasi
