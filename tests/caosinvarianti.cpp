// SPDX-License-Identifier: GPL-3.0-or-later
// The random-event driver: what no sequence of events may break, checked after each.
#include "caos.h"

#include <QWindow>
#include <utility>

namespace {

bool soloCifre(const QString &t)
{
    for (QChar c : t)
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool inGioco(Momento f)
{
    return f == Momento::InCorso || f == Momento::InPausa;
}

/// The two colours of a blinking question.
bool lampeggiante(quint32 sfondo)
{
    return sfondo == aspetto::Rosa || sfondo == aspetto::Azzurro;
}

} // namespace

Caos::Istantanea Caos::leggi()
{
    const Stato &s = m_banco->stato;
    Istantanea i;
    i.fase = b().momento();
    i.azzerata = s.NumErrori == 0 && s.Secondi == 0 && s.Minuti == 0;
    for (int k = 0; k < 100; ++k) {
        i.testo[k] = b().txtRisultato[k]->text();
        i.esclusa[k] = b().txtRisultato[k]->esclusa();
        i.azzerata = i.azzerata && i.testo[k].isEmpty();
    }
    i.cella = s.cella();
    i.errori = s.NumErrori;
    i.esatte = s.NumEsatte;
    i.escluse = s.NumEscluse;
    i.tempo = s.Minuti * 60 + s.Secondi;
    return i;
}

bool Caos::controlla(const QString &guasto)
{
    if (guasto.isEmpty()) return true;
    m_errore = QStringLiteral("seed %1, event %2 (%3): %4 [replay: NUMERELLA_SEME=%1 NUMERELLA_EVENTI=%2]")
                   .arg(m_seme)
                   .arg(m_evento)
                   .arg(m_descrizione, guasto);
    return false;
}

/// An answer is checked as a number: leading zeros are allowed.
bool Caos::giusta(const QString &t, int k) const
{
    qsizetype i = 0;
    while (i < t.size() && t[i] == u'0')
        ++i;
    return QStringView(t).mid(i) == QString::number(m_banco->stato.Prodotto[k]);
}

QString Caos::confronta(const Istantanea &prima, const Istantanea &ora)
{
    for (const QString &guasto :
         {controllaCelle(ora), controllaPartita(ora), controllaFine(prima, ora),
          controllaContatori(prima, ora), controllaPannello(), controllaVista(ora), controllaRegistro(ora)})
        if (!guasto.isEmpty()) return guasto;
    if (ora.fase == Momento::InCorso && (!inGioco(prima.fase) || ora.esatte < prima.esatte))
        ++m_copertura.partiteIniziate;
    if (ora.fase == Momento::InPausa && prima.fase == Momento::InCorso) ++m_copertura.pause;
    if (inGioco(prima.fase) && ora.fase != Momento::Riposo && ora.esclusa != prima.esclusa)
        return QStringLiteral("the excluded tables changed during a game");
    if (inGioco(prima.fase)) {
        for (int j = 0; j < 100; ++j)
            if (j != prima.cella && !ora.testo[j].isEmpty() && ora.testo[j] != prima.testo[j])
                return QStringLiteral("cell %1 gained \"%2\" while %3 was asked")
                    .arg(j)
                    .arg(ora.testo[j])
                    .arg(prima.cella);
    }
    return {};
}

/// Digits only, and the counters show the state.
QString Caos::controllaCelle(const Istantanea &ora)
{
    const Stato &s = m_banco->stato;
    for (int k = 0; k < 100; ++k)
        if (!soloCifre(ora.testo[k]))
            return QStringLiteral("cell %1 holds \"%2\"").arg(k).arg(esadecimale(ora.testo[k]));
    if (b().txtErrori->text() != QString::number(ora.errori) ||
        b().TxtSec->text() != QString::number(s.Secondi) || b().TxtMin->text() != QString::number(s.Minuti))
        return QStringLiteral("the counters show %1 errors, %2:%3, the game has %4 errors, %5:%6")
            .arg(b().txtErrori->text(), b().TxtMin->text(), b().TxtSec->text())
            .arg(ora.errori)
            .arg(s.Minuti)
            .arg(s.Secondi);
    if (ora.cella < 0 || ora.cella > 99) return QStringLiteral("asked cell %1").arg(ora.cella);
    return {};
}

/// During a game: the asked cell playable, the answered cells right and counted.
QString Caos::controllaPartita(const Istantanea &ora)
{
    if (inGioco(ora.fase)) {
        const int k = ora.cella;
        if (ora.esclusa[k]) return QStringLiteral("the asked cell %1 is excluded").arg(k);
        if (int(std::count(ora.esclusa.begin(), ora.esclusa.end(), true)) != ora.escluse)
            return QStringLiteral("%1 excluded cells counted at the start, other cells green now")
                .arg(ora.escluse);
        if (ora.fase == Momento::InPausa && !ora.testo[k].isEmpty())
            return QStringLiteral("paused with text in the asked cell %1").arg(k);
        int risposte = 0;
        for (int j = 0; j < 100; ++j) {
            if (j == k || ora.testo[j].isEmpty()) continue;
            if (!giusta(ora.testo[j], j) || ora.esclusa[j])
                return QStringLiteral("cell %1 holds %2 but is not the asked cell %3, nor a right answer")
                    .arg(j)
                    .arg(ora.testo[j])
                    .arg(k);
            ++risposte;
        }
        if (risposte != ora.esatte)
            return QStringLiteral("%1 answered cells but %2 right answers counted")
                .arg(risposte)
                .arg(ora.esatte);
    }
    if (ora.esatte < 0 || ora.esatte > 100 - ora.escluse)
        return QStringLiteral("%1 right answers out of %2 playable cells")
            .arg(ora.esatte)
            .arg(100 - ora.escluse);
    return {};
}

/// The event that finishes a game leaves every playable cell right, and no cell of the finished table
/// takes other text until the next game or table choice (a middle press may empty it): what is
/// printed is what was answered.
QString Caos::controllaFine(const Istantanea &prima, const Istantanea &ora)
{
    if (ora.fase == Momento::Finita && prima.fase == Momento::Finita)
        for (int k = 0; k < 100; ++k)
            if (!ora.testo[k].isEmpty() && ora.testo[k] != prima.testo[k])
                return QStringLiteral("cell %1 of the finished table became \"%2\"").arg(k).arg(ora.testo[k]);
    if (ora.fase != Momento::Finita || prima.fase == Momento::Finita) return {};
    ++m_copertura.partiteFinite;
    if (prima.fase != Momento::InCorso) return QStringLiteral("finished without a running game");
    if (ora.esatte != 100 - ora.escluse) return QStringLiteral("finished with %1 right").arg(ora.esatte);
    for (int k = 0; k < 100; ++k)
        if (!ora.esclusa[k] && !giusta(ora.testo[k], k))
            return QStringLiteral("finished but cell %1 holds \"%2\"").arg(k).arg(ora.testo[k]);
    return {};
}

/// Errors count wrong answers only; the stopwatch moves only on its tick, in a running game.
QString Caos::controllaContatori(const Istantanea &prima, const Istantanea &ora)
{
    if (ora.errori != prima.errori && !(ora.errori == 0 && ora.azzerata)) {
        const int k = prima.cella;
        if (ora.errori != prima.errori + 1)
            return QStringLiteral("errors from %1 to %2").arg(prima.errori).arg(ora.errori);
        if (prima.fase != Momento::InCorso || ora.cella != k || prima.testo[k].isEmpty() ||
            giusta(prima.testo[k], k) || !ora.testo[k].isEmpty())
            return QStringLiteral("an error counted without a wrong answer confirmed in cell %1 (\"%2\", now "
                                  "\"%3\", asked %4, phase %5 to %6)")
                .arg(k)
                .arg(prima.testo[k], ora.testo[k])
                .arg(ora.cella)
                .arg(int(prima.fase))
                .arg(int(ora.fase));
        ++m_copertura.errori;
    }
    if (ora.tempo != prima.tempo && !(ora.tempo == 0 && ora.azzerata)) {
        // On a real screen the stopwatch ticks on its own: also right before a pause or the end of a
        // game, or right after a new game cleared it.
        const bool nuovaPartita = !inGioco(prima.fase) && inGioco(ora.fase);
        const bool inTempo = m_schermo
                                 ? inGioco(prima.fase) || inGioco(ora.fase) || ora.fase == Momento::Finita
                                 : prima.fase == Momento::InCorso;
        if (!m_tickCronometro || !inTempo)
            return QStringLiteral("the stopwatch moved from %1 to %2 s without a tick in a game")
                .arg(prima.tempo)
                .arg(ora.tempo);
        if (ora.tempo < prima.tempo && !(m_schermo && nuovaPartita))
            return QStringLiteral("the stopwatch went back from %1 to %2 s").arg(prima.tempo).arg(ora.tempo);
    }
    if (b().TmrTimer->isActive() && ora.fase != Momento::InCorso)
        return QStringLiteral("the stopwatch runs out of a game");
    return {};
}

/// Start covers Stop, Pause covers Resume; one info window at most, and the board disabled exactly then.
QString Caos::controllaPannello()
{
    auto copre = [](QWidget *sopra, QWidget *sotto) {
        if (!sopra->isVisible() || !sotto->isVisible()) return true;
        QWidget *genitore = sotto->parentWidget();
        return genitore->childAt(sotto->geometry().center()) == sopra;
    };
    if (!copre(b().cmdAvvio, b().cmdStop)) return QStringLiteral("Start and Stop both shown");
    if (!copre(b().CmdPausa, b().cmdRiprendi)) return QStringLiteral("Pause and Resume both shown");
    const int info = infoVisibili();
    if (info > 1) return QStringLiteral("%1 info windows").arg(info);
    if (b().isEnabled() == (info == 1))
        return QStringLiteral("the board is enabled with the info window open, or the reverse");
    return {};
}

/// What a child sees: the asked cell blinks and no other, the factors hidden but the asked pair.
QString Caos::controllaVista(const Istantanea &ora)
{
    const Stato &s = m_banco->stato;
    const bool corre = ora.fase == Momento::InCorso;
    for (int j = 0; j < 100; ++j)
        if ((j != ora.cella || !corre) && lampeggiante(b().txtRisultato[j]->sfondo()))
            return QStringLiteral("cell %1 blinks, the asked cell is %2 (%3)")
                .arg(j)
                .arg(ora.cella)
                .arg(corre ? "game running" : "no game running");
    if (corre && !b().Timer1->isActive())
        return QStringLiteral("a game runs but the question does not blink");
    if (inGioco(ora.fase)) {
        const int colonna = s.Colonna.at(ora.cella) - 1, riga = s.Riga.at(ora.cella) - 1;
        for (int j = 0; j < 10; ++j) {
            if ((j != colonna || !corre) && b().Label1[j]->colore() != aspetto::GialloChiaro)
                return QStringLiteral("column number %1 shows during a game (asked: %2)")
                    .arg(j + 1)
                    .arg(colonna + 1);
            if ((j != riga || !corre) && b().Label2[j]->colore() != aspetto::GialloChiaro)
                return QStringLiteral("row number %1 shows during a game (asked: %2)")
                    .arg(j + 1)
                    .arg(riga + 1);
        }
    }
    // On a real screen the blink timer ticks on its own: each tick must have changed the question's colour.
    if (!corre) m_cellaAlTick = -1;
    return std::exchange(m_guastoLampeggio, QString());
}

void Caos::osservaLampeggio()
{
    if (b().momento() != Momento::InCorso) {
        m_cellaAlTick = -1;
        return;
    }
    const int k = m_banco->stato.cella();
    const quint32 sfondo = b().txtRisultato[k]->sfondo();
    if (k == m_cellaAlTick && sfondo == m_sfondoAlTick && m_guastoLampeggio.isEmpty())
        m_guastoLampeggio = QStringLiteral("the asked cell %1 kept its colour at a blink tick").arg(k);
    m_cellaAlTick = k;
    m_sfondoAlTick = sfondo;
}

/// On a real screen: the board, asked to repaint, paints before the next event.
QString Caos::controllaRidisegno()
{
    QWindow *w = b().windowHandle();
    if (!m_schermo || !w || !w->isExposed()) return {};
    const int prima = m_ridisegni;
    b().update();
    if (!assesta()) return QStringLiteral("no answer after a repaint request");
    if (m_ridisegni == prima && w->isExposed()) return QStringLiteral("the board did not repaint");
    return {};
}
