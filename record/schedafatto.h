// SPDX-License-Identifier: GPL-3.0-or-later
// How a child does on one fact over its recent askings.
#pragma once

#include <QtGlobal>

struct SchedaFatto
{
    int riga = 0, colonna = 0; ///< the factors, 1..10
    int chiesta = 0;           ///< askings counted
    int sbagliate = 0;         ///< wrong answers over them
    int sbagliateUltime = 0;   ///< wrong answers over the last three askings
    int giuste = 0;            ///< askings answered right
    double secondi = 0;        ///< average seconds to the right answer

    int cella() const { return (riga - 1) * 10 + colonna - 1; }
    /// Share of wrong answers among all answers given, 0..1.
    double quotaSbagliate() const
    {
        return sbagliate + giuste == 0 ? 0 : double(sbagliate) / (sbagliate + giuste);
    }
};
