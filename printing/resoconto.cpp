// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report of the record: a child's pages and the class's page, laid out for paper.
#include "printing/resoconto.h"

#include "record/andamento.h"
#include "record/elenco.h"
#include "record/quadro.h"
#include "startup/lingua.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace resoconto {

namespace {

/// Margins of the page, in millimetres.
constexpr qreal Margine = 15;

/// A column of a printed table.
struct Colonna
{
    QString titolo;
    qreal quota; ///< share of the table's width
    Qt::Alignment allineamento = Qt::AlignLeft;
};

/// Where drawing stands on the sheet: the painter, the sizes in device units and the line reached. Places
/// are given from the edge where the language's lines begin: the left one, or the right one when words run
/// right to left.
class Foglio
{
public:
    Foglio(QPagedPaintDevice &foglio, QPainter &p, Qt::LayoutDirection verso)
        : m_foglio(foglio), p(p), larghezza(foglio.width()), altezza(foglio.height()), verso(verso)
    {
        // The painter's direction aligns each text to where its lines begin.
        p.setLayoutDirection(verso);
    }

    /// The left edge on the sheet of what stands \a x from the lines' beginning and is \a largo wide.
    qreal nelVerso(qreal x, qreal largo) const
    {
        return verso == Qt::RightToLeft ? larghezza - x - largo : x;
    }

    /// A list of numbers or facts, which reads left to right as arithmetic is written, whatever the words.
    QString daSinistra(const QString &elenco) const
    {
        return verso == Qt::RightToLeft ? QChar(0x2066) + elenco + QChar(0x2069) : elenco;
    }

    qreal mm(qreal millimetri) const { return millimetri * m_foglio.logicalDpiY() / 25.4; }

    /// A font of \a punti points on paper.
    QFont carattere(qreal punti, QFont::Weight peso = QFont::Normal) const
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(punti);
        f.setWeight(peso);
        return QFont(f, &m_foglio);
    }

    /// The height \a testo takes wrapped in \a larghezzaTesto.
    qreal altezzaTesto(const QString &testo, const QFont &f, qreal larghezzaTesto) const
    {
        return QFontMetricsF(f, &m_foglio)
            .boundingRect(QRectF(0, 0, larghezzaTesto, 1e9), Qt::TextWordWrap, testo)
            .height();
    }

    /// Draws \a testo wrapped in \a larghezzaTesto at \a x on the line reached; returns its height.
    qreal scrivi(const QString &testo, const QFont &f, qreal x, qreal larghezzaTesto,
                 Qt::Alignment allineamento = Qt::AlignLeft)
    {
        const qreal h = altezzaTesto(testo, f, larghezzaTesto);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRectF(nelVerso(x, larghezzaTesto), y, larghezzaTesto, h),
                   int(allineamento | Qt::AlignTop) | Qt::TextWordWrap, testo);
        return h;
    }

    /// A paragraph across the page; the line moves below it.
    void paragrafo(const QString &testo, const QFont &f, qreal dopo)
    {
        if (y + altezzaTesto(testo, f, larghezza) > altezza) nuovaPagina();
        y += scrivi(testo, f, 0, larghezza) + dopo;
    }

    void nuovaPagina()
    {
        m_foglio.newPage();
        y = 0;
    }

private:
    QPagedPaintDevice &m_foglio;

public:
    QPainter &p;
    const qreal larghezza, altezza; ///< of the area within the margins, in device units
    const Qt::LayoutDirection verso;
    qreal y = 0; ///< the line reached on the page
};

QString quando(const QDateTime &t, const QLocale &locale)
{
    //: When a game began, on the printed report, as a QLocale date format; reorder as your language writes
    //: dates.
    const QString formato = QCoreApplication::translate("resoconto", "dd/MM/yyyy HH:mm");
    return t.isValid() ? locale.toString(t.toLocalTime(), formato) : QString();
}

/// The day the report is printed, with the word before a date: "il 03/12/2026".
QString stampato(const Resoconto &r)
{
    //: The day the report is printed, as a QLocale date format; reorder as your language writes dates.
    return ilGiorno(r.oggi.day(),
                    r.locale.toString(r.oggi, QCoreApplication::translate("resoconto", "dd/MM/yyyy")));
}

