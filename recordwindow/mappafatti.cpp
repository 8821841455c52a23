// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 × 10 map of the facts, each cell coloured and lettered by the fact's state for the child.
#include "recordwindow/mappafatti.h"

#include "printing/resoconto.h"

#include <QHeaderView>
#include <QLocale>

namespace {

const QLocale Italiano(QLocale::Italian);

/// "3 dicembre", with the year when it is not this one.
QString giorno(const QDate &d, const QDate &oggi)
{
    return Italiano.toString(d, d.year() == oggi.year() ? QStringLiteral("d MMMM")
                                                        : QStringLiteral("d MMMM yyyy"));
}

} // namespace

MappaFatti::MappaFatti(QWidget *parent) : QTableWidget(10, 10, parent)
{
    setObjectName(QStringLiteral("mappa"));
    setAccessibleName(QStringLiteral("Mappa dei fatti"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false); // Tab leaves the map; the arrows move in it
    for (int n = 0; n < 10; ++n) {
        setHorizontalHeaderItem(n, new QTableWidgetItem(QString::number(n + 1)));
        setVerticalHeaderItem(n, new QTableWidgetItem(QString::number(n + 1)));
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int riga, int colonna) {
        if (const QTableWidgetItem *i = item(riga, colonna))
            Q_EMIT scelta(i->data(Qt::AccessibleTextRole).toString());
    });
    mostra({});
}

void MappaFatti::mostra(const QList<SchedaFatto> &fatti, const QDate &oggi)
{
    std::array<SchedaFatto, 100> tutti;
    for (int k = 0; k < 100; ++k) {
        tutti[k].riga = k / 10 + 1;
        tutti[k].colonna = k % 10 + 1;
    }
    for (const SchedaFatto &f : fatti)
        tutti[f.cella()] = f;
    for (const SchedaFatto &fatto : tutti) {
        const Stato stato = apprendimento::stato(fatto, oggi);
        auto *cella = new QTableWidgetItem(
            QStringLiteral("%1 %2").arg(fatto.riga * fatto.colonna).arg(lettera(stato)).trimmed());
        cella->setTextAlignment(Qt::AlignCenter);
        cella->setBackground(colore(stato));
        cella->setForeground(Qt::black);
        const QString frase = parole(fatto, oggi);
        cella->setData(Qt::AccessibleTextRole, frase);
        cella->setToolTip(frase);
        setItem(fatto.riga - 1, fatto.colonna - 1, cella);
    }
    if (currentItem()) Q_EMIT scelta(currentItem()->data(Qt::AccessibleTextRole).toString());
}

QList<MappaFatti::Stato> MappaFatti::stati()
{
    return resoconto::stati();
}

QColor MappaFatti::colore(Stato stato)
{
    return resoconto::aspetto(stato).colore;
}

QString MappaFatti::lettera(Stato stato)
{
    return resoconto::aspetto(stato).lettera;
}

QString MappaFatti::nome(Stato stato)
{
    const QString l = lettera(stato);
    return (l.isEmpty() ? QStringLiteral("senza lettera") : l) + QStringLiteral(": ") +
           apprendimento::nome(stato);
}

QString MappaFatti::parole(const SchedaFatto &fatto, const QDate &oggi)
{
    const Stato stato = apprendimento::stato(fatto, oggi);
    QString frase =
        QStringLiteral("%1 per %2: %3").arg(fatto.riga).arg(fatto.colonna).arg(apprendimento::nome(stato));
    if (fatto.chiesta == 0) return frase;
    frase += fatto.chiesta == 1 ? QStringLiteral("; chiesta 1 volta, ")
                                : QStringLiteral("; chiesta %1 volte, ").arg(fatto.chiesta);
    frase += fatto.sbagliate == 1 ? QStringLiteral("1 sbagliata")
                                  : QStringLiteral("%1 sbagliate").arg(fatto.sbagliate);
    if (fatto.chiesta > 1)
        frase += QStringLiteral(", l'ultima il %1").arg(giorno(fatto.ultima.toLocalTime().date(), oggi));
    else
        frase += QStringLiteral(", il %1").arg(giorno(fatto.ultima.toLocalTime().date(), oggi));
    if (!fatto.tempi.isEmpty())
        frase += QStringLiteral("; di solito %1 secondi").arg(Italiano.toString(fatto.secondi(), 'f', 1));
    if (stato == Stato::Sicura)
        frase += QStringLiteral("; da ripassare il %1").arg(giorno(fatto.prossimoRipasso, oggi));
    return frase;
}
