// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's cells: a moment as its lists show it, a cell that sorts by its value.
#include "recordwindow/voci.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStandardItemModel>

namespace voci {

QString quando(const QDateTime &t)
{
    //: When a game began, in the lists, as a QLocale date format; reorder as your language writes dates.
    const QString formato = QCoreApplication::translate("FrmRegistro", "dd/MM/yyyy HH:mm");
    return t.isValid() ? QLocale().toString(t.toLocalTime(), formato) : QString();
}

QStandardItem *voce(const QString &testo, const QVariant &valore)
{
    auto *v = new QStandardItem(testo);
    v->setData(valore, Qt::UserRole);
    v->setEditable(false);
    return v;
}

void conIntestazioni(QStandardItemModel *modello, int riga)
{
    for (int c = 0; c < modello->columnCount(); ++c) {
        QStandardItem *cella = modello->item(riga, c);
        if (!cella) continue;
        //: A table's cell as a screen reader says it: %1 its column's name, %2 its value.
        cella->setData(
            QCoreApplication::translate("FrmRegistro", "%1: %2")
                .arg(modello->headerData(c, Qt::Horizontal).toString().simplified(), cella->text()),
            Qt::AccessibleTextRole);
    }
}

} // namespace voci
