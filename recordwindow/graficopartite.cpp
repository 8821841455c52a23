// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a child's games over the days: seconds per answer and errors per 10 answers.
#include "recordwindow/graficopartite.h"

#include "record/orologio.h"

#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

namespace {

/// The room a date takes under the axis, in widths of the date itself.
constexpr double SpazioData = 1.8;
/// The share of the view's width the plot takes, about.
constexpr double QuotaPiano = 0.75;

const QColor BluSecondi(0x1f, 0x5f, 0xa8);
const QColor RossoErrori(0xb0, 0x3a, 0x2e);

/// A value axis from 0, round steps, numbers with one decimal in the locale's format.
QValueAxis *asse(const QString &titolo, double massimo, const QColor &colore)
{
    auto *a = new QValueAxis;
    a->setTitleText(titolo);
    a->setRange(0, std::max(1.0, massimo * 1.1));
    a->applyNiceNumbers();
    a->setLabelFormat(QStringLiteral("%.1f"));
    a->setLinePenColor(colore);
    a->setTitleBrush(colore);
    return a;
}

QScatterSeries *vuoti(const QString &nome, const QColor &colore, QScatterSeries::MarkerShape forma)
{
    auto *s = new QScatterSeries;
    s->setName(nome);
    s->setMarkerShape(forma);
    s->setColor(Qt::white);
    s->setBorderColor(colore);
    return s;
}

} // namespace

