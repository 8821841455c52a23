// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Partite": a child's games, one a row, sortable.
#include "recordwindow/paginapartite.h"

#include "recordwindow/voci.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString tempo(int secondi)
{
    return QStringLiteral("%1:%2").arg(secondi / 60).arg(secondi % 60, 2, 10, QLatin1Char('0'));
}

QString esito(const SchedaPartita &p)
{
    //: A game still being played, in the games list's column "Esito".
    if (!p.esito) return QCoreApplication::translate("FrmRegistro", "in corso");
    return nomeEsito(*p.esito);
}

} // namespace

PaginaPartite::PaginaPartite(QWidget *parent) : QWidget(parent)
{
    // The table alone on the page: hidden with the focus on it, a page that is itself the focused
    // control would be said once more (Qt clears its focus with a focus event).
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins({});
    tabPartite = new QTableView(this);
    tabPartite->setObjectName(QStringLiteral("tabPartite"));
    tabPartite->setAccessibleName(tr("Partite"));
    m_partite = new QStandardItemModel(0, 5, this);
    //: The games list's column headers: when the game began, the tables in play, the time on the
    //: stopwatch (m:ss), wrong answers, how it ended.
    m_partite->setHorizontalHeaderLabels(
        {tr("Data e ora"), tr("Tabelline"), tr("Tempo"), tr("Errori"), tr("Esito")});
    m_partite->setSortRole(Qt::UserRole);
    tabPartite->setModel(m_partite);
    tabPartite->setSortingEnabled(true);
    tabPartite->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabPartite->setTabKeyNavigation(false);
    tabPartite->verticalHeader()->hide();
    tabPartite->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    colonna->addWidget(tabPartite);
}

void PaginaPartite::mostra(const QList<SchedaPartita> &partite)
{
    using voci::voce;
    m_partite->removeRows(0, m_partite->rowCount());
    for (const SchedaPartita &p : partite) {
        QStandardItem *inizio = voce(voci::quando(p.inizio), p.inizio);
        inizio->setData(p.esito ? p.id : 0, RuoloId); // a game being played cannot be removed
        const QString tabelline = p.tabelline().join(QStringLiteral(", "));
        // The tables read left to right, as arithmetic is written, whatever the words around them.
        const QString mostrate =
            layoutDirection() == Qt::RightToLeft ? QChar(0x2066) + tabelline + QChar(0x2069) : tabelline;
        m_partite->appendRow({inizio, voce(mostrate, tabelline), voce(tempo(p.secondi), p.secondi),
                              voce(QString::number(p.errori), p.errori), voce(esito(p), esito(p))});
        voci::conIntestazioni(m_partite, m_partite->rowCount() - 1);
    }
    tabPartite->sortByColumn(0, Qt::DescendingOrder);
}
