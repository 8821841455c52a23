// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs at the board's scale, for as long as a dialog step lasts.
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>

/// When it ends, the window that was active when it began is active again: with no window manager
/// nobody else gives it back the keys after a dialog. While it lives, the application's font is \a fattore
/// times the system's, never smaller, and every dialog that opens is brought to that scale (ScalaDialogo);
/// the board's own controls set their fonts explicitly and keep them.
class DialoghiScalati : public QObject
{
    Q_OBJECT
public:
    explicit DialoghiScalati(qreal fattore);
    ~DialoghiScalati() override;
    DialoghiScalati(const DialoghiScalati &) = delete;
    DialoghiScalati &operator=(const DialoghiScalati &) = delete;

    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QPointer<QWidget> m_finestra; ///< active when the step began
    QFont m_prima;
    qreal m_fattore;
};

/// Right to left, Qt 6.4's style draws a dialog button's icon and words off its centre, past its left
/// edge (the print dialog's Cancel cut in Arabic); a style sheet's button centres them.
void centraPulsanti(QWidget *dialogo);
