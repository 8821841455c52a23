// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of control the windows are made of: answer cells, header labels, picture buttons, counters.
#pragma once

#include "board/immagini.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

/// An answer cell: a single-line box with a thin border shared with its neighbours.
/// Its background colour carries the game's meaning (green = excluded), so it keeps the raw value.
class Cella : public QLineEdit
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
    void paintEvent(QPaintEvent *e) override;

private:
    quint32 m_sfondo = 0x00FFFFFF;
    std::function<bool(const Cella *)> m_puoScrivere;
};

/// A label on a transparent background whose text colour is set as a 0x00BBGGRR value.
class Etichetta : public QLabel
{
    Q_OBJECT
public:
    explicit Etichetta(const QString &testo, QWidget *parent = nullptr);
    void impostaColore(quint32 bbggrr);
    quint32 colore() const { return m_colore; }

Q_SIGNALS:
    void premuto(Qt::MouseButton tasto);

protected:
    void mousePressEvent(QMouseEvent *e) override;

private:
    quint32 m_colore = 0;
};

/// A button that shows a picture instead of a caption (and a grey one while disabled).
class PulsanteGrafico : public QPushButton
{
    Q_OBJECT
public:
    PulsanteGrafico(quint32 sfondo, immagini::Immagine immagine, immagini::Immagine grigia = {},
                    QWidget *parent = nullptr);

    /// The picture the button shows right now (the grey one only where it has one).
    const immagini::Immagine &immagineMostrata() const;

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    quint32 m_sfondo;
    immagini::Immagine m_immagine, m_grigia;
};

/// A check box that shows one picture while unchecked and another while checked.
class CasellaGrafica : public QCheckBox
{
    Q_OBJECT
public:
    CasellaGrafica(quint32 sfondo, immagini::Immagine spuntata, immagini::Immagine nonSpuntata,
                   QWidget *parent = nullptr);
    const immagini::Immagine &immagineMostrata() const;

protected:
    void paintEvent(QPaintEvent *e) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    quint32 m_sfondo;
    immagini::Immagine m_spuntata, m_nonSpuntata;
};

/// A flat counter box; it reports clicks so the window can hand the focus on.
class Contatore : public QLineEdit
{
    Q_OBJECT
public:
    Contatore(Qt::Alignment allineamento, QWidget *parent = nullptr);

Q_SIGNALS:
    void cliccato();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
};
