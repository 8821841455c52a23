// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's cells: a moment as its lists show it, a cell that sorts by its value.
#pragma once

class QDateTime;
class QStandardItemModel;
class QStandardItem;
class QString;
class QVariant;

namespace voci {

/// When a game began, as the lists show it; empty when unknown.
QString quando(const QDateTime &t);
/// A cell that sorts by \a valore and shows \a testo.
QStandardItem *voce(const QString &testo, const QVariant &valore);
/// Each cell of row \a riga told to a screen reader with its column's name: "Errori: 2", never a bare "2".
void conIntestazioni(QStandardItemModel *modello, int riga);

} // namespace voci
