// SPDX-License-Identifier: GPL-3.0-or-later
// Waits for what a loaded machine only slows: their limits tell stuck work, never slow work.
#pragma once

#include <QDeadlineTimer>
#include <QTest>

namespace attesa {

/// \a ms, more than a wait takes on an idle machine, times NUMERELLA_LENTEZZA (10 when unset): past it
/// the work is stuck, not slow. A machine loaded beyond that sets a larger factor.
inline int limite(int ms)
{
    bool ok = false;
    const int fattore = qEnvironmentVariableIntValue("NUMERELLA_LENTEZZA", &ok);
    return ms * (ok && fattore > 0 ? fattore : 10);
}

/// Processes events until \a fatto(); gives up only when \a segno(), how far the work has got, stays the
/// same for limite(\a fermoMs): work that goes on, however slowly, is waited for.
template <typename Fatto, typename Segno> bool avanzando(Fatto fatto, Segno segno, int fermoMs = 5000)
{
    auto ultimo = segno();
    QDeadlineTimer fermo(limite(fermoMs));
    while (!fatto()) {
        QTest::qWait(10);
        const auto ora = segno();
        if (ora != ultimo) {
            ultimo = ora;
            fermo.setRemainingTime(limite(fermoMs));
        } else if (fermo.hasExpired()) {
            return fatto();
        }
    }
    return true;
}

/// Processes events until \a fatto(), for at most limite(\a ms).
template <typename Fatto> bool finche(Fatto fatto, int ms = 5000)
{
    return QTest::qWaitFor(fatto, limite(ms));
}

} // namespace attesa

// QtTest's own waits get the same room: their 5 s would fail on a loaded machine.
#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT((expr), attesa::limite(5000))
#define QTRY_VERIFY2(expr, messaggio) QTRY_VERIFY2_WITH_TIMEOUT((expr), (messaggio), attesa::limite(5000))
#define QTRY_COMPARE(expr, atteso) QTRY_COMPARE_WITH_TIMEOUT((expr), (atteso), attesa::limite(5000))
