// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Partite": a child's games, one a row, sortable.
#pragma once

#include "record/schedapartita.h"

#include <QCoreApplication>
#include <QList>
#include <QWidget>

class QStandardItemModel;
class QTableView;

/// The games of the period, newest first: when, the tables, the time, the errors, how each ended.
class PaginaPartite : public QWidget
{
    // The window's texts keep one context for the translators.
    Q_DECLARE_TR_FUNCTIONS(FrmRegistro)
public:
    /// Where a row keeps its game; 0 for the game being played.
    static constexpr int RuoloId = Qt::UserRole + 1;

    explicit PaginaPartite(QWidget *parent = nullptr);
    void mostra(const QList<SchedaPartita> &partite);

    QTableView *tabPartite = nullptr;

private:
    QStandardItemModel *m_partite = nullptr;
};
