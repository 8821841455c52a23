// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Andamento": the chart of a child's games, in words and numbers too.
#include "recordwindow/paginaandamento.h"

#include "recordwindow/graficopartite.h"
#include "recordwindow/voci.h"
#include "widgets/accessibilita.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

PaginaAndamento::PaginaAndamento(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("paginaAndamento"));
    auto *colonnaAndamento = new QVBoxLayout(this);
    lblAndamento = new QLabel(this);
    lblAndamento->setObjectName(QStringLiteral("lblAndamento"));
    lblAndamento->setWordWrap(true);
    grafico = new GraficoPartite(this);
    // After the chart: a reader entering the tab meets the chart first.
    chkAltre = new QCheckBox(tr("Mostra anc&he ripassi e partite fermate"), this);
    chkAltre->setObjectName(QStringLiteral("chkAltre"));
    chkAltre->setChecked(true);
    colonnaAndamento->addWidget(lblAndamento);
    accessibilita::impostaRuolo(grafico, QAccessible::Chart); // not a "filler"
    tabAndamento = new QTableView(this);
    tabAndamento->setObjectName(QStringLiteral("tabAndamento"));
    tabAndamento->setAccessibleName(tr("Andamento in numeri"));
    m_andamento = new QStandardItemModel(this);
    tabAndamento->setModel(m_andamento);
    tabAndamento->setTabKeyNavigation(false);
    tabAndamento->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabAndamento->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabAndamento->verticalHeader()->hide();
    tabAndamento->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    colonnaAndamento->addWidget(grafico, 3);
    colonnaAndamento->addWidget(chkAltre);
    colonnaAndamento->addWidget(tabAndamento, 1);
    connect(chkAltre, &QCheckBox::toggled, grafico, [this](bool mostrate) {
        grafico->impostaAltre(mostrate ? GraficoPartite::Altre::Mostrate : GraficoPartite::Altre::Nascoste);
        mostraNumeri();
    });
}

void PaginaAndamento::mostra(const QList<SchedaPartita> &partite)
{
    grafico->mostra(partite);
    m_punti = andamento::punti(partite);
    lblAndamento->setText(grafico->frase());
    mostraNumeri();
}

void PaginaAndamento::mostraNumeri()
{
    using voci::voce;
    // The chart's games in words and numbers, a row a game, as the chart shows them.
    m_andamento->clear();
    //: The chart's points as a table: when, what kind of game, its two numbers.
    m_andamento->setHorizontalHeaderLabels(
        {tr("Data e ora"), tr("Partita"), tr("Secondi per risposta"), tr("Errori ogni 10 risposte")});
    for (const andamento::Punto &p : std::as_const(m_punti)) {
        if (p.genere != andamento::Genere::Intera && !chkAltre->isChecked()) continue;
        //: What kind of game a point of the chart is (feminine: "partita"): a whole game, a review round,
        //: a game stopped before its end.
        const QString genere = p.genere == andamento::Genere::Intera    ? tr("intera")
                               : p.genere == andamento::Genere::Ripasso ? tr("ripasso")
                                                                        : tr("fermata");
        m_andamento->appendRow(
            {voce(voci::quando(p.inizio), p.inizio), voce(genere, genere),
             voce(andamento::numero(p.secondiPerRisposta, QLocale()), p.secondiPerRisposta),
             voce(andamento::numero(p.erroriOgni10, QLocale()), p.erroriOgni10)});
        voci::conIntestazioni(m_andamento, m_andamento->rowCount() - 1);
    }
}
