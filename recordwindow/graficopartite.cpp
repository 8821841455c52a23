// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a child's games over the days: seconds per answer and errors per 10 answers.
#include "recordwindow/graficopartite.h"

#include "record/orologio.h"

#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

/// The room a date takes under the axis, in widths of the date itself.
constexpr double SpazioData = 1.8;
/// Round each plot, inside the view.
const QMargins Margini(4, 4, 4, 0);
/// The view's least height in lines of its text: two plots, each with its dates, legend and numbers.
constexpr int Linee = 18;
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

/// Ticks on \a a as many as the plot's \a altezza holds with a line of text between two (Qt Charts
/// cuts the numbers to "…" otherwise), on round steps that reach past the highest point.
void adattaTacche(QValueAxis *a, const QChart *grafico, qreal altezza, qreal riga)
{
    double massimo = 0;
    for (const QAbstractSeries *s : grafico->series())
        if (const auto *serie = qobject_cast<const QXYSeries *>(s))
            for (const QPointF &p : serie->points())
                massimo = std::max(massimo, p.y());
    const int tacche = std::clamp(int(altezza / (riga * 1.6)) + 1, 2, 6);
    const double grezzo = std::max(1.0, massimo * 1.1) / (tacche - 1);
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = 10 * potenza;
    for (const double m : {1.0, 2.0, 5.0})
        if (m * potenza >= grezzo - 1e-9) {
            passo = m * potenza;
            break;
        }
    // Steps under a tenth would print the same number twice at one decimal.
    passo = std::max(passo, 0.1);
    const double cima = passo * (tacche - 1);
    // Games with no error lie on the 0 line: half a mark of room below it, so that their marks show
    // whole rather than cut in half by the plot's edge. The ticks stay on 0 and its round steps.
    const double sotto = altezza > 0 ? cima * 0.4 * riga / altezza : 0;
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(0);
    a->setTickInterval(passo);
    a->setRange(-sotto, cima);
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
    setMinimumHeight(fontMetrics().height() * Linee);
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
    // The days, the same under both plots: a tick on each, its date under it, the games of a day around it.
    const QDate primo = andamento::primoGiorno(m_punti);
    const int ultimo = primo.isValid() ? int(primo.daysTo(m_punti.last().giorno)) : 0;
    //: The dates under the chart, as QLocale date formats: over almost a year, then within one. Short.
    const QString formato = ultimo > 300 ? tr("dd/MM/yy") : tr("dd/MM");
    m_ogni = ogniQuanti(ultimo + 1);
    const auto asseGiorni = [&] {
        auto *giorni = new QCategoryAxis;
        giorni->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        // No title under the dates: they say what they are, and Qt Charts cut the dates of a titled axis
        // to "…" in a plot this short.
        giorni->setStartValue(-0.5);
        for (int g = 0; g <= ultimo && primo.isValid(); g += m_ogni)
            giorni->append(QLocale().toString(primo.addDays(g), formato), g);
        giorni->setRange(-0.5, ultimo + 0.5);
        return giorni;
    };
    //: The chart's legend for the hollow circles: rounds of chosen facts (Ripassa).
    const QString ripassi = tr("ripassi");
    //: The chart's legend for the hollow triangles: games stopped before their end.
    const QString fermate = tr("partite fermate");
    // One plot for each measure, each with its own scale from 0.
    const auto piano = [&](const QString &nome, const QString &unita, const QColor &colore,
                           double andamento::Punto::*misura) {
        auto *grafico = new QChart;
        grafico->setLocalizeNumbers(true);
        grafico->setLocale(QLocale());
        // The plots share a short view: the theme's wide margins and rounded frame would leave them a
        // strip too thin for their marks and numbers.
        grafico->layout()->setContentsMargins(0, 0, 0, 0);
        grafico->setMargins(Margini);
        grafico->setBackgroundRoundness(0);
        grafico->legend()->setAlignment(Qt::AlignBottom);
        // The legend shows each series' own mark: circles and triangles tell the kinds apart.
        grafico->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
        auto *intere = new QLineSeries;
        intere->setName(nome);
        intere->setColor(colore);
        // Each full game a dot, so that a first game shows too.
        intere->setPointsVisible(true);
        auto *ripasso = vuoti(ripassi, colore, QScatterSeries::MarkerShapeCircle);
        auto *fermata = vuoti(fermate, colore, QScatterSeries::MarkerShapeTriangle);
        double massimo = 0;
        for (const andamento::Punto &p : m_punti) {
            const bool intera = p.genere == andamento::Genere::Intera;
            if (!intera && m_altre == Altre::Nascoste) continue;
            QXYSeries *dove = intera                                   ? static_cast<QXYSeries *>(intere)
                              : p.genere == andamento::Genere::Ripasso ? ripasso
                                                                       : fermata;
            dove->append(p.x, p.*misura);
            massimo = std::max(massimo, p.*misura);
        }
        QList<QXYSeries *> serie{intere};
        if (m_altre == Altre::Mostrate)
            serie << ripasso << fermata;
        else {
            delete ripasso;
            delete fermata;
        }
        for (QXYSeries *s : serie)
            grafico->addSeries(s);
        QCategoryAxis *giorni = asseGiorni();
        grafico->addAxis(giorni, Qt::AlignBottom);
        QValueAxis *valori = asse(unita, massimo, colore);
        grafico->addAxis(valori, Qt::AlignLeft);
        for (QXYSeries *s : serie) {
            s->attachAxis(giorni);
            s->attachAxis(valori);
        }
        return grafico;
    };
    //: The chart's two lines, in the legends of its two plots.
    const QString perRisposta = tr("secondi per risposta");
    const QString ogni10 = tr("errori ogni 10 risposte");
    // The axes' titles are the units alone: the legend says the rest, and a vertical title longer than
    // a short plot would be cut.
    //: The title of the upper plot's axis, written upwards beside it; the legend says "per answer". Short.
    const QString unitaSecondi = tr("secondi");
    //: The title of the lower plot's axis, written upwards beside it; the legend says "every 10 answers".
    //: Short.
    const QString unitaErrori = tr("errori");
    QChart *secondi = piano(perRisposta, unitaSecondi, BluSecondi, &andamento::Punto::secondiPerRisposta);
    QChart *errori = piano(ogni10, unitaErrori, RossoErrori, &andamento::Punto::erroriOgni10);
    QChart *vecchio = chart();
    setChart(secondi);
    delete vecchio;
    if (m_errori) {
        scene()->removeItem(m_errori);
        delete m_errori;
    }
    m_errori = errori;
    scene()->addItem(m_errori);
    applicaCaratteri();
    disponiPiani();
    setAccessibleDescription(m_punti.isEmpty() ? tr("Nessuna partita") : m_frase);
}

