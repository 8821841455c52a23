// SPDX-License-Identifier: GPL-3.0-or-later
// Keys for the whole session, so that a game can be played from the keyboard alone.
#include "board/frmnumerella.h"

#include <QShortcut>

void FrmNumerella::collegaComandi()
{
    // Control and a letter: digits, Backspace and Return answer, Alt+digit chooses the tables, and the
    // desktop keeps Alt+F4, Alt+Tab and the Super keys. Ctrl+R is the record window's.
    auto tasto = [this](QKeySequence sequenza, auto azione) {
        connect(new QShortcut(sequenza, this), &QShortcut::activated, this, azione);
    };
    tasto(QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
        if (momento() == Momento::InCorso || momento() == Momento::InPausa)
            annuncia(tr("La partita è già cominciata."));
        else
            cmdAvvio_Click();
    });
    tasto(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { alternaPausa(); });
    tasto(QKeySequence(Qt::Key_Pause), [this] { alternaPausa(); });
    tasto(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (momento() == Momento::InCorso || momento() == Momento::InPausa)
            cmdStop_Click();
        else
            annuncia(tr("Nessuna partita da fermare."));
    });
    tasto(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { diciTempo(); });
}

void FrmNumerella::alternaPausa()
{
    switch (momento()) {
    case Momento::InCorso:
        CmdPausa_Click();
        break;
    case Momento::InPausa:
        cmdRiprendi_Click();
        break;
    case Momento::Riposo:
    case Momento::Finita:
        annuncia(tr("Nessuna partita in corso. Ctrl+N per cominciare."));
        break;
    }
}
