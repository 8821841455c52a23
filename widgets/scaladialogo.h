// SPDX-License-Identifier: GPL-3.0-or-later
// One standard dialog at a window's scale: its font, margins, spacings, icons and a message box's width.
#pragma once

#include <QObject>

class QDialog;
class QFont;

/// Lives as the dialog's child. Qt sizes a dialog's text by its font, but its margins, spacings and
/// icons by the style in pixels, and caps a message box's width at a fixed number of pixels: at a
/// whiteboard's scale the text then wraps into a column of one or two words a line.
class ScalaDialogo : public QObject
{
    Q_OBJECT
public:
    /// Brings \a dialogo to \a fattore times the system's sizes, its font to \a fattore times \a base
    /// (nothing below 1, nothing twice).
    static void applica(QDialog *dialogo, qreal fattore, const QFont &base);

    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    ScalaDialogo(QDialog *dialogo, qreal fattore, const QFont &base);
    void ingrandisci();
    /// The buttons' icons and a message box's icon at the scale (Qt sets them again on a style change).
    void ingrandisciIcona();
    /// A message box as wide as Qt makes it at scale 1, times the scale, within the screen.
    void allarga();

    QDialog *m_dialogo;
    qreal m_fattore;
    bool m_allargando = false;
};
