// SPDX-License-Identifier: GPL-3.0-or-later
// A label on a transparent background whose text colour is a 0x00BBGGRR value.
#pragma once

#include <QLabel>

class QTimer;

class Etichetta : public QLabel
{
    Q_OBJECT
public:
    /// What a text too wide for the label does: run past its edges, or shrink until it fits.
    enum class Adattamento { Fisso, Restringi };
    /// How long a finger must rest still on the label to count as a right press.
    static constexpr int DurataPressioneLunga = 600; // ms

    explicit Etichetta(const QString &testo, QWidget *parent = nullptr);
    void impostaColore(quint32 bbggrr);
    quint32 colore() const { return m_colore; }
    void impostaAdattamento(Adattamento adattamento);
    /// The font the text is drawn in: the label's own, or a smaller one when it must shrink to fit.
    QFont fontMostrato() const;

Q_SIGNALS:
    /// A mouse button went down on the label: once for every press, double clicks included.
    /// A finger presses the left button when it lifts after a tap, the right one after a long press.
    void premuto(Qt::MouseButton tasto);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    /// The long-press timer ran out: a finger still resting on the label presses it with the right button.
    void pressioneLunga();
    enum class Tocco { Nessuno, InAttesa, Lungo };

    quint32 m_colore = 0;
    Adattamento m_adattamento = Adattamento::Fisso;
    Tocco m_tocco = Tocco::Nessuno;
    QPoint m_puntoTocco;
    QTimer *m_timerTocco = nullptr; // made on the first touch
};
