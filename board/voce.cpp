// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: each change told once, in an order it keeps.
//
// Qt 6.4 can tell assistive technology only of focus moves and of name or description changes. A
// reader says a control's name when it takes the focus, and says a description that changes on the
// control it is on. So words that go with a move of the focus ("Giusto!" before the next question)
// ride in front of the name of the control that takes it, in the same event; words that change
// nothing else go into the description of the control that has the focus. Both are taken back,
// unheard, once the focus leaves that control.
#include "board/frasi.h"
#include "board/frmnumerella.h"
#include "widgets/accessibilita.h"
#include "widgets/cella.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

void FrmNumerella::collegaVoce()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *lasciato, QWidget *) {
        // Put back once the focus event has gone out: until then a reader is still on the control
        // left, and would read its words put back before the next control's.
        if (lasciato && lasciato == m_nominato) {
            QTimer::singleShot(0, lasciato, [this, w = m_nominato, nome = m_nomeVero] {
                if (w != m_nominato && !w->hasFocus()) w->setAccessibleName(nome);
            });
            m_nominato = nullptr;
        }
        if (lasciato && lasciato == m_annunciato) {
            QTimer::singleShot(0, lasciato, [this, w = m_annunciato] {
                if (w != m_annunciato && !w->hasFocus()) accessibilita::descriviARiposo(w);
            });
            m_annunciato = nullptr;
        }
    });
}

void FrmNumerella::presentaDomanda(Cella *cella)
{
    // The cell's accessible name is the question ("6 per 8"): its focus makes a screen reader say it.
    if (m_ingresso->ultimo() == Ingresso::Tastiera)
        portaFuoco(cella);
    else
        annuncia(cella == m_nominato ? m_nomeVero : cella->accessibleName());
}

void FrmNumerella::portaFuoco(QWidget *dove)
{
    const QString premessa = m_premessa.trimmed();
    m_premessa.clear();
    const QString nome = dove == m_nominato ? m_nomeVero : dove->accessibleName();
    // Aloud, the question is news; a button's name only tells where the focus went.
    leggi(unisci(premessa, qobject_cast<Cella *>(dove) ? nome : QString()));
    if (dove->hasFocus()) {
        // No focus event to carry the words.
        if (dove == m_nominato && dove->hasFocus() && !premessa.isEmpty()) {
            // Its name still tells the last outcome: the new words take their place there.
            dove->setAccessibleName(unisci(premessa, nome));
            return;
        }
        descrivi(unisci(premessa, nome));
        return;
    }
    // Out of an inactive window (Ripassa from the record) the focus event comes when the board is
    // activated, and says the name: the same words in the description would be heard twice.
    if (premessa.isEmpty()) {
        dove->setFocus(Qt::OtherFocusReason);
        return;
    }
    nominaConParole(dove, premessa, nome);
    dove->setFocus(Qt::OtherFocusReason);
}

void FrmNumerella::nominaConParole(QWidget *dove, const QString &parole, const QString &nome)
{
    // The control that carried words before gets its name back, unheard, once it no longer has the focus.
    const QPointer<QWidget> prima = std::exchange(m_nominato, dove);
    const QString nomePrima = std::exchange(m_nomeVero, nome);
    dove->setAccessibleName(unisci(parole, nome));
    if (prima && prima != dove)
        QTimer::singleShot(0, prima, [this, prima, nomePrima] {
            if (prima != m_nominato && !prima->hasFocus()) prima->setAccessibleName(nomePrima);
        });
}

QString FrmNumerella::unisci(const QString &prima, const QString &dopo)
{
    if (prima.isEmpty() || dopo.isEmpty()) return (prima + dopo).trimmed();
    return prima.trimmed() + QLatin1Char(' ') + dopo.trimmed();
}

void FrmNumerella::annunciaSullaDomanda(const QString &parole)
{
    Cella *cella = txtRisultato[m_stato.cella()];
    // A name that still says "Giusto! 8 per 3" would be read stale after a wrong answer.
    if (cella == m_nominato && cella->hasFocus()) {
        leggi(unisci(parole, m_nomeVero));
        cella->setAccessibleName(unisci(parole, m_nomeVero));
        return;
    }
    annuncia(unisci(parole, nomeDomanda()));
}

void FrmNumerella::diciAlRitorno()
{
    // Back on the board during a pause: the question on screen is not being asked.
    QWidget *fuoco = focusWidget();
    if (momento() != Momento::InPausa || !fuoco) return;
    nominaConParole(fuoco, tr("Pausa. Ctrl+P per riprendere."),
                    fuoco == m_nominato ? m_nomeVero : fuoco->accessibleName());
}

void FrmNumerella::annuncia(const QString &frase)
{
    const QString parole = unisci(m_premessa, frase);
    m_premessa.clear();
    leggi(parole);
    descrivi(parole);
}

void FrmNumerella::descrivi(const QString &parole)
{
    QWidget *bersaglio = focusWidget();
    if (!bersaglio || !bersaglio->isVisible()) bersaglio = this;
    // Only one control carries the words at a time, so no stale news is read out later.
    if (m_annunciato && m_annunciato != bersaglio) accessibilita::descriviARiposo(m_annunciato);
    m_annunciato = bersaglio;
    // The same words again (a second pause) must still make a change that is heard.
    if (bersaglio->accessibleDescription() == parole) bersaglio->setAccessibleDescription(QString());
    bersaglio->setAccessibleDescription(parole);
}

void FrmNumerella::diciTempo()
{
    annuncia(tempoEErrori());
}

QString FrmNumerella::tempoEErrori() const
{
    if (ritmo() == Ritmo::SenzaFretta) return frasi::errori(m_stato.NumErrori);
    return frasi::tempoEErrori(m_stato.Minuti, m_stato.Secondi, m_stato.NumErrori);
}

bool FrmNumerella::passaFuoco(QWidget *lasciato, QWidget *gemello, const QString &parole)
{
    if (!lasciato->hasFocus()) return false;
    m_premessa = parole;
    portaFuoco(gemello);
    return true;
}

QString FrmNumerella::nomeDomanda() const
{
    const Cella *cella = txtRisultato[m_stato.cella()];
    return cella == m_nominato ? m_nomeVero : cella->accessibleName();
}

void FrmNumerella::annunciaScelta(int Index, Qt::MouseButton Button)
{
    std::array<bool, 10> esclusa{};
    for (int n = 0; n < 10; ++n)
        esclusa[n] = txtRisultato[n]->esclusa();
    const QString rimaste = frasi::tabelleRimaste(esclusa);
    if (Button == Qt::RightButton) {
        annuncia(rimaste);
        return;
    }
    const QString tabellina = frasi::dellaTabellina(Index + 1);
    QString parole;
    if (esclusa[Index])
        //: A table left out of the game; %1 is "del 7" or "dell'8" as translated in the sentences ("frasi").
        parole = tr("Tabellina %1 esclusa").arg(tabellina);
    else
        //: A table back in the game; %1 is "del 7" or "dell'8" as translated in the sentences ("frasi").
        parole = tr("Tabellina %1 ripresa").arg(tabellina);
    // The last one left out leaves nothing to play: say so.
    if (std::all_of(esclusa.begin(), esclusa.end(), [](bool e) { return e; }))
        //: Two sentences said one after the other.
        parole = tr("%1. %2").arg(parole, rimaste);
    annuncia(parole);
}
