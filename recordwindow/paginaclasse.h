// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Classe": the 100 facts coloured by how many of the children know each.
#pragma once

#include "record/quadroclasse.h"

#include <QCoreApplication>
#include <QWidget>

class QLabel;
class QTableWidget;

/// The class's map: each cell the number of children who know the fact, its words (also told to a
/// screen reader) who still has to learn it; the class's hardest facts under it.
class PaginaClasse : public QWidget
{
    // The window's texts keep one context for the translators.
    Q_DECLARE_TR_FUNCTIONS(FrmRegistro)
public:
    explicit PaginaClasse(QWidget *parent = nullptr);
    void mostra(const QuadroClasse &classe);
    /// Whether it shows the record read last; read when first looked at, as it asks every child's facts.
    bool pronta() const { return m_pronta; }
    void invecchia() { m_pronta = false; }
    /// The class's hardest facts in words, as under the map.
    static QString paroleDifficili(const QuadroClasse &classe);

    QTableWidget *mappaClasse = nullptr;
    QLabel *lblBambini = nullptr, *lblFattoClasse = nullptr, *lblDifficiliClasse = nullptr;

private:
    bool m_pronta = false;
};
