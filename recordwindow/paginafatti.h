// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Fatti": the map of a child's facts, its legend, and the day's round in words.
#pragma once

#include "record/apprendimento.h"
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
    /// The child's \a fatti on the map, and \a giro, today's round, in words under it.
    /// \a giudizio: how the child is judged, as Ripassa judges her.
    void mostra(const QList<SchedaFatto> &fatti, const QList<SchedaFatto> &giro,
                const apprendimento::Giudizio &giudizio = {});

    MappaFatti *mappa = nullptr;
    QLabel *lblFatto = nullptr, *lblDifficili = nullptr;

private:
    /// Today's round in words; \a maiGiocato when no fact was ever asked.
    static QString paroleGiro(const QList<SchedaFatto> &giro, bool maiGiocato);
};
