// SPDX-License-Identifier: GPL-3.0-or-later
// When a fact is learnt: a memory model per fact, folded from its askings (see apprendimento.h).
#include "record/apprendimento.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace apprendimento {

qint64 mediana(const QList<int> &ritmo)
{
    if (ritmo.size() < MinimoRitmo) return 0;
    QList<int> t = ritmo;
    std::sort(t.begin(), t.end());
    const qsizetype n = t.size();
    return n % 2 ? t[n / 2] : (qint64(t[n / 2 - 1]) + t[n / 2]) / 2;
}

EsitoDomanda esito(const Chiesta &chiesta, qint64 mediana, Tempo tempo)
{
    if (chiesta.millisecondi < 0 || chiesta.sbagliate > 0) return EsitoDomanda::Sbagliata;
    if (tempo == Tempo::Conta && mediana > 0 && chiesta.millisecondi > FattoreLento * mediana)
        return EsitoDomanda::Lenta;
    return EsitoDomanda::Fluente;
}

bool lentaOra(const SchedaFatto &fatto, qint64 mediana)
{
    return mediana > 0 && !fatto.tempi.isEmpty() && fatto.tempi.last() > FattoreLento * mediana;
}

namespace {

/// The chance she knows a fact after an asking that went \a e, from \a p just before it: Bayes on the
/// answer, then what the asking itself taught.
double dopo(double p, EsitoDomanda e, double indovina, bool subito = false)
{
    double sa = SaFluente, nonSa = subito ? std::max(NonSaFluenteSubito, indovina) : indovina;
    if (e == EsitoDomanda::Lenta) sa = SaLenta, nonSa = NonSaLenta;
    if (e == EsitoDomanda::Sbagliata) sa = 1 - SaFluente - SaLenta, nonSa = 1 - indovina - NonSaLenta;
    const double dopo = p * sa / (p * sa + (1 - p) * nonSa);
    return dopo + (1 - dopo) * Impara;
}

/// How much of a memory of \a stabilita days is left after \a giorni.
double ricordo(double stabilita, qint64 giorni)
{
    return giorni <= 0 || stabilita <= 0 ? 1.0 : std::pow(Ritenzione, double(giorni) / stabilita);
}

/// The chance she knew \a fatto right after its last asking: that asking judged again against her
/// pace now when it was judged fluent before her pace was known (a first game that met her hard facts
/// early).
double conosciutaOra(const SchedaFatto &fatto, const Giudizio &giudizio)
{
    if (giudizio.tempo == Tempo::Conta && fatto.ultimoEsito == EsitoDomanda::Fluente &&
        lentaOra(fatto, giudizio.mediana))
        return dopo(fatto.prima, EsitoDomanda::Lenta,
                    NonSaFluente); // a slow answer: her guess rate plays no part
    return fatto.conosciuta;
}

/// The first day from the last asking's on which the chance she knows it falls below SogliaRipasso.
QDate primoGiornoSotto(double conosciuta, double stabilita, const QDate &ultimo)
{
    if (conosciuta < SogliaRipasso || stabilita <= 0) return ultimo;
    qint64 giorni = qint64(stabilita * std::log(SogliaRipasso / conosciuta) / std::log(Ritenzione));
    while (giorni > 0 && conosciuta * ricordo(stabilita, giorni - 1) < SogliaRipasso)
        --giorni;
    while (conosciuta * ricordo(stabilita, giorni) >= SogliaRipasso)
        ++giorni;
    return ultimo.addDays(giorni);
}

} // namespace

Ricadute &Ricadute::operator+=(const Ricadute &altre)
{
    ricadute += altre.ricadute;
    occasioni += altre.occasioni;
    return *this;
}

Ricadute &Ricadute::operator-=(const Ricadute &altre)
{
    ricadute -= altre.ricadute;
    occasioni -= altre.occasioni;
    return *this;
}

Ricadute ricadute(const SchedaFatto &fatto)
{
    const int mancate = fatto.sbagliate + fatto.lente;
    if (mancate < 2) return {};
    const int fluentiPrima = fatto.chiesta - fatto.fluentiDiFila - mancate;
    return {std::min(fluentiPrima, mancate - 1), mancate - 1};
}

double indovina(const Ricadute &tutte)
{
    const double stima = (PesoIndovina * NonSaFluente + tutte.ricadute) / (PesoIndovina + tutte.occasioni);
    return std::clamp(stima, IndovinaMinima, IndovinaMassima);
}

