// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse: typed keys reach the question, tables by Alt+digit, words for screen readers.
#include "board/frmnumerella.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <utility>

void FrmNumerella::collegaTastiera()
{
    m_ingresso = new UltimoIngresso([this](QWidget *w, QKeyEvent *e) { return smistaTasto(w, e); }, this);
    // Alt+1 .. Alt+9, Alt+0 for 10: a left press on that column number; with Shift a right press.
    // Shortcuts match the digit key on any layout where it types a digit unshifted (Shift+3 types
    // '#' on a US keyboard and '£' on an Italian one).
    for (int n = 0; n < 10; ++n) {
        const auto cifra = Qt::Key(Qt::Key_0 + (n + 1) % 10);
        auto *sinistro = new QShortcut(QKeySequence(Qt::ALT | cifra), this);
        connect(sinistro, &QShortcut::activated, this, [this, n] { Label1_MouseDown(n, Qt::LeftButton); });
        auto *destro = new QShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | cifra), this);
        connect(destro, &QShortcut::activated, this, [this, n] { Label1_MouseDown(n, Qt::RightButton); });
    }
}

bool FrmNumerella::smistaTasto(QWidget *destinatario, QKeyEvent *e)
{
    // The copy handed to the cell below is delivered there once. When the cell did not take it, it
    // comes back here on its way up to the cell's parents: it stops, and is never handed on again.
    if (e == m_tastoInoltrato) return destinatario != m_cellaInoltro;
    // A typed key is first addressed to the focus widget (or to the window when none has it);
    // the later deliveries of the same key to its parents are left alone.
    if (destinatario->window() != this || (destinatario != this && destinatario != focusWidget()))
        return false;
    if (momento() != Momento::InCorso) return false;
    Cella *cella = txtRisultato[m_stato.cella()];
    if (destinatario == cella) return false;
    if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const bool cifra = e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9;
    const bool invio = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!cifra && !invio && e->key() != Qt::Key_Backspace) return false;
    // Return keeps pressing the panel's buttons (Pause, Stop, Info, Exit, ...); on the keypad it confirms.
    if (invio && qobject_cast<QAbstractButton *>(destinatario) && !Frame1->isAncestorOf(destinatario))
        return false;
    // A cell that cannot take keys now (the info window is open, a dialog blocks the board, the
    // window is being hidden) gets none: the key is dropped, as the board takes no input then.
    if (!cella->isEnabled() || !cella->isVisible() ||
        (QApplication::activeModalWidget() && QApplication::activeModalWidget() != this))
        return true;
    cella->setFocus(Qt::OtherFocusReason);
    QKeyEvent copia(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), e->count());
    const QKeyEvent *eraInoltrato = std::exchange(m_tastoInoltrato, &copia);
    const QWidget *eraCella = std::exchange(m_cellaInoltro, cella);
    QCoreApplication::sendEvent(cella, &copia);
    m_tastoInoltrato = eraInoltrato;
    m_cellaInoltro = eraCella;
    return true;
}
