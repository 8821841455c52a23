// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a child's games over the dates: seconds per answer and errors per game.
#include "recordwindow/graficopartite.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

GraficoPartite::GraficoPartite(QWidget *parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("grafico"));
    setAccessibleName(QStringLiteral("Andamento delle partite"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    mostra({});
}

void GraficoPartite::mostra(const QList<SchedaPartita> &partite)
{
    auto *grafico = new QChart;
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto *secondi = new QLineSeries;
    secondi->setName(QStringLiteral("secondi per risposta"));
    auto *errori = new QLineSeries;
    errori->setName(QStringLiteral("errori per partita"));
    // Each game a dot: a first game, or games of one afternoon, are seen too.
    for (QLineSeries *serie : {secondi, errori})
        serie->setPointsVisible(true);
    double massimoSecondi = 1, massimoErrori = 1;
    QDateTime primo, ultimo;
    for (const SchedaPartita &p : partite) {
        if (p.esatte == 0) continue; // nothing answered: no time per answer to show
        const qreal x = qreal(p.inizio.toMSecsSinceEpoch());
        const double s = double(p.secondi) / p.esatte;
        secondi->append(x, s);
        errori->append(x, p.errori);
        massimoSecondi = std::max(massimoSecondi, s);
        massimoErrori = std::max(massimoErrori, double(p.errori));
        if (!primo.isValid()) primo = p.inizio;
        ultimo = p.inizio;
    }
    grafico->addSeries(secondi);
    grafico->addSeries(errori);
    auto *date = new QDateTimeAxis;
    date->setFormat(QStringLiteral("dd/MM"));
    date->setTitleText(QStringLiteral("data"));
    if (primo.isValid()) date->setRange(primo.addSecs(-3600), ultimo.addSecs(3600));
    grafico->addAxis(date, Qt::AlignBottom);
    auto *asseSecondi = new QValueAxis;
    asseSecondi->setTitleText(secondi->name());
    asseSecondi->setRange(0, massimoSecondi * 1.1);
    auto *asseErrori = new QValueAxis;
    asseErrori->setTitleText(errori->name());
    asseErrori->setRange(0, massimoErrori * 1.1);
    grafico->addAxis(asseSecondi, Qt::AlignLeft);
    grafico->addAxis(asseErrori, Qt::AlignRight);
    secondi->attachAxis(date);
    secondi->attachAxis(asseSecondi);
    errori->attachAxis(date);
    errori->attachAxis(asseErrori);
    QChart *vecchio = chart();
    setChart(grafico);
    delete vecchio;
    setAccessibleDescription(partite.isEmpty() ? QStringLiteral("Nessuna partita")
                                               : QStringLiteral("%1 partite").arg(partite.size()));
}
