// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a child's games over the days: seconds per answer and errors per 10 answers.
#pragma once

#include "record/andamento.h"
#include "record/schedapartita.h"

#include <QChart>
#include <QChartView>
#include <QList>

/// One point a game, the games of a day side by side around its tick: full games joined by a line,
/// practice rounds (hollow circles) and stopped games (hollow triangles) apart, or left out. Seconds
/// and errors are two plots one above the other, each with its own scale, over the same days: one
/// plot with two scales would let a reader compare heights that mean nothing together. Its numbers
/// follow the locale, its labels the widget's font, so they grow with the window's scale.
class GraficoPartite : public QChartView
{
    Q_OBJECT
public:
    /// Whether practice rounds and stopped games are drawn beside the full games.
    enum class Altre { Mostrate, Nascoste };

    explicit GraficoPartite(QWidget *parent = nullptr);
    void mostra(const QList<SchedaPartita> &partite);
    void impostaAltre(Altre altre);
    /// The trend in words, for the line above the chart.
    QString frase() const { return m_frase; }
    /// The upper plot, seconds per answer, is chart(); this is the lower one, errors every 10 answers.
    QChart *graficoErrori() const { return m_errori; }

protected:
    void changeEvent(QEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void disegna();
    void applicaCaratteri();
    void applicaCaratteri(QChart *grafico);
    /// A date under every how many days, so that the dates of \a giorni days fit side by side.
    int ogniQuanti(int giorni) const;
    void ridisponiDate();
    /// The two plots one above the other in the view.
    void disponiPiani();

    QList<andamento::Punto> m_punti;
    QString m_frase;
    Altre m_altre = Altre::Mostrate;
    int m_ogni = 1; ///< a date every so many days
    QChart *m_errori = nullptr;
};
