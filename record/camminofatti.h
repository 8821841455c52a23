// SPDX-License-Identifier: GPL-3.0-or-later
// A child's askings folded, oldest first, into her facts' memory model and her pace: the one fold the
// record keeps with each answer and builds again from all of them.
#pragma once

#include "record/apprendimento.h"
#include "record/schedafatto.h"

#include <QList>
#include <array>

class CamminoFatti
{
public:
    explicit CamminoFatti(apprendimento::Tempo tempo = apprendimento::Tempo::Conta) : m_tempo(tempo) {}

    /// One asking of \a riga × \a colonna, after all those already folded.
    void chiesta(int riga, int colonna, const apprendimento::Chiesta &chiesta);
    /// The facts asked at least once, in the table's order.
    QList<SchedaFatto> fatti() const;
    const SchedaFatto &fatto(int cella) const { return m_fatti[cella]; }
    const QList<int> &ritmo() const { return m_ritmo; }
    /// How she is judged now.
    apprendimento::Giudizio giudizio() const
    {
        return {apprendimento::mediana(m_ritmo), m_tempo, apprendimento::indovina(m_ricadute)};
    }

    /// The prior of the first asking of \a riga × \a colonna from \a chieste, the facts asked so far in
    /// the table's order (or at least its twin and those sharing a table with it).
    static double priore(const QList<SchedaFatto> &chieste, int riga, int colonna);

private:
    std::array<SchedaFatto, 100> m_fatti{};
    QList<int> m_ritmo;
    apprendimento::Ricadute m_ricadute; ///< of all her facts, kept as each is folded
    apprendimento::Tempo m_tempo;
};