QString tempo(int secondi)
{
    return QStringLiteral("%1:%2").arg(secondi / 60).arg(secondi % 60, 2, 10, QLatin1Char('0'));
}

/// A table across the page, its rows wrapped and never split; on a new page its header comes again.
void tabella(Foglio &f, const QList<Colonna> &colonne, const QList<QStringList> &righe)
{
    const QFont testa = f.carattere(9, QFont::Bold), corpo = f.carattere(9);
    const qreal spazio = f.mm(1.2);
    // A word wider than its column (a long word in a narrow one) is written smaller rather than cut.
    const auto adatto = [&](const QString &testo, QFont font, qreal larghezza) {
        const QStringList parole = testo.split(u' ', Qt::SkipEmptyParts);
        const auto entra = [&] {
            const QFontMetricsF fm(font, f.p.device());
            return std::all_of(parole.cbegin(), parole.cend(),
                               [&](const QString &p) { return fm.horizontalAdvance(p) <= larghezza; });
        };
        while (font.pointSizeF() > 6 && !entra())
            font.setPointSizeF(font.pointSizeF() - 0.5);
        return font;
    };
    const auto altezzaRiga = [&](const QStringList &celle, const QFont &font) {
        qreal h = 0;
        for (qsizetype c = 0; c < colonne.size(); ++c) {
            const qreal w = colonne[c].quota * f.larghezza - 2 * spazio;
            h = std::max(h, f.altezzaTesto(celle.value(c), adatto(celle.value(c), font, w), w));
        }
        return h + 2 * spazio;
    };
    const auto riga = [&](const QStringList &celle, const QFont &font, qreal h) {
        qreal x = 0;
        for (qsizetype c = 0; c < colonne.size(); ++c) {
            const qreal w = colonne[c].quota * f.larghezza;
            f.y += spazio;
            f.scrivi(celle.value(c), adatto(celle.value(c), font, w - 2 * spazio), x + spazio, w - 2 * spazio,
                     colonne[c].allineamento);
            f.y -= spazio;
            x += w;
        }
        f.y += h;
        f.p.setPen(QPen(Qt::gray, f.mm(0.2)));
        f.p.drawLine(QPointF(0, f.y), QPointF(f.larghezza, f.y));
    };
    QStringList titoli;
    for (const Colonna &c : colonne)
        titoli.append(c.titolo);
    const qreal hTesta = altezzaRiga(titoli, testa);
    if (f.y + hTesta + (righe.isEmpty() ? 0 : altezzaRiga(righe.first(), corpo)) > f.altezza) f.nuovaPagina();
    f.p.setPen(Qt::black);
    riga(titoli, testa, hTesta);
    for (const QStringList &r : righe) {
        const qreal h = altezzaRiga(r, corpo);
        if (f.y + h > f.altezza) {
            f.nuovaPagina();
            f.p.setPen(Qt::black);
            riga(titoli, testa, hTesta);
        }
        f.p.setPen(Qt::black);
        riga(r, corpo, h);
    }
}

/// A round step for an axis that reaches \a massimo in about four steps; never under 0.1, the
/// smallest step its one-decimal labels can tell apart.
double passoTondo(double massimo)
{
    const double grezzo = std::max(massimo, 0.4) / 4;
    const double dieci = std::pow(10.0, std::floor(std::log10(grezzo)));
    for (double m : {1.0, 2.0, 5.0})
        if (grezzo <= m * dieci) return m * dieci;
    return 10 * dieci;
}

using Valore = double (*)(const andamento::Punto &);

/// A panel's scale: its step, its top and the room its numbers take beside the axis.
struct ScalaPannello
{
    double passo = 1, cima = 1;
    qreal spazio = 0;
};

ScalaPannello scalaPannello(const QList<andamento::Punto> &punti, Valore valore, const QLocale &locale,
                            const QFontMetricsF &fm)
{
    double massimo = 0;
    for (const andamento::Punto &punto : punti)
        massimo = std::max(massimo, valore(punto));
    ScalaPannello s;
    s.passo = passoTondo(massimo);
    s.cima = std::max(s.passo, std::ceil(massimo / s.passo) * s.passo);
    for (double v = 0; v <= s.cima + s.passo / 2; v += s.passo)
        s.spazio = std::max(s.spazio, fm.horizontalAdvance(andamento::numero(v, locale)));
    return s;
}

