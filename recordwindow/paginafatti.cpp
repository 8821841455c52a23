// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Fatti": the map of a child's facts, its legend, and the day's round in words.
#include "recordwindow/paginafatti.h"

#include "record/elenco.h"
#include "record/orologio.h"
#include "recordwindow/mappafatti.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *legenda(QWidget *genitore)
{
    QStringList voci;
    for (MappaFatti::Stato l : MappaFatti::stati())
        voci.append(
            QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
                .arg(MappaFatti::colore(l).name(), MappaFatti::nome(l).toHtmlEscaped()));
    auto *l = new QLabel(voci.join(QStringLiteral("&nbsp;&nbsp; ")), genitore);
    l->setObjectName(QStringLiteral("legenda"));
    l->setWordWrap(true);
    return l;
}

} // namespace

PaginaFatti::PaginaFatti(QWidget *parent) : QWidget(parent)
{
    auto *colonnaFatti = new QVBoxLayout(this);
    mappa = new MappaFatti(this);
    lblFatto = new QLabel(this);
    lblFatto->setObjectName(QStringLiteral("lblFatto"));
    lblFatto->setAccessibleName(tr("Fatto scelto"));
    lblDifficili = new QLabel(this);
    lblDifficili->setObjectName(QStringLiteral("lblDifficili"));
    lblDifficili->setWordWrap(true);
    lblDifficili->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblDifficili->setFocusPolicy(Qt::StrongFocus); // reached by Tab, and read, after the map
    colonnaFatti->addWidget(mappa, 1);
    colonnaFatti->addWidget(legenda(this));
    colonnaFatti->addWidget(lblFatto);
    colonnaFatti->addWidget(lblDifficili);
    connect(mappa, &MappaFatti::scelta, lblFatto, &QLabel::setText);
}

void PaginaFatti::mostra(const Quadro &quadro)
{
    mappa->mostra(quadro);
    lblDifficili->setText(paroleGiro(quadro));
}

QString PaginaFatti::paroleGiro(const Quadro &quadro)
{
    if (!quadro.giocato()) return tr("Ancora nessuna partita da cui capire che cosa ripassare.");
    QString parole;
    if (quadro.giro.isEmpty()) {
        parole = tr("Oggi non c'è niente da ripassare.");
    } else {
        QStringList fatti;
        for (const SchedaFatto &f : quadro.giro)
            //: A multiplication in words, "7 per 8" (seven times eight): %1 row, %2 column.
            fatti.append(tr("%1 per %2").arg(f.riga).arg(f.colonna));
        //: Under the facts map. %1: the facts of today's review, as "7 per 8, 6 per 9".
        parole = tr("Il ripasso di oggi: %1.").arg(elenco::conVirgole(fatti));
    }
    if (quadro.periodo != Periodo::Tutto)
        //: After today's review under the facts map, when a period other than "tutto" is chosen.
        parole += u' ' + tr("Il ripasso è sempre quello di oggi, da tutte le partite.");
    return parole;
}
