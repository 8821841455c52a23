// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 × 10 map of the facts, each cell coloured by how the child does on it.
#include "recordwindow/mappafatti.h"

#include <QHeaderView>
#include <QLocale>

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

void MappaFatti::mostra(const QList<SchedaFatto> &fatti)
{
    for (int k = 0; k < 100; ++k) {
        SchedaFatto fatto;
        fatto.riga = k / 10 + 1;
        fatto.colonna = k % 10 + 1;
        for (const SchedaFatto &f : fatti) {
            if (f.cella() == k) fatto = f;
        }
        auto *cella = new QTableWidgetItem(QString::number(fatto.riga * fatto.colonna));
        cella->setTextAlignment(Qt::AlignCenter);
        cella->setBackground(colore(livello(fatto)));
        cella->setForeground(Qt::black);
        const QString frase = parole(fatto);
        cella->setData(Qt::AccessibleTextRole, frase);
        cella->setToolTip(frase);
        setItem(k / 10, k % 10, cella);
    }
    if (currentItem()) Q_EMIT scelta(currentItem()->data(Qt::AccessibleTextRole).toString());
}

MappaFatti::Livello MappaFatti::livello(const SchedaFatto &fatto)
{
    if (fatto.chiesta == 0) return Livello::MaiChiesta;
    const double quota = fatto.quotaSbagliate();
    if (quota >= 1.0 / 3.0) return Livello::Difficile;
    if (quota > 0) return Livello::QualcheErrore;
    return fatto.secondi > SecondiLenti ? Livello::Lenta : Livello::Sicura;
}

QColor MappaFatti::colore(Livello livello)
{
    switch (livello) {
    case Livello::MaiChiesta:
        return QColor(0xd8, 0xd8, 0xd8);
    case Livello::Sicura:
        return QColor(0x7c, 0xcf, 0x7c);
    case Livello::Lenta:
        return QColor(0xf2, 0xdc, 0x5d);
    case Livello::QualcheErrore:
        return QColor(0xf5, 0xa1, 0x42);
    case Livello::Difficile:
        return QColor(0xe0, 0x50, 0x50);
    }
    return {};
}

QString MappaFatti::nome(Livello livello)
{
    switch (livello) {
    case Livello::MaiChiesta:
        return QStringLiteral("mai chiesta");
    case Livello::Sicura:
        return QStringLiteral("sicura");
    case Livello::Lenta:
        return QStringLiteral("giusta ma lenta (oltre %1 secondi)").arg(SecondiLenti);
    case Livello::QualcheErrore:
        return QStringLiteral("qualche errore");
    case Livello::Difficile:
        return QStringLiteral("sbagliata spesso (una volta su tre o più)");
    }
    return {};
}

QString MappaFatti::parole(const SchedaFatto &fatto)
{
    const QString fattori = QStringLiteral("%1 per %2").arg(fatto.riga).arg(fatto.colonna);
    if (fatto.chiesta == 0) return fattori + QStringLiteral(": mai chiesta");
    QString frase =
        fattori + (fatto.chiesta == 1 ? QStringLiteral(": chiesta 1 volta, ")
                                      : QStringLiteral(": chiesta %1 volte, ").arg(fatto.chiesta));
    frase += fatto.sbagliate == 1 ? QStringLiteral("1 sbagliata")
                                  : QStringLiteral("%1 sbagliate").arg(fatto.sbagliate);
    if (fatto.giuste > 0)
        frase += QStringLiteral(", %1 secondi in media")
                     .arg(QLocale(QLocale::Italian).toString(fatto.secondi, 'f', 1));
    return frase;
}
