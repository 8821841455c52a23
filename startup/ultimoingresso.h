// SPDX-License-Identifier: GPL-3.0-or-later
// Remembers whether the keyboard or a pointer (mouse, touch, pen) was used last, program-wide.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

enum class Ingresso {
    Puntatore, ///< mouse, touch or pen
    Tastiera,
};

/// An application-wide event filter: key presses and pointer presses say which input the user is
/// on; the keystrokes the keypad queues for a cell do not count.
class UltimoIngresso : public QObject
{
    Q_OBJECT
public:
    /// \a tasto sees every real key press first, with the widget it is addressed to; when it
    /// returns true the key has been dealt with and goes no further.
    explicit UltimoIngresso(std::function<bool(QWidget *, QKeyEvent *)> tasto, QObject *parent = nullptr);
    ~UltimoIngresso() override;

    Ingresso ultimo() const { return m_ultimo; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    std::function<bool(QWidget *, QKeyEvent *)> m_tasto;
    Ingresso m_ultimo = Ingresso::Puntatore; // until a key is pressed, everything behaves as with the mouse
};
