// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Giocatori": every player side by side.
#include "recordwindow/paginagiocatori.h"

#include "record/apprendimento.h"
#include "record/archivio.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/orologio.h"
#include "recordwindow/voci.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>

namespace {

/// Lets the column headers of \a tabella wrap onto two lines, broken where the wider line is narrowest,
/// and asks that much room for each, the sort arrow's only where it stands: a longer language's columns
/// still fit the table side by side.
void intestazioniSuDueRighe(QTableView *tabella)
{
    QHeaderView *testa = tabella->horizontalHeader();
    QAbstractItemModel *modello = tabella->model();
    QStyleOptionHeader opzione;
    opzione.initFrom(testa);
    opzione.orientation = Qt::Horizontal;
    const QFontMetrics &fm = opzione.fontMetrics;
    QList<QSize> serve;
    int alta = 0;
    for (int c = 0; c < modello->columnCount(); ++c) {
        const QString titolo = modello->headerData(c, Qt::Horizontal).toString();
        opzione.text = titolo;
        for (qsizetype i = titolo.indexOf(u' '); i >= 0; i = titolo.indexOf(u' ', i + 1)) {
            const QString righe = titolo.left(i) + u'\n' + titolo.mid(i + 1);
            if (fm.size(0, righe).width() < fm.size(0, opzione.text).width()) opzione.text = righe;
        }
        serve.append(testa->style()->sizeFromContents(QStyle::CT_HeaderSection, &opzione, QSize(), testa));
        alta = std::max(alta, serve.last().height());
    }
    // The arrow takes half the header's height and its margins from the words' room; a pixel each side
    // against rounding.
    const int margine = testa->style()->pixelMetric(QStyle::PM_HeaderMargin, &opzione, testa);
    for (int c = 0; c < modello->columnCount(); ++c) {
        const bool freccia = testa->isSortIndicatorShown() && testa->sortIndicatorSection() == c;
        modello->setHeaderData(c, Qt::Horizontal,
                               QSize(serve[c].width() + (freccia ? alta / 2 + 2 * margine : 0) + 2, alta),
                               Qt::SizeHintRole);
    }
    testa->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    testa->setTextElideMode(Qt::ElideNone);
}

} // namespace

PaginaGiocatori::PaginaGiocatori(QWidget *parent) : QWidget(parent)
{
    // The table alone on the page: hidden with the focus on it, a page that is itself the focused
    // control would be said once more (Qt clears its focus with a focus event).
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins({});
    tabGiocatori = new QTableView(this);
    tabGiocatori->setObjectName(QStringLiteral("tabGiocatori"));
    tabGiocatori->setAccessibleName(tr("Tutti i giocatori"));
    m_giocatori = new QStandardItemModel(0, 8, this);
    //: The players table's column headers; "Sicure", "Da ripassare", "Da imparare" count facts (feminine in
    //: Italian) in each state.
    m_giocatori->setHorizontalHeaderLabels({tr("Giocatore"), tr("Partite"), tr("Ultima partita"),
                                            tr("Secondi per risposta"), tr("Errori per partita"),
                                            tr("Sicure"), tr("Da ripassare"), tr("Da imparare")});
    m_giocatori->setSortRole(Qt::UserRole);
    tabGiocatori->setModel(m_giocatori);
    tabGiocatori->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabGiocatori->setTabKeyNavigation(false);
    tabGiocatori->setSortingEnabled(true);
    tabGiocatori->sortByColumn(0, Qt::AscendingOrder);
    tabGiocatori->verticalHeader()->hide();
    tabGiocatori->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The facts to learn take the room left, on as many lines as they need.
    tabGiocatori->horizontalHeader()->setSectionResizeMode(m_giocatori->columnCount() - 1,
                                                           QHeaderView::Stretch);
    tabGiocatori->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(tabGiocatori->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this] { adattaIntestazioni(); });
    colonna->addWidget(tabGiocatori);
}

void PaginaGiocatori::adattaIntestazioni()
{
    intestazioniSuDueRighe(tabGiocatori);
}

void PaginaGiocatori::impostaArchivio(Archivio *archivio, Periodo periodo)
{
    m_archivio = archivio;
    m_periodo = periodo;
    m_pronta = false;
}

void PaginaGiocatori::riempi()
{
    using voci::voce;
    m_pronta = true;
    m_giocatori->removeRows(0, m_giocatori->rowCount());
    Archivio *archivio = m_archivio;
    if (!archivio) return;
    const QDateTime ora = orologio::adesso();
    for (const SchedaGiocatore &tutte : archivio->giocatori()) {
        // The same states and period as the map's, from the same place.
        const Quadro q = quadro::leggi(archivio, tutte, m_periodo, ora, 0);
        const SchedaGiocatore &g = q.giocatore;
        // Likely known counts with the sure ones: the column says what she knows.
        const int sicure =
            q.quanti(apprendimento::Stato::Sicura) + q.quanti(apprendimento::Stato::QuasiSicura);
        const int daRipassare = q.quanti(apprendimento::Stato::DaRipassare);
        QList<SchedaFatto> fatti;
        for (int k = 0; k < 100; ++k)
            if (q.stato(k) == apprendimento::Stato::DaImparare) fatti.append(q.tutti[k]);
        const QStringList daImparare = quadro::inBreve(fatti);
        QString elenco = daImparare.join(QStringLiteral(", "));
        // Facts read left to right, as arithmetic is written, whatever the words around them.
        if (layoutDirection() == Qt::RightToLeft) elenco = QChar(0x2066) + elenco + QChar(0x2069);
        const QString nome = Giocatore::mostrato(g.nome);
        // A child with no game in the period has no average: a dash, never "0,0".
        const auto media = [&g](double v) {
            return g.partite > 0 ? QLocale().toString(v, 'f', 1) : QStringLiteral("—");
        };
        m_giocatori->appendRow(
            {voce(nome, nome), voce(QString::number(g.partite), g.partite),
             voce(voci::quando(g.ultima), g.ultima), voce(media(g.secondiPerRisposta), g.secondiPerRisposta),
             voce(media(g.erroriPerPartita), g.erroriPerPartita), voce(QString::number(sicure), sicure),
             voce(QString::number(daRipassare), daRipassare), voce(elenco, daImparare.size())});
        voci::conIntestazioni(m_giocatori, m_giocatori->rowCount() - 1);
    }
    m_giocatori->sort(tabGiocatori->horizontalHeader()->sortIndicatorSection(),
                      tabGiocatori->horizontalHeader()->sortIndicatorOrder());
}

bool PaginaGiocatori::scrivi(const QString &file, QString &errore)
{
    if (!m_pronta) riempi();
    QStringList intestazione;
    for (int c = 0; c < m_giocatori->columnCount(); ++c)
        intestazione.append(m_giocatori->headerData(c, Qt::Horizontal).toString());
    QList<QStringList> righe;
    for (int r = 0; r < m_giocatori->rowCount(); ++r) {
        QStringList riga;
        for (int c = 0; c < m_giocatori->columnCount(); ++c)
            // Without the isolates that keep the screen's lists left to right.
            riga.append(
                m_giocatori->index(r, c).data().toString().remove(QChar(0x2066)).remove(QChar(0x2069)));
        righe.append(riga);
    }
    return Esportazione::tabella(intestazione, righe, file, errore);
}
