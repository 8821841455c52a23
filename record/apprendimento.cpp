// SPDX-License-Identifier: GPL-3.0-or-later
// When a fact is learnt: each asking judged against the child's own pace, and reviews spaced over days.
#include "record/apprendimento.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace apprendimento {

qint64 mediana(const QList<int> &ritmo)
{
    if (ritmo.size() < MinimoRitmo) return 0;
    QList<int> t = ritmo;
    std::sort(t.begin(), t.end());
    const qsizetype n = t.size();
    return n % 2 ? t[n / 2] : (qint64(t[n / 2 - 1]) + t[n / 2]) / 2;
}

EsitoDomanda esito(const Chiesta &chiesta, qint64 mediana)
{
    if (chiesta.millisecondi < 0 || chiesta.sbagliate > 0) return EsitoDomanda::Sbagliata;
    if (mediana > 0 && chiesta.millisecondi > FattoreLento * mediana) return EsitoDomanda::Lenta;
    return EsitoDomanda::Fluente;
}

bool lentaOra(const SchedaFatto &fatto, qint64 mediana)
{
    return mediana > 0 && !fatto.tempi.isEmpty() && fatto.tempi.last() > FattoreLento * mediana;
}

void aggiorna(SchedaFatto &fatto, const Chiesta &chiesta, qint64 mediana)
{
    const EsitoDomanda e = esito(chiesta, mediana);
    const QDate giorno = chiesta.quando.toLocalTime().date();
    ++fatto.chiesta;
    if (e == EsitoDomanda::Sbagliata) ++fatto.sbagliate;
    if (e == EsitoDomanda::Lenta) ++fatto.lente;
    if (e != EsitoDomanda::Fluente) {
        fatto.fluentiDiFila = 0;
        fatto.passo = 0;
        fatto.prossimoRipasso = QDate();
    } else if (++fatto.fluentiDiFila >= 2 && fatto.passo == 0) {
        fatto.passo = 1;
        fatto.prossimoRipasso = giorno.addDays(Intervalli[0]);
    } else if (fatto.passo > 0 && giorno >= fatto.prossimoRipasso) {
        // A fluent review: the next one further away. Fluent askings before the day change nothing.
        fatto.passo = std::min<int>(fatto.passo + 1, Intervalli.size());
        fatto.prossimoRipasso = giorno.addDays(Intervalli[fatto.passo - 1]);
    }
    fatto.ultimoEsito = e;
    fatto.ultima = chiesta.quando;
    if (chiesta.millisecondi >= 0) {
        fatto.tempi.append(int(chiesta.millisecondi));
        if (fatto.tempi.size() > TempiFatto) fatto.tempi.removeFirst();
    }
}

bool aggiornaRitmo(QList<int> &ritmo, const Chiesta &chiesta, const SchedaFatto &prima)
{
    if (chiesta.millisecondi < 0 || chiesta.sbagliate > 0) return false;
    if (prima.chiesta > 0 && prima.ultimoEsito != EsitoDomanda::Fluente) return false;
    ritmo.append(int(chiesta.millisecondi));
    if (ritmo.size() > TempiRitmo) ritmo.removeFirst();
    return true;
}

Stato stato(const SchedaFatto &fatto, const QDate &oggi)
{
    if (fatto.chiesta == 0) return Stato::MaiChiesta;
    if (fatto.passo == 0) return Stato::DaImparare;
    return oggi >= fatto.prossimoRipasso ? Stato::DaRipassare : Stato::Sicura;
}

Stato statoDa(const QList<Chiesta> &chieste, const QDate &oggi, qint64 mediana, QDate *prossimo)
{
    SchedaFatto fatto;
    for (const Chiesta &c : chieste)
        aggiorna(fatto, c, mediana);
    if (prossimo) *prossimo = fatto.prossimoRipasso;
    return stato(fatto, oggi);
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
