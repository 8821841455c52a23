// SPDX-License-Identifier: GPL-3.0-or-later
// What the board offers the record: Ctrl+R for its window, and a game of chosen cells only.
#include "board/frmnumerella.h"
#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

using namespace aspetto;

void FrmNumerella::collegaRegistro()
{
    auto *tasto = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    tasto->setObjectName(QStringLiteral("tastoRegistro"));
    connect(tasto, &QShortcut::activated, this, &FrmNumerella::apriRegistro);
}

void FrmNumerella::apriRegistro()
{
    if (momento() == Momento::InCorso) CmdPausa_Click();
    Q_EMIT registroChiesto();
}

void FrmNumerella::fermaPartita()
{
    if (momento() == Momento::InCorso || momento() == Momento::InPausa) cmdStop_Click();
}

int FrmNumerella::secondiCronometro() const
{
    return m_stato.Minuti * 60 + m_stato.Secondi;
}

bool FrmNumerella::chiediDiLasciare()
{
    if (momento() != Momento::InCorso && momento() != Momento::InPausa) return true;
    if (momento() == Momento::InCorso) CmdPausa_Click();
    QMessageBox domanda(QMessageBox::Question,
                        //: The title of the question before a review ("Ripassa": practise the hard facts).
                        tr("Ripassa"),
                        tr("Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.\n\n"
                           "Vuoi lasciarla e ripassare?"),
                        QMessageBox::NoButton,
                        QApplication::activeWindow() ? QApplication::activeWindow() : this);
    domanda.setObjectName(QStringLiteral("confermaRipassa"));
    domanda.addButton(tr("&Sì, ripasso"), QMessageBox::YesRole);
    QPushButton *continua = domanda.addButton(tr("&No, continuo la partita"), QMessageBox::NoRole);
    domanda.setDefaultButton(continua);
    domanda.setEscapeButton(continua);
    domanda.setAccessibleName(tr("Lasciare la partita per ripassare?"));
    domanda.setAccessibleDescription(domanda.text());
    domanda.exec();
    return domanda.clickedButton() != continua;
}

void FrmNumerella::mostraRipasso(int quanti)
{
    //: Under the grid, for the child: facts to learn or review today.
    lblRipasso->setText(tr("Oggi: %n da ripassare", nullptr, quanti));
    lblRipasso->setAccessibleName(lblRipasso->text());
    //: How to reach the practice round from the board.
    lblRipasso->setToolTip(tr("Ctrl+R apre il registro: lì c'è il pulsante Ripassa"));
    accessibilita::impostaDescrizione(lblRipasso, lblRipasso->toolTip());
    lblRipasso->setVisible(quanti > 0);
}

void FrmNumerella::mostraAggiornamento()
{
    //: Under the grid for the few seconds the record of an older version is brought up to date; the
    //: board can be used meanwhile.
    lblRipasso->setText(tr("sto aggiornando il registro…"));
    lblRipasso->setAccessibleName(lblRipasso->text());
    lblRipasso->setToolTip({});
    accessibilita::impostaDescrizione(lblRipasso, {});
    lblRipasso->setVisible(true);
}

bool FrmNumerella::ripassa(const std::bitset<100> &celle, Partenza partenza)
{
    if (celle.none() || !chiediDiLasciare()) return false;
    fermaPartita();
    for (int k = 0; k < 100; ++k) {
        txtRisultato[k]->svuota();
        txtRisultato[k]->impostaSfondo(celle.test(k) ? ColoreSistema : ColoreEscluso);
    }
    cmdStampa->setEnabled(false);
    if (partenza == Partenza::Subito) cmdAvvio_Click();
    return true;
}
