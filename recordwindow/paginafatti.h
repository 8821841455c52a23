// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Fatti": the map of a child's facts, its legend, and the day's round in words.
#pragma once

#include "record/quadro.h"
#include "record/schedafatto.h"

#include <QCoreApplication>
#include <QList>
#include <QWidget>

class MappaFatti;
class QLabel;

/// The map with its legend, the words of the chosen cell, and the facts of today's "Ripassa".
class PaginaFatti : public QWidget
{
    // The window's texts keep one context for the translators.
    Q_DECLARE_TR_FUNCTIONS(FrmRegistro)
public:
    explicit PaginaFatti(QWidget *parent = nullptr);
    /// The child's facts over the period on the map, and today's round in words under it.
    void mostra(const Quadro &quadro);

    MappaFatti *mappa = nullptr;
    QLabel *lblFatto = nullptr, *lblDifficili = nullptr;

private:
    /// Today's round in words, from every game whatever the period.
    static QString paroleGiro(const Quadro &quadro);
};
