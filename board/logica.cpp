// SPDX-License-Identifier: GPL-3.0-or-later
// Pure drill logic: product tables, question picker, stopwatch and chaser steps.
#include "board/logica.h"

namespace logica {

void costruisciTabelle(Stato &s)
{
    int k = 0;
    for (int i = 1; i <= 10; ++i) {
        for (int j = 1; j <= 10; ++j) {
            s.Prodotto.at(k) = static_cast<qint16>(i * j);
            s.Colonna.at(k) = static_cast<qint16>(j);
            s.Riga.at(k) = static_cast<qint16>(i);
            ++k;
        }
    }
}

int scegliCella(std::span<const bool, 100> candidata, QRandomGenerator &caso)
{
    int quante = 0;
    for (bool c : candidata)
        quante += c ? 1 : 0;
    if (quante == 0) return -1;
    // The n-th candidate, counting from 0: there are more than n of them.
    int n = static_cast<int>(caso.bounded(quante));
    int k = 0;
    while (!candidata[k] || n-- > 0)
        ++k;
    return k;
}

Passo passoCronometro(qint16 &secondi, qint16 &minuti)
{
    if (secondi < 59) {
        ++secondi;
        return Passo::Secondi;
    }
    if (minuti < 59) {
        secondi = 0;
        ++minuti;
        return Passo::Minuti;
    }
    return Passo::Niente;
}

PassoInseguitore passoInseguitore(qint16 &posizione, qint16 &fase)
{
    const int p = posizione;
    if (fase >= 1) {
        fase = 0;
        return {p, true, false};
    }
    ++fase;
    if (++posizione > 9) posizione = 0;
    return {p, false, true};
}

} // namespace logica