void GraficoPartite::disponiPiani()
{
    if (!chart() || !m_errori) return;
    const QRectF tutto(QPointF(0, 0), QSizeF(size()));
    const qreal meta = std::round(tutto.height() / 2);
    chart()->setGeometry(QRectF(0, 0, tutto.width(), meta));
    m_errori->setGeometry(QRectF(0, meta, tutto.width(), tutto.height() - meta));
    setSceneRect(tutto);
    qreal sinistra = 0;
    for (QChart *grafico : {chart(), m_errori}) {
        grafico->setMargins(Margini);
        grafico->layout()->activate();
        if (auto *valori = qobject_cast<QValueAxis *>(grafico->axes(Qt::Vertical).value(0))) {
            adattaTacche(valori, grafico, grafico->plotArea().height(), fontMetrics().height());
            grafico->layout()->activate();
        }
        sinistra = std::max(sinistra, grafico->plotArea().left());
    }
    // The two plots begin at one x, whatever the width of their numbers: each day above its own day.
    for (QChart *grafico : {chart(), m_errori}) {
        grafico->setMargins(Margini + QMargins(qRound(sinistra - grafico->plotArea().left()), 0, 0, 0));
        grafico->layout()->activate();
    }
}

int GraficoPartite::ogniQuanti(int giorni) const
{
    const double data = fontMetrics().horizontalAdvance(QStringLiteral("00/00")) * SpazioData;
    const int stanno = std::max(1, int(width() * QuotaPiano / data));
    return std::max(1, int(std::ceil(giorni / double(stanno))));
}

void GraficoPartite::applicaCaratteri()
{
    for (QChart *grafico : {chart(), m_errori})
        if (grafico) applicaCaratteri(grafico);
}

void GraficoPartite::applicaCaratteri(QChart *grafico)
{
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
        // Each plot keeps room for its legend, dates and a few lines of numbers, however large the text.
        setMinimumHeight(fontMetrics().height() * Linee);
        disponiPiani();
        ridisponiDate();
    }
}

void GraficoPartite::resizeEvent(QResizeEvent *evento)
{
    QChartView::resizeEvent(evento);
    disponiPiani();
    ridisponiDate();
}

void GraficoPartite::ridisponiDate()
{
    // Dates that no longer fit (or that could all fit again) lay the days out anew.
    const QDate primo = andamento::primoGiorno(m_punti);
    if (primo.isValid() && ogniQuanti(int(primo.daysTo(m_punti.last().giorno)) + 1) != m_ogni) disegna();
}
