// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a child's games over the dates: seconds per answer and errors per game.
#pragma once

#include "record/schedapartita.h"

#include <QChartView>
#include <QList>

/// Per-answer seconds and per-game errors, so that games of different sizes compare.
class GraficoPartite : public QChartView
{
    Q_OBJECT
public:
    explicit GraficoPartite(QWidget *parent = nullptr);
    void mostra(const QList<SchedaPartita> &partite);
};
