// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 × 10 map of the facts, each cell coloured and lettered by the fact's state for the child.
#include "recordwindow/mappafatti.h"

#include "printing/resoconto.h"
#include "startup/lingua.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>

namespace {

/// "il 3 dicembre", with the year when it is not this one.
QString giorno(const QDate &d, const QDate &oggi)
{
    //: A day in the words about a fact, as a QLocale date format: this year's ("3 dicembre"), then another
    //: year's. Reorder as your language writes dates.
    return ilGiorno(d.day(),
                    QLocale().toString(d, d.year() == oggi.year()
                                              ? QCoreApplication::translate("MappaFatti", "d MMMM")
                                              : QCoreApplication::translate("MappaFatti", "d MMMM yyyy")));
}

} // namespace

MappaFatti::MappaFatti(QWidget *parent) : QTableWidget(10, 10, parent)
{
    setObjectName(QStringLiteral("mappa"));
    // The table of facts reads as the board does, 1 to 10 from the left, in every language.
    setLayoutDirection(Qt::LeftToRight);
    setAccessibleName(tr("Mappa dei fatti"));
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
    mostra(QList<SchedaFatto>());
}

void MappaFatti::mostra(const QList<SchedaFatto> &fatti, const QDate &oggi,
                        const apprendimento::Giudizio &giudizio)
{
    Quadro q;
    q.oggi = oggi;
    for (int k = 0; k < 100; ++k) {
        q.tutti[k].riga = k / 10 + 1;
        q.tutti[k].colonna = k % 10 + 1;
    }
    for (const SchedaFatto &f : fatti) {
        q.tutti[f.cella()] = f;
        q.nelPeriodo.set(f.cella());
    }
    q.giudizio = giudizio;
    mostra(q);
}

void MappaFatti::mostra(const Quadro &quadro)
{
    for (const SchedaFatto &fatto : quadro.tutti) {
        const int k = fatto.cella();
        const Stato stato = quadro.stato(k);
        auto *cella = new QTableWidgetItem(
            QStringLiteral("%1 %2").arg(fatto.riga * fatto.colonna).arg(lettera(stato)).trimmed());
        cella->setTextAlignment(Qt::AlignCenter);
        cella->setBackground(colore(stato));
        cella->setForeground(Qt::black);
        const QString frase =
            quadro.nelPeriodo.test(k) || fatto.chiesta == 0
                ? parole(fatto, quadro.oggi, quadro.giudizio)
                //: The words told about a fact that the games of the period chosen did not
                //: ask, though earlier ones did. %1 per %2: the multiplication.
                : tr("%1 per %2: non chiesta in questo periodo").arg(fatto.riga).arg(fatto.colonna);
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
    //: An entry of the facts map's legend. %1: the letter in the map's cells, or "senza lettera"; %2: the
    //: state's name.
    return tr("%1: %2").arg(l.isEmpty() ? tr("senza lettera") : l, apprendimento::nome(stato));
}

QString MappaFatti::parole(const SchedaFatto &fatto, const QDate &oggi,
                           const apprendimento::Giudizio &giudizio)
{
    const Stato stato = quadro::stato(fatto, oggi, giudizio);
    //: The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8),
    //: %3: its state.
    QString frase = tr("%1 per %2: %3").arg(fatto.riga).arg(fatto.colonna).arg(apprendimento::nome(stato));
    if (fatto.chiesta == 0) return frase;
    //: How many times a fact was asked (the fact, a multiplication, is feminine in Italian).
    const QString chiesta =
        fatto.chiesta == 1 ? tr("chiesta 1 volta") : tr("chiesta %n volte", nullptr, fatto.chiesta);
    //: How many of its answers were wrong (feminine: "risposte").
    const QString sbagliate =
        fatto.sbagliate == 1 ? tr("1 sbagliata") : tr("%n sbagliate", nullptr, fatto.sbagliate);
    const QString quando = giorno(fatto.ultima.toLocalTime().date(), oggi);
    frase += fatto.chiesta > 1
                 //: Appended to the words about a fact. %1: "chiesta N volte", %2: "N sbagliate", %3: the day
                 //: it was last asked with the word before it, as translated in "giorno" ("il 30 novembre",
                 //: "l'8 dicembre").
                 ? tr("; %1, %2, l'ultima %3").arg(chiesta, sbagliate, quando)
                 //: The same for a fact asked once: %3 is the day it was asked, with the word before it.
                 : tr("; %1, %2, %3").arg(chiesta, sbagliate, quando);
    if (!fatto.tempi.isEmpty())
        //: Appended to the words about a fact. %1: the child's usual seconds for it, one decimal.
        frase += tr("; di solito %1 secondi").arg(QLocale().toString(fatto.secondi(), 'f', 1));
    if (stato == Stato::Sicura || stato == Stato::QuasiSicura)
        //: Appended to the words about a sure fact. %1: the day it comes up for review, with the word before
        //: it ("il 3 dicembre", "l'8 dicembre").
        frase += tr("; da ripassare %1").arg(giorno(apprendimento::prossimo(fatto, giudizio), oggi));
    return frase;
}