double priore(const SchedaFatto *gemella, const QList<SchedaFatto> &tabelline)
{
    double p = Priore;
    if (tabelline.size() >= MinimoTabelline) {
        double somma = 0;
        for (const SchedaFatto &f : tabelline)
            somma += f.conosciuta;
        p = (1 - PesoTabelline) * p + PesoTabelline * somma / double(tabelline.size());
    }
    if (gemella && gemella->chiesta > 0) p = (1 - PesoGemella) * p + PesoGemella * gemella->conosciuta;
    return p;
}

void aggiorna(SchedaFatto &fatto, const Chiesta &chiesta, const Giudizio &giudizio, double priore)
{
    const EsitoDomanda e = esito(chiesta, giudizio.mediana, giudizio.tempo);
    const QDate giorno = chiesta.quando.toLocalTime().date();
    const qint64 giorni = fatto.chiesta > 0 ? fatto.ultima.toLocalTime().date().daysTo(giorno) : 0;
    const double r = fatto.chiesta > 0 ? ricordo(fatto.stabilita, giorni) : 1.0;
    fatto.prima = fatto.chiesta > 0 ? fatto.conosciuta * r : priore;
    const bool subito = fatto.chiesta > 0 && giorni == 0 && fatto.ultimoEsito != EsitoDomanda::Fluente;
    fatto.conosciuta = dopo(fatto.prima, e, giudizio.indovina, subito);
    const double stabilita = fatto.chiesta > 0 ? fatto.stabilita : 0;
    switch (e) {
    case EsitoDomanda::Fluente: {
        const bool svelta = giudizio.tempo == Tempo::Ignora ||
                            (giudizio.mediana > 0 && chiesta.millisecondi <= giudizio.mediana);
        const double primaVolta = fatto.chiesta > 0 ? StabilitaImparata
                                  : svelta          ? StabilitaNotaSvelta
                                                    : StabilitaNota;
        // The longer she had to keep it, the more a fluent answer says it lasts: nothing on its own day.
        const double intervallo = std::min(1.0, (1 - r) / (1 - Ritenzione));
        fatto.stabilita =
            std::min(StabilitaMassima, std::max(primaVolta, stabilita * (1 + Crescita * intervallo)));
        ++fatto.fluentiDiFila;
        break;
    }
    case EsitoDomanda::Lenta:
        fatto.stabilita = std::max(StabilitaMinima, stabilita * CaloLenta);
        ++fatto.lente;
        fatto.fluentiDiFila = 0;
        break;
    case EsitoDomanda::Sbagliata:
        fatto.stabilita = std::max(StabilitaMinima, stabilita * CaloSbagliata);
        ++fatto.sbagliate;
        fatto.fluentiDiFila = 0;
        break;
    }
    ++fatto.chiesta;
    fatto.ultimoEsito = e;
    fatto.ultima = chiesta.quando;
    if (chiesta.millisecondi >= 0) {
        fatto.tempi.append(int(chiesta.millisecondi));
        if (fatto.tempi.size() > TempiFatto) fatto.tempi.removeFirst();
    }
    fatto.prossimoRipasso = primoGiornoSotto(fatto.conosciuta, fatto.stabilita, giorno);
}

bool aggiornaRitmo(QList<int> &ritmo, const Chiesta &chiesta, const SchedaFatto &prima)
{
    if (chiesta.millisecondi < 0 || chiesta.sbagliate > 0) return false;
    if (prima.chiesta > 0 && prima.ultimoEsito != EsitoDomanda::Fluente) return false;
    ritmo.append(int(chiesta.millisecondi));
    if (ritmo.size() > TempiRitmo) ritmo.removeFirst();
    return true;
}

bool daProvare(const SchedaFatto &fatto, const Giudizio &giudizio)
{
    if (fatto.sbagliate + fatto.lente > 0) return true;
    const bool unaSvelta = fatto.chiesta == 1 && fatto.ultimoEsito == EsitoDomanda::Fluente &&
                           !(giudizio.tempo == Tempo::Conta && lentaOra(fatto, giudizio.mediana));
    // Its one answer judged again: the same fold, her guess rate now in place of the one then.
    const double conosciuta = unaSvelta ? dopo(fatto.prima, EsitoDomanda::Fluente, giudizio.indovina)
                                        : conosciutaOra(fatto, giudizio);
    return conosciuta < SogliaSicura;
}

double stima(const SchedaFatto &fatto, const QDate &oggi, const Giudizio &giudizio)
{
    if (fatto.chiesta == 0) return Priore;
    return conosciutaOra(fatto, giudizio) *
           ricordo(fatto.stabilita, std::max<qint64>(0, fatto.ultima.toLocalTime().date().daysTo(oggi)));
}