GraficoPartite::GraficoPartite(QWidget *parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("grafico"));
    setAccessibleName(tr("Andamento delle partite"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    mostra({});
}

void GraficoPartite::mostra(const QList<SchedaPartita> &partite)
{
    m_punti = andamento::punti(partite);
    m_frase = andamento::frase(m_punti, orologio::oggi(), QLocale());
    disegna();
}

void GraficoPartite::impostaAltre(Altre altre)
{
    m_altre = altre;
    disegna();
}

void GraficoPartite::disegna()
{
    auto *grafico = new QChart;
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(QLocale());
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto *secondi = new QLineSeries;
    //: The chart's two lines, in its legend and as its axes' titles.
    secondi->setName(tr("secondi per risposta"));
    secondi->setColor(BluSecondi);
    auto *errori = new QLineSeries;
    errori->setName(tr("errori ogni 10 risposte"));
    errori->setColor(RossoErrori);
    // Each full game a dot, so that a first game shows too.
    for (QLineSeries *serie : {secondi, errori})
        serie->setPointsVisible(true);
    //: The chart's legend for the hollow marks: review rounds and games stopped before their end.
    const QString altre = tr("ripassi e partite fermate");
    auto *altriSecondi = vuoti(altre, BluSecondi, QScatterSeries::MarkerShapeCircle);
    auto *altriErrori = vuoti(altre, RossoErrori, QScatterSeries::MarkerShapeRectangle);
    double massimoSecondi = 0, massimoErrori = 0;
    for (const andamento::Punto &p : m_punti) {
        const bool intera = p.genere == andamento::Genere::Intera;
        if (!intera && m_altre == Altre::Nascoste) continue;
        (intera ? static_cast<QXYSeries *>(secondi) : altriSecondi)->append(p.x, p.secondiPerRisposta);
        (intera ? static_cast<QXYSeries *>(errori) : altriErrori)->append(p.x, p.erroriOgni10);
        massimoSecondi = std::max(massimoSecondi, p.secondiPerRisposta);
        massimoErrori = std::max(massimoErrori, p.erroriOgni10);
    }
    QList<QXYSeries *> serie{secondi, errori};
    if (m_altre == Altre::Mostrate) serie << altriSecondi << altriErrori;
    for (QXYSeries *s : serie)
        grafico->addSeries(s);
    // One word in the legend for the hollow marks of both kinds.
    if (m_altre == Altre::Mostrate) grafico->legend()->markers(altriErrori).value(0)->setVisible(false);
    if (m_altre == Altre::Nascoste) {
        delete altriSecondi;
        delete altriErrori;
    }

    // The days: a tick on each, its date under it, the games of a day around it.
    auto *giorni = new QCategoryAxis;
    giorni->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    //: The title of the chart's horizontal axis, under the dates.
    giorni->setTitleText(tr("giorno"));
    const QDate primo = andamento::primoGiorno(m_punti);
    const int ultimo = primo.isValid() ? int(primo.daysTo(m_punti.last().giorno)) : 0;
    //: The dates under the chart, as QLocale date formats: over almost a year, then within one. Short.
    const QString formato = ultimo > 300 ? tr("dd/MM/yy") : tr("dd/MM");
    m_ogni = ogniQuanti(ultimo + 1);
    giorni->setStartValue(-0.5);
    for (int g = 0; g <= ultimo && primo.isValid(); g += m_ogni)
        giorni->append(QLocale().toString(primo.addDays(g), formato), g);
    giorni->setRange(-0.5, ultimo + 0.5);
    grafico->addAxis(giorni, Qt::AlignBottom);
    // The axes' titles are the units alone: the legend says the rest, and a vertical title longer than
    // a short chart would be cut.
    //: The title of the chart's left axis, written upwards beside it; the legend says "per answer". Short.
    QValueAxis *asseSecondi = asse(tr("secondi"), massimoSecondi, BluSecondi);
    //: The title of the chart's right axis, written upwards beside it; the legend says "every 10 answers".
    //: Short.
    QValueAxis *asseErrori = asse(tr("errori"), massimoErrori, RossoErrori);
    grafico->addAxis(asseSecondi, Qt::AlignLeft);
    grafico->addAxis(asseErrori, Qt::AlignRight);
    for (QXYSeries *s : serie) {
        s->attachAxis(giorni);
        s->attachAxis(s == secondi || s == altriSecondi ? asseSecondi : asseErrori);
    }
    QChart *vecchio = chart();
    setChart(grafico);
    delete vecchio;
    applicaCaratteri();
    setAccessibleDescription(m_punti.isEmpty() ? tr("Nessuna partita") : m_frase);
}

int GraficoPartite::ogniQuanti(int giorni) const
{
    const double data = fontMetrics().horizontalAdvance(QStringLiteral("00/00")) * SpazioData;
    const int stanno = std::max(1, int(width() * QuotaPiano / data));
    return std::max(1, int(std::ceil(giorni / double(stanno))));
}

void GraficoPartite::applicaCaratteri()
{
    QChart *grafico = chart();
    if (!grafico) return;
    const QFont f = font();
    grafico->legend()->setFont(f);
    for (QAbstractAxis *a : grafico->axes()) {
        a->setLabelsFont(f);
        a->setTitleFont(f);
    }
    // Marks as big as the text, so that they grow with it too.
    const qreal segno = fontMetrics().height();
    for (QAbstractSeries *s : grafico->series()) {
        auto *serie = qobject_cast<QXYSeries *>(s);
        if (!serie) continue;
        QPen tratto = serie->pen();
        tratto.setWidthF(std::max(1.5, segno / 10));
        serie->setPen(tratto);
        if (auto *punti = qobject_cast<QScatterSeries *>(s))
            punti->setMarkerSize(segno * 0.7);
        else
            serie->setMarkerSize(segno * 0.3);
    }
}

void GraficoPartite::changeEvent(QEvent *evento)
{
    QChartView::changeEvent(evento);
    if (evento->type() == QEvent::FontChange) {
        applicaCaratteri();
        ridisponiDate();
    }
}

void GraficoPartite::resizeEvent(QResizeEvent *evento)
{
    QChartView::resizeEvent(evento);
    ridisponiDate();
}

void GraficoPartite::ridisponiDate()
{
    // Dates that no longer fit (or that could all fit again) lay the days out anew.
    const QDate primo = andamento::primoGiorno(m_punti);
    if (primo.isValid() && ogniQuanti(int(primo.daysTo(m_punti.last().giorno)) + 1) != m_ogni) disegna();
}
