// SPDX-License-Identifier: GPL-3.0-or-later
// Remembers whether the keyboard or a pointer (mouse, touch, pen) was used last, program-wide.
#include "startup/ultimoingresso.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

UltimoIngresso::UltimoIngresso(std::function<bool(QWidget *, QKeyEvent *)> tasto, QObject *parent)
    : QObject(parent), m_tasto(std::move(tasto))
{
    QCoreApplication::instance()->installEventFilter(this);
}

UltimoIngresso::~UltimoIngresso()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool UltimoIngresso::eventFilter(QObject *o, QEvent *e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride:
        // A key that a shortcut takes never arrives as a key press.
        if (o->isWindowType() || e->spontaneous()) m_ultimo = Ingresso::Tastiera;
        return false;
    case QEvent::KeyPress:
        // A key from the keyboard comes through a window (or is marked as the system's); the keypad
        // posts its keystrokes straight to the cell, and those are not the user's hand on the keyboard.
        if (o->isWindowType() || e->spontaneous()) m_ultimo = Ingresso::Tastiera;
        if (auto *w = qobject_cast<QWidget *>(o); w && m_tasto)
            return m_tasto(w, static_cast<QKeyEvent *>(e));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        m_ultimo = Ingresso::Puntatore;
        return false;
    default:
        return false;
    }
}