double certezza(double stima)
{
    if (stima <= 0 || stima >= 1) return 1;
    return 1 + stima * std::log2(stima) + (1 - stima) * std::log2(1 - stima);
}

QDate prossimo(const SchedaFatto &fatto, const Giudizio &giudizio)
{
    if (fatto.chiesta == 0) return {};
    return primoGiornoSotto(conosciutaOra(fatto, giudizio), fatto.stabilita,
                            fatto.ultima.toLocalTime().date());
}

bool daChiedere(const SchedaFatto &fatto, const QDate &oggi, const Giudizio &giudizio, int altreDopo)
{
    // Answered well today, it waits until a few other facts came between: asked again at once, it
    // would show what she just recalled, not what she keeps.
    const bool beneOggi = fatto.ultimoEsito == EsitoDomanda::Fluente &&
                          fatto.ultima.toLocalTime().date() == oggi &&
                          !(giudizio.tempo == Tempo::Conta && lentaOra(fatto, giudizio.mediana));
    const Stato s = stato(fatto, oggi, giudizio);
    if (s == Stato::DaImparare) return !beneOggi || altreDopo >= Distanza;
    return s == Stato::DaRipassare && !beneOggi;
}

Stato stato(const SchedaFatto &fatto, const QDate &oggi, const Giudizio &giudizio)
{
    if (fatto.chiesta == 0) return Stato::MaiChiesta;
    const double p = stima(fatto, oggi, giudizio);
    if (p < SogliaRipasso)
        return conosciutaOra(fatto, giudizio) >= SogliaRipasso ? Stato::DaRipassare : Stato::DaImparare;
    return p >= SogliaSicura ? Stato::Sicura : Stato::QuasiSicura;
}

Stato statoDa(const QList<Chiesta> &chieste, const QDate &oggi, const Giudizio &giudizio,
              QDate *giornoRipasso)
{
    // As if these were all her answers: the fact's own relapses are all that says her guess rate.
    SchedaFatto fatto;
    Giudizio suo = giudizio;
    for (const Chiesta &c : chieste) {
        suo.indovina = indovina(ricadute(fatto));
        aggiorna(fatto, c, suo);
    }
    if (giornoRipasso) *giornoRipasso = prossimo(fatto, giudizio);
    return stato(fatto, oggi, giudizio);
}

namespace {

/// The source texts double as the exported words, which never follow the language.
const char *testoStato(Stato stato)
{
    switch (stato) {
    case Stato::MaiChiesta:
        //: A fact's state (a multiplication such as 7 × 8, feminine in Italian: "la moltiplicazione"), lower
        //: case: in the facts map's legend, the words told about a fact and the printed report. Keep it
        //: short.
        return QT_TRANSLATE_NOOP("apprendimento", "mai chiesta");
    case Stato::DaImparare:
        return QT_TRANSLATE_NOOP("apprendimento", "da imparare");
    case Stato::QuasiSicura:
        //: A fact likely known: answered right and quick, but not yet often enough to be sure.
        return QT_TRANSLATE_NOOP("apprendimento", "quasi sicura");
    case Stato::Sicura:
        return QT_TRANSLATE_NOOP("apprendimento", "sicura");
    case Stato::DaRipassare:
        return QT_TRANSLATE_NOOP("apprendimento", "da ripassare");
    }
    return "";
}

} // namespace

QString nome(Stato stato)
{
    return QCoreApplication::translate("apprendimento", testoStato(stato));
}

QString parolaStato(Stato stato)
{
    return QString::fromUtf8(testoStato(stato));
}

QString testoTempi(const QList<int> &tempi)
{
    QStringList parti;
    for (int t : tempi)
        parti.append(QString::number(t));
    return tempi.isEmpty() ? QStringLiteral("") : parti.join(u','); // empty, never null
}

QList<int> tempiDa(const QString &testo)
{
    QList<int> tempi;
    for (const QString &parte : testo.split(u',', Qt::SkipEmptyParts))
        tempi.append(parte.toInt());
    return tempi;
}

QString parola(EsitoDomanda esito)
{
    switch (esito) {
    case EsitoDomanda::Fluente:
        return QStringLiteral("fluente");
    case EsitoDomanda::Lenta:
        return QStringLiteral("lenta");
    case EsitoDomanda::Sbagliata:
        break;
    }
    return QStringLiteral("sbagliata");
}

EsitoDomanda esitoDa(const QString &parola)
{
    if (parola == u"fluente") return EsitoDomanda::Fluente;
    if (parola == u"lenta") return EsitoDomanda::Lenta;
    return EsitoDomanda::Sbagliata;
}

} // namespace apprendimento