/// One panel of the chart: a value of each game over the days, full games joined by a line; its plot
/// begins \a spazioEtichette in, the same for both panels, so that each day stands above its own day.
void pannello(Foglio &f, const QRectF &area, const QString &titolo, const QList<andamento::Punto> &punti,
              Valore valore, const QLocale &locale, const QColor &colore, qreal spazioEtichette)
{
    QPainter &p = f.p;
    const QFont piccolo = f.carattere(8), titoloFont = f.carattere(9, QFont::Bold);
    const QFontMetricsF fm(piccolo, p.device());
    p.setFont(titoloFont);
    p.setPen(Qt::black);
    const qreal hTitolo = QFontMetricsF(titoloFont, p.device()).height();
    p.drawText(QRectF(area.left(), area.top(), area.width(), hTitolo), Qt::AlignLeft | Qt::AlignTop, titolo);

    const ScalaPannello scala = scalaPannello(punti, valore, locale, fm);
    const double passo = scala.passo, cima = scala.cima;
    const QRectF piano(area.left() + spazioEtichette + f.mm(1.5), area.top() + hTitolo + f.mm(1.5),
                       area.width() - spazioEtichette - f.mm(1.5),
                       area.height() - hTitolo - f.mm(1.5) - fm.height() - f.mm(1));
    const double ultimoGiorno =
        punti.isEmpty() ? 0 : punti.last().giorno.toJulianDay() - punti.first().giorno.toJulianDay();
    const double x0 = -0.5, x1 = ultimoGiorno + 0.5;
    const auto px = [&](double x) { return piano.left() + (x - x0) / (x1 - x0) * piano.width(); };
    const auto py = [&](double v) { return piano.bottom() - v / cima * piano.height(); };

    p.setFont(piccolo);
    for (double v = 0; v <= cima + passo / 2; v += passo) {
        p.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), f.mm(0.15)));
        p.drawLine(QPointF(piano.left(), py(v)), QPointF(piano.right(), py(v)));
        p.setPen(Qt::black);
        // The plot reads left to right in every language, as on the screen: its numbers stay by its axis.
        p.drawText(QRectF(area.left(), py(v) - fm.height() / 2, spazioEtichette, fm.height()),
                   Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter, andamento::numero(v, locale));
    }
    p.setPen(QPen(Qt::black, f.mm(0.25)));
    p.drawLine(piano.bottomLeft(), piano.bottomRight());
    p.drawLine(piano.bottomLeft(), piano.topLeft());
    // A tick on each day; its date as often as the dates fit side by side.
    const QDate primo = andamento::primoGiorno(punti);
    const qreal larghezzaData = fm.horizontalAdvance(QStringLiteral("00/00")) + f.mm(2);
    const int giorni = int(ultimoGiorno) + 1;
    const int ogni = std::max(1, int(std::ceil(larghezzaData / (piano.width() / giorni))));
    for (int g = 0; g < giorni && primo.isValid(); ++g) {
        const qreal x = px(g);
        p.drawLine(QPointF(x, piano.bottom()), QPointF(x, piano.bottom() + f.mm(g % ogni == 0 ? 1.2 : 0.6)));
        if (g % ogni != 0) continue;
        p.drawText(QRectF(x - larghezzaData / 2, piano.bottom() + f.mm(1), larghezzaData, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop,
                   //: The dates under the printed chart, as a QLocale date format. Short.
                   locale.toString(primo.addDays(g), QCoreApplication::translate("resoconto", "dd/MM")));
    }
    // Full games joined in order; the others apart, hollow.
    QPainterPath linea;
    for (const andamento::Punto &punto : punti) {
        if (punto.genere != andamento::Genere::Intera) continue;
        const QPointF q(px(punto.x), py(valore(punto)));
        if (linea.elementCount() == 0)
            linea.moveTo(q);
        else
            linea.lineTo(q);
    }
    p.setPen(QPen(colore, f.mm(0.4)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(linea);
    const qreal r = f.mm(0.9);
    for (const andamento::Punto &punto : punti) {
        const bool intera = punto.genere == andamento::Genere::Intera;
        p.setPen(QPen(colore, f.mm(0.3)));
        p.setBrush(intera ? QBrush(colore) : QBrush(Qt::white));
        p.drawEllipse(QPointF(px(punto.x), py(valore(punto))), r, r);
    }
    p.setBrush(Qt::NoBrush);
}

/// The chart: two panels over the same days, and what the marks mean.
void grafico(Foglio &f, const QList<andamento::Punto> &punti, const QLocale &locale)
{
    const qreal alto = f.mm(34), spazio = f.mm(3);
    const Valore secondi = [](const andamento::Punto &p) { return p.secondiPerRisposta; };
    const Valore errori = [](const andamento::Punto &p) { return p.erroriOgni10; };
    const QFontMetricsF fm(f.carattere(8), f.p.device());
    const qreal numeri = std::max(scalaPannello(punti, secondi, locale, fm).spazio,
                                  scalaPannello(punti, errori, locale, fm).spazio);
    pannello(f, QRectF(0, f.y, f.larghezza, alto),
             QCoreApplication::translate("resoconto", "Secondi per risposta"), punti, secondi, locale,
             QColor(0x1f, 0x5f, 0xa8), numeri);
    f.y += alto + spazio;
    pannello(f, QRectF(0, f.y, f.larghezza, alto),
             QCoreApplication::translate("resoconto", "Errori ogni 10 risposte"), punti, errori, locale,
             QColor(0xb0, 0x3a, 0x2e), numeri);
    f.y += alto + f.mm(1);
    //: Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.
    f.paragrafo(QCoreApplication::translate(
                    "resoconto", "Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. "
                                 "● partita intera (unite dalla linea)   ○ ripasso o partita fermata"),
                f.carattere(8), f.mm(4));
}

/// The 10 × 10 map with its legend and the facts to practise beside it.
void mappa(Foglio &f, const Resoconto &r)
{
    QPainter &p = f.p;
    const qreal lato = f.mm(7.5);
    const QFont testa = f.carattere(8, QFont::Bold), lettera = f.carattere(10, QFont::Bold);
    const QFont corpo = f.carattere(9);
    const qreal alto = 11 * lato;
    if (f.y + f.mm(8) + alto > f.altezza) f.nuovaPagina();
    f.y += f.scrivi(QCoreApplication::translate("resoconto", "I fatti: riga per colonna"),
                    f.carattere(11, QFont::Bold), 0, f.larghezza) +
           f.mm(1.5);
    const qreal cima = f.y;
    // The map stands where the lines begin, but reads left to right in every language, as the board does.
    const qreal sinistra = f.nelVerso(0, 11 * lato);
    p.setFont(testa);
    p.setPen(Qt::black);
    for (int n = 1; n <= 10; ++n) {
        p.drawText(QRectF(sinistra + n * lato, cima, lato, lato), Qt::AlignCenter, QString::number(n));
        p.drawText(QRectF(sinistra, cima + n * lato, lato, lato), Qt::AlignCenter, QString::number(n));
    }
    p.setFont(lettera);
    for (int k = 0; k < 100; ++k) {
        SchedaFatto fatto;
        fatto.riga = k / 10 + 1;
        fatto.colonna = k % 10 + 1;
        for (const SchedaFatto &s : r.fatti)
            if (s.cella() == k) fatto = s;
        const AspettoCella a = aspetto(quadro::stato(fatto, r.oggi, r.giudizio));
        const QRectF cella(sinistra + fatto.colonna * lato, cima + fatto.riga * lato, lato, lato);
        p.setPen(QPen(Qt::black, f.mm(0.2)));
        p.setBrush(a.colore);
        p.drawRect(cella);
        p.drawText(cella, Qt::AlignCenter, a.lettera);
    }
    p.setBrush(Qt::NoBrush);
    // The legend and the facts to practise in the column beside the map.
    const qreal x = 11 * lato + f.mm(6), largo = f.larghezza - x;
    f.y = cima + lato;
    for (const apprendimento::Stato stato : stati()) {
        const AspettoCella a = aspetto(stato);
        const QRectF campione(f.nelVerso(x, f.mm(5)), f.y, f.mm(5), f.mm(5));
        p.setPen(QPen(Qt::black, f.mm(0.2)));
        p.setBrush(a.colore);
        p.drawRect(campione);
        p.setBrush(Qt::NoBrush);
        p.setFont(lettera);
        p.drawText(campione, Qt::AlignCenter, a.lettera);
        // A name of one line beside the middle of its sample; a longer one below its top.
        const qreal h = f.altezzaTesto(a.nome, corpo, largo - f.mm(7));
        const qreal sopra = std::max<qreal>(0, (f.mm(5) - h) / 2), riga = f.y;
        f.y += sopra;
        f.scrivi(a.nome, corpo, x + f.mm(7), largo - f.mm(7));
        f.y = riga + std::max(sopra + h, f.mm(5)) + f.mm(1.5);
    }
    f.y += f.mm(3);
    QStringList fatti;
    for (const SchedaFatto &d : r.daRipassare)
        //: A multiplication in words, "7 per 8" (seven times eight): %1 row, %2 column.
        fatti.append(QCoreApplication::translate("resoconto", "%1 per %2").arg(d.riga).arg(d.colonna));
    f.y += f.scrivi(QCoreApplication::translate("resoconto", "Il ripasso di oggi"),
                    f.carattere(10, QFont::Bold), x, largo) +
           f.mm(1);
    f.y += f.scrivi(fatti.isEmpty()
                        ? QCoreApplication::translate("resoconto", "Ancora nessuna partita da cui capirlo.")
                        : elenco::conVirgole(fatti) + u'.',
                    corpo, x, largo);
    f.y = std::max(f.y, cima + alto) + f.mm(6);
}

void paginaGiocatore(Foglio &f, const Resoconto &r)
{
    const QList<andamento::Punto> punti = andamento::punti(r.partite);
    f.paragrafo(QCoreApplication::translate("resoconto", "Registro di %1").arg(r.giocatore),
                f.carattere(18, QFont::Bold), f.mm(2));
    const int quante = int(r.partite.size());
    //: How many games the report shows.
    const QString conteggio = quante == 1
                                  ? QCoreApplication::translate("resoconto", "1 partita")
                                  : QCoreApplication::translate("resoconto", "%n partite", nullptr, quante);
    //: Under the report's title. %1: the period ("tutto il registro"), %2: "N partite", %3: today's date with
    //: the word before it, as translated in "giorno" ("il 03/12/2026", "l'08/12/2026").
    f.paragrafo(QCoreApplication::translate("resoconto", "Periodo: %1 · %2 · stampato %3")
                    .arg(r.periodo, conteggio, stampato(r)),
                f.carattere(10), f.mm(2));
    f.paragrafo(andamento::frase(punti, r.oggi, r.locale), f.carattere(11, QFont::Bold), f.mm(3));
    grafico(f, punti, r.locale);
    mappa(f, r);

    f.paragrafo(QCoreApplication::translate("resoconto", "Le partite"), f.carattere(11, QFont::Bold),
                f.mm(1.5));
    QList<SchedaPartita> partite = r.partite;
    std::stable_sort(partite.begin(), partite.end(),
                     [](const SchedaPartita &a, const SchedaPartita &b) { return a.inizio < b.inizio; });
    QList<QStringList> righe;
    for (const SchedaPartita &p : partite) {
        //: A game still being played, in the column "Com'è finita".
        QString fine = p.esito ? nomeEsito(*p.esito) : QCoreApplication::translate("resoconto", "in corso");
        if (p.esito && andamento::genere(p) == andamento::Genere::Ripasso)
            //: How a review round ended: %1 is "finita", "fermata" or "interrotta".
            fine = QCoreApplication::translate("resoconto", "%1 (ripasso)").arg(fine);
        righe.append({quando(p.inizio, r.locale), f.daSinistra(p.tabelline().join(QStringLiteral(", "))),
                      QString::number(p.esatte), tempo(p.secondi), QString::number(p.errori), fine});
    }
    if (righe.isEmpty())
        f.paragrafo(QCoreApplication::translate("resoconto", "Nessuna partita in questo periodo."),
                    f.carattere(9), 0);
    else
        //: The printed games table's column headers; narrow columns (fractions of the page's width).
        tabella(f,
                {{QCoreApplication::translate("resoconto", "Data e ora"), 0.22},
                 {QCoreApplication::translate("resoconto", "Tabelline"), 0.26},
                 {QCoreApplication::translate("resoconto", "Risposte giuste"), 0.13, Qt::AlignRight},
                 {QCoreApplication::translate("resoconto", "Tempo"), 0.1, Qt::AlignRight},
                 {QCoreApplication::translate("resoconto", "Errori"), 0.09, Qt::AlignRight},
                 {QCoreApplication::translate("resoconto", "Com'è finita"), 0.2}},
                righe);
}

void paginaClasse(Foglio &f, const Resoconto &r)
{
    f.paragrafo(QCoreApplication::translate("resoconto", "Tutti i giocatori"), f.carattere(18, QFont::Bold),
                f.mm(2));
    //: %2: today's date with the word before it, as translated in "giorno".
    f.paragrafo(
        QCoreApplication::translate("resoconto", "Periodo: %1 · stampato %2").arg(r.periodo, stampato(r)),
        f.carattere(10), f.mm(4));
    QList<QStringList> righe;
    for (qsizetype i = 0; i < r.classe.size(); ++i) {
        const SchedaGiocatore &g = r.classe[i];
        // A child with no game in the period has no average: a dash, never "0,0".
        const auto media = [&](double v) {
            return g.partite > 0 ? andamento::numero(v, r.locale) : QStringLiteral("—");
        };
        righe.append({g.nome, QString::number(g.partite), quando(g.ultima, r.locale),
                      media(g.secondiPerRisposta), media(g.erroriPerPartita),
                      f.daSinistra(r.difficiliClasse.value(i).join(QStringLiteral(", ")))});
    }
    tabella(f,
            {{QCoreApplication::translate("resoconto", "Giocatore"), 0.2},
             {QCoreApplication::translate("resoconto", "Partite"), 0.09, Qt::AlignRight},
             {QCoreApplication::translate("resoconto", "Ultima partita"), 0.18},
             {QCoreApplication::translate("resoconto", "Secondi per risposta"), 0.13, Qt::AlignRight},
             {QCoreApplication::translate("resoconto", "Errori per partita"), 0.12, Qt::AlignRight},
             {QCoreApplication::translate("resoconto", "Fatti più difficili"), 0.28}},
            righe);
}

/// The class's map: each fact coloured by how many children know it, with their number, then each fact
/// some child still has to learn in words, the hardest first.
void paginaMappaClasse(Foglio &f, const Resoconto &r)
{
    const QuadroClasse &c = r.mappaClasse;
    //: The title of the printed class's map.
    f.paragrafo(QCoreApplication::translate("resoconto", "La classe: i fatti"), f.carattere(18, QFont::Bold),
                f.mm(2));
    f.paragrafo(
        QCoreApplication::translate("resoconto", "Periodo: %1 · stampato %2").arg(r.periodo, stampato(r)),
        f.carattere(10), f.mm(2));
    //: Above the printed class's map. %1: the children's names.
    f.paragrafo(QCoreApplication::translate("resoconto", "I bambini (%n): %1", nullptr, int(c.bambini.size()))
                    .arg(elenco::conVirgole(c.bambini)),
                f.carattere(10), f.mm(3));
    QPainter &p = f.p;
    const qreal lato = f.mm(11);
    const QFont testa = f.carattere(8, QFont::Bold), numero = f.carattere(8);
    if (f.y + 11 * lato > f.altezza) f.nuovaPagina();
    const qreal cima = f.y, sinistra = f.nelVerso(0, 11 * lato);
    p.setFont(testa);
    p.setPen(Qt::black);
    for (int n = 1; n <= 10; ++n) {
        p.drawText(QRectF(sinistra + n * lato, cima, lato, lato), Qt::AlignCenter, QString::number(n));
        p.drawText(QRectF(sinistra, cima + n * lato, lato, lato), Qt::AlignCenter, QString::number(n));
    }
    p.setFont(numero);
    for (int k = 0; k < 100; ++k) {
        const QuadroClasse::Fatto &fatto = c.fatti[k];
        const QRectF cella(sinistra + fatto.colonna * lato, cima + fatto.riga * lato, lato, lato);
        p.setPen(QPen(Qt::black, f.mm(0.2)));
        p.setBrush(c.colore(k));
        p.drawRect(cella);
        if (!c.bambini.isEmpty())
            p.drawText(cella, Qt::AlignCenter,
                       QStringLiteral("%1/%2").arg(fatto.sanno).arg(c.bambini.size()));
    }
    p.setBrush(Qt::NoBrush);
    f.y = cima + 11 * lato + f.mm(3);
    //: Under the printed class's map: what its colours and numbers mean.
    f.paragrafo(QCoreApplication::translate("resoconto",
                                            "In ogni casella: quanti bambini sanno il fatto, su quanti sono. "
                                            "Rosso: nessuno; giallo: metà; verde: tutti."),
                f.carattere(8), f.mm(4));
    f.paragrafo(QCoreApplication::translate("resoconto", "I fatti da imparare, i più difficili per primi"),
                f.carattere(11, QFont::Bold), f.mm(1.5));
    int scritti = 0;
    for (int k : c.piuDifficili()) {
        if (c.fatti[k].daImparare.isEmpty()) continue;
        f.paragrafo(c.parole(k), f.carattere(9), f.mm(0.8));
        ++scritti;
    }
    if (scritti == 0)
        f.paragrafo(QCoreApplication::translate("resoconto", "Nessun fatto da imparare per la classe."),
                    f.carattere(9), 0);
}

} // namespace

AspettoCella aspetto(apprendimento::Stato stato)
{
    using apprendimento::Stato;
    // Lightness apart as well as hue, and a letter: the states read apart in grey too.
    switch (stato) {
    case Stato::DaImparare:
        //: The letter in the facts map's cells for a fact to learn: the initial of "da imparare". One letter.
        return {QCoreApplication::translate("resoconto", "I"), QColor(0xe8, 0x6a, 0x5a),
                apprendimento::nome(stato)};
    case Stato::DaRipassare:
        //: The letter for a fact to review: the initial of "da ripassare". One letter, unlike the other
        //: states' letters.
        return {QCoreApplication::translate("resoconto", "R"), QColor(0xf5, 0xd0, 0x4c),
                apprendimento::nome(stato)};
    case Stato::QuasiSicura:
        //: The letter for a fact likely known: the initial of "quasi sicura". One letter, unlike the other
        //: states' letters.
        return {QCoreApplication::translate("resoconto", "Q"), QColor(0xcf, 0xe8, 0xb0),
                apprendimento::nome(stato)};
    case Stato::Sicura:
        //: The letter for a sure fact: the initial of "sicura". One letter, unlike the other states' letters.
        return {QCoreApplication::translate("resoconto", "S"), QColor(0x8f, 0xc9, 0x8a),
                apprendimento::nome(stato)};
    case Stato::MaiChiesta:
        break;
    }
    return {QString(), QColor(0xf2, 0xf2, 0xf2), apprendimento::nome(Stato::MaiChiesta)};
}

QList<apprendimento::Stato> stati()
{
    using apprendimento::Stato;
    return {Stato::DaImparare, Stato::DaRipassare, Stato::QuasiSicura, Stato::Sicura, Stato::MaiChiesta};
}

bool disegna(QPagedPaintDevice &foglio, const Resoconto &resoconto)
{
    foglio.setPageMargins(QMarginsF(Margine, Margine, Margine, Margine), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&foglio)) return false;
    p.setRenderHint(QPainter::Antialiasing);
    Foglio f(foglio, p, resoconto.locale.textDirection());
    switch (resoconto.parti) {
    case Resoconto::Parti::Classe:
        paginaClasse(f, resoconto);
        break;
    case Resoconto::Parti::MappaClasse:
        paginaMappaClasse(f, resoconto);
        break;
    case Resoconto::Parti::Tutto:
        paginaGiocatore(f, resoconto);
        if (!resoconto.classe.isEmpty()) {
            f.nuovaPagina();
            paginaClasse(f, resoconto);
        }
        if (!resoconto.mappaClasse.bambini.isEmpty()) {
            f.nuovaPagina();
            paginaMappaClasse(f, resoconto);
        }
        break;
    }
    return p.end();
}

} // namespace resoconto
