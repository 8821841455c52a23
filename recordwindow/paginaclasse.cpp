// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Classe": the 100 facts coloured by how many of the children know each.
#include "recordwindow/paginaclasse.h"

#include "record/elenco.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

PaginaClasse::PaginaClasse(QWidget *parent) : QWidget(parent)
{
    auto *colonna = new QVBoxLayout(this);
    lblBambini = new QLabel(this);
    lblBambini->setObjectName(QStringLiteral("lblBambini"));
    lblBambini->setWordWrap(true);
    lblBambini->setTextFormat(Qt::PlainText); // names as typed
    mappaClasse = new QTableWidget(10, 10, this);
    mappaClasse->setObjectName(QStringLiteral("mappaClasse"));
    // Read as the board, 1 to 10 from the left, in every language.
    mappaClasse->setLayoutDirection(Qt::LeftToRight);
    mappaClasse->setAccessibleName(tr("Mappa della classe"));
    mappaClasse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mappaClasse->setSelectionMode(QAbstractItemView::SingleSelection);
    mappaClasse->setTabKeyNavigation(false); // Tab leaves the map; the arrows move in it
    for (int n = 0; n < 10; ++n) {
        mappaClasse->setHorizontalHeaderItem(n, new QTableWidgetItem(QString::number(n + 1)));
        mappaClasse->setVerticalHeaderItem(n, new QTableWidgetItem(QString::number(n + 1)));
    }
    mappaClasse->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    mappaClasse->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    //: Under the class's map: what its colours and numbers mean.
    auto *legenda = new QLabel(tr("In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: "
                                  "nessuno; giallo: metà; verde: tutti."),
                               this);
    legenda->setObjectName(QStringLiteral("legendaClasse"));
    legenda->setWordWrap(true);
    lblFattoClasse = new QLabel(this);
    lblFattoClasse->setObjectName(QStringLiteral("lblFattoClasse"));
    lblFattoClasse->setAccessibleName(tr("Fatto scelto"));
    lblFattoClasse->setWordWrap(true);
    lblFattoClasse->setTextFormat(Qt::PlainText);
    lblDifficiliClasse = new QLabel(this);
    lblDifficiliClasse->setObjectName(QStringLiteral("lblDifficiliClasse"));
    lblDifficiliClasse->setWordWrap(true);
    lblDifficiliClasse->setTextFormat(Qt::PlainText);
    lblDifficiliClasse->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblDifficiliClasse->setFocusPolicy(Qt::StrongFocus); // reached by Tab, and read, after the map
    colonna->addWidget(lblBambini);
    colonna->addWidget(mappaClasse, 1);
    colonna->addWidget(legenda);
    colonna->addWidget(lblFattoClasse);
    colonna->addWidget(lblDifficiliClasse);
    connect(mappaClasse, &QTableWidget::currentCellChanged, this, [this](int riga, int colonna) {
        if (const QTableWidgetItem *i = mappaClasse->item(riga, colonna))
            lblFattoClasse->setText(i->data(Qt::AccessibleTextRole).toString());
    });
    mostra({});
    m_pronta = false;
}

void PaginaClasse::mostra(const QuadroClasse &classe)
{
    m_pronta = true;
    const int bambini = int(classe.bambini.size());
    lblBambini->setText(
        bambini == 0   ? tr("Nessun bambino nel registro.")
        : bambini == 1 ? tr("1 bambino: %1.").arg(classe.bambini.first())
                       //: Above the class's map. %1: the children's names, "Anna, Marco, Sara".
                       : tr("%n bambini: %1.", nullptr, bambini).arg(elenco::conVirgole(classe.bambini)));
    for (int k = 0; k < 100; ++k) {
        const QuadroClasse::Fatto &f = classe.fatti[k];
        auto *cella =
            new QTableWidgetItem(bambini ? QStringLiteral("%1/%2").arg(f.sanno).arg(bambini) : QString());
        cella->setTextAlignment(Qt::AlignCenter);
        cella->setBackground(classe.colore(k));
        cella->setForeground(Qt::black);
        const QString frase = classe.parole(k);
        cella->setData(Qt::AccessibleTextRole, frase);
        cella->setToolTip(frase);
        mappaClasse->setItem(k / 10, k % 10, cella);
    }
    if (const QTableWidgetItem *i = mappaClasse->currentItem())
        lblFattoClasse->setText(i->data(Qt::AccessibleTextRole).toString());
    lblDifficiliClasse->setText(paroleDifficili(classe));
}

QString PaginaClasse::paroleDifficili(const QuadroClasse &classe)
{
    QStringList fatti;
    for (int k : classe.piuDifficili()) {
        const QuadroClasse::Fatto &f = classe.fatti[k];
        // Only facts some child still has to learn: never one the whole class knows or never met.
        if (f.daImparare.isEmpty() || fatti.size() == 5) continue;
        //: A fact in the class's hardest: %1 per %2 the multiplication, %3 of %4 children know it.
        fatti.append(tr("%1 per %2 (la sanno %3 su %4)")
                         .arg(f.riga)
                         .arg(f.colonna)
                         .arg(f.sanno)
                         .arg(classe.bambini.size()));
    }
    if (fatti.isEmpty()) return tr("Nessun fatto da imparare per la classe.");
    //: Under the class's map. %1: facts as "7 per 8 (la sanno 3 su 22)".
    return tr("I fatti più difficili per la classe: %1.").arg(elenco::conPuntiEVirgola(fatti));
}
