// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Andamento": the chart of a child's games, in words and numbers too.
#pragma once

#include "record/andamento.h"
#include "record/schedapartita.h"

#include <QCoreApplication>
#include <QList>
#include <QWidget>

class GraficoPartite;
class QCheckBox;
class QLabel;
class QStandardItemModel;
class QTableView;

/// The trend in words, the chart, whether practice rounds and stopped games are on it, and the
/// chart's points as a table for a reader that walks one.
class PaginaAndamento : public QWidget
{
    // The window's texts keep one context for the translators.
    Q_DECLARE_TR_FUNCTIONS(FrmRegistro)
public:
    explicit PaginaAndamento(QWidget *parent = nullptr);
    void mostra(const QList<SchedaPartita> &partite);

    GraficoPartite *grafico = nullptr;
    QLabel *lblAndamento = nullptr;     ///< the trend in words, above the chart
    QCheckBox *chkAltre = nullptr;      ///< practice rounds and stopped games on the chart too
    QTableView *tabAndamento = nullptr; ///< the chart's numbers, for a reader that walks a table

private:
    /// The chart's games as rows of the table beside it.
    void mostraNumeri();

    QStandardItemModel *m_andamento = nullptr;
    QList<andamento::Punto> m_punti; ///< the chart's games, for its table
};
