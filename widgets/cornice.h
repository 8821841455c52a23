// SPDX-License-Identifier: GPL-3.0-or-later
// A frame with a caption that holds a group of controls.
#pragma once

#include <QGroupBox>

class Cornice : public QGroupBox
{
    Q_OBJECT
public:
    /// Whether the caption turns grey while the frame is disabled.
    enum class Didascalia { SiSpegne, SempreNera };

    Cornice(const QString &titolo, const QFont &font, Didascalia didascalia, QWidget *parent = nullptr);

    /// Where the caption may stand and the font it is drawn in, both in the scale-1 layout's pixels (the
    /// caption is drawn on a painter scaled from it): the frame's font, or a smaller one when the caption
    /// would not fit.
    QRect spazioDidascalia() const;
    QFont fontDidascalia() const;

protected:
    void changeEvent(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void aggiornaDidascalia();

    Didascalia m_didascalia;
};
