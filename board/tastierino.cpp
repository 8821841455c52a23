// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen keypad and the check of the answer.
#include "board/frmnumerella.h"
#include "board/interruttori.h"
#include "widgets/aspetto.h"

#include <QCoreApplication>
#include <QKeyEvent>

using namespace aspetto;

namespace {

/// Queues a keystroke for the cell; it is edited as a real key once this handler has returned.
void accoda(QWidget *cella, Qt::Key tasto, const QString &testo)
{
    QCoreApplication::postEvent(cella, new QKeyEvent(QEvent::KeyPress, tasto, Qt::NoModifier, testo));
    QCoreApplication::postEvent(cella, new QKeyEvent(QEvent::KeyRelease, tasto, Qt::NoModifier, testo));
}

} // namespace

void FrmNumerella::Cmd_cifra_Click(int cifra)
{
    suona(Clip::Tasto);
    Cella *cella = txtRisultato[m_stato.cella()];
    cella->setFocus(Qt::OtherFocusReason);
    accoda(cella, Qt::Key(Qt::Key_0 + cifra), QString::number(cifra));
}

void FrmNumerella::Cmd_backspace_Click()
{
    suona(Clip::Tasto);
    Cella *cella = txtRisultato[m_stato.cella()];
    cella->setFocus(Qt::OtherFocusReason);
    accoda(cella, Qt::Key_Backspace, QStringLiteral("\b"));
}

void FrmNumerella::Cmd_invio_Click()
{
    const int k = m_stato.cella();
    Cella *cella = txtRisultato[k];
    if (cella->text().isEmpty()) return;
    // The cell takes digits only.
    bool numero = false;
    const int risposta = cella->text().toInt(&numero);
    if (!numero || risposta != m_stato.Prodotto.at(k)) {
        Q_EMIT rispostaData(k, cella->text(), Risposta::Sbagliata);
        cella->svuota();
        if (m_stato.NumErrori < std::numeric_limits<qint16>::max()) ++m_stato.NumErrori;
        txtErrori->setText(QString::number(m_stato.NumErrori));
        QString parole;
        if (m_stato.NumErrori == 1)
            //: A wrong answer, and the errors so far.
            parole = tr("Sbagliato, 1 errore.");
        else
            //: Never said for 1, which has a text of its own; give every plural form of your language.
            parole = tr("Sbagliato, %n errori.", nullptr, m_stato.NumErrori);
        annunciaSullaDomanda(parole);
        suona(Clip::Sbagliata);
        return;
    }
    Q_EMIT rispostaData(k, cella->text(), Risposta::Giusta);
    spegni(Timer1);
    cella->impostaSfondo(ColoreSistema);
    Label1[m_stato.Colonna.at(k) - 1]->impostaColore(GialloChiaro);
    Label2[m_stato.Riga.at(k) - 1]->impostaColore(GialloChiaro);
    ++m_stato.NumEsatte;
    m_premessa = tr("Giusto!") + QLatin1Char(' ');
    suona(Clip::Giusta);
    if (100 - m_stato.NumEscluse == m_stato.NumEsatte || !SceltaDomanda()) finisci();
}

void FrmNumerella::confermaDaTastiera(const Cella *cella)
{
    // Return in the asked cell confirms the answer, as the keypad's OK does.
    if (momento() == Momento::InCorso && cella == txtRisultato[m_stato.cella()]) Cmd_invio_Click();
}
