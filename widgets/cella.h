// SPDX-License-Identifier: GPL-3.0-or-later
// An answer cell of the grid.
#pragma once

#include "widgets/riquadro.h"

#include <functional>

/// An answer cell: a single-line box with a thin border shared with its neighbours.
/// Its background colour carries the game's meaning (green = excluded), so it keeps the raw value.
/// It takes typed digits and Backspace only, and only while its window allows; never a paste or a drop.
class Cella : public Riquadro
{
    Q_OBJECT
public:
    explicit Cella(QWidget *parent = nullptr);

    void impostaSfondo(quint32 bbggrr);
    quint32 sfondo() const { return m_sfondo; }
    bool esclusa() const;

    /// Decides whether the cell may be edited now; typing is dropped when it says no.
    void impostaPermesso(std::function<bool(const Cella *)> puoScrivere)
    {
        m_puoScrivere = std::move(puoScrivere);
    }

Q_SIGNALS:
    /// Return or Enter pressed in the cell.
    void invio();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;

private:
    bool puoScrivere() const { return !m_puoScrivere || m_puoScrivere(this); }

    quint32 m_sfondo = 0x00FFFFFF;
    std::function<bool(const Cella *)> m_puoScrivere;
};
