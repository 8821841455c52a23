// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the game aloud, for a child who does not read yet, and the game without hurry.
//
// The voice says the words a screen reader is told, when they are told. Beside a running screen
// reader it stays quiet unless asked for by name (--voce, or a click on its switch), so the child
// never hears the same words twice at once.
#include "board/disposizione.h"
#include "board/frmnumerella.h"
#include "info/frminfo.h"
#include "widgets/aspetto.h"
#include "widgets/scala.h"

#include <QAccessible>
#include <QCheckBox>

using namespace aspetto;

void FrmNumerella::usaSintesi(Sintesi &sintesi)
{
    m_sintesi = &sintesi;
    connect(m_sintesi, &Sintesi::servizioCambiato, this, &FrmNumerella::aggiornaCasellaVoce);
    aggiornaCasellaVoce();
}

void FrmNumerella::impostaVoce(Voce voce)
{
    m_voce = voce;
    if (voce != Voce::Spenta) {
        if (!chkVoce) {
            chkVoce = new QCheckBox(this);
            chkVoce->setObjectName(QStringLiteral("chkVoce"));
            scalatura::posa(chkVoce, disposizione::chkVoce);
            chkVoce->setFont(fontParole(8.25));
            chkVoce->setFocusPolicy(Qt::TabFocus);
            chkVoce->setLayoutDirection(layoutDirection());
            connect(chkVoce, &QCheckBox::clicked, this, &FrmNumerella::chkVoce_Click);
            // Its box grows with the board, as its words do.
            const auto misuraCasella = [this](qreal fattore) {
                chkVoce->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                                           .arg(qRound(13 * fattore)));
            };
            connect(this, &FrmNumerella::scalaCambiata, chkVoce, misuraCasella);
            misuraCasella(scalatura::corrente(this).fattore);
            // Last but one in the order of the keys: Exit stays the last.
            setTabOrder(Check1, chkVoce);
            setTabOrder(chkVoce, cmdRiprendi);
            chkVoce->show();
        }
        if (m_sintesi) m_sintesi->prepara();
    } else if (m_sintesi)
        m_sintesi->taci();
    if (chkVoce) chkVoce->setChecked(voce != Voce::Spenta);
    aggiornaCasellaVoce();
    if (m_info) m_info->mostraSostegni(sostegni());
}

void FrmNumerella::chkVoce_Click()
{
    // A click is asking for the voice by name.
    impostaVoce(chkVoce->isChecked() ? Voce::Chiesta : Voce::Spenta);
    if (m_voce != Voce::Spenta) leggi(chkVoce->text());
}

void FrmNumerella::aggiornaCasellaVoce()
{
    if (!chkVoce) return;
    const bool assente = m_sintesi && m_sintesi->servizio() == Servizio::Assente;
    if (assente) {
        //: The voice switch when the computer has no speech service: short, it is a small box.
        chkVoce->setText(tr("Voce non disponibile"));
        chkVoce->setToolTip(tr("Per leggere ad alta voce serve il servizio di sintesi vocale "
                               "(speech-dispatcher). Il gioco va avanti senza."));
    } else {
        //: The switch that reads the game aloud.
        chkVoce->setText(tr("Leggi ad alta voce"));
        chkVoce->setToolTip(QString());
    }
    chkVoce->setAccessibleName(chkVoce->text());
    chkVoce->setEnabled(!assente);
}

void FrmNumerella::leggi(const QString &parole)
{
    if (!m_sintesi || m_voce == Voce::Spenta || parole.isEmpty()) return;
    // A screen reader already says these words.
    if (m_voce != Voce::Chiesta && QAccessible::isActive()) return;
    m_sintesi->dici(parole);
}

void FrmNumerella::impostaRitmo(Ritmo ritmo)
{
    m_ritmo = ritmo;
    // The stopwatch still counts, for the record; nobody sees it.
    FraTimer->setVisible(this->ritmo() == Ritmo::Cronometro);
    if (m_info) m_info->mostraSostegni(sostegni());
}

void FrmNumerella::impostaRitmoGiocatore(Ritmo ritmo)
{
    m_ritmoGiocatore = ritmo;
    FraTimer->setVisible(this->ritmo() == Ritmo::Cronometro);
}

Sostegni FrmNumerella::sostegni() const
{
    const bool uno =
        m_voce != Voce::Spenta || m_ritmo == Ritmo::SenzaFretta || famigliaParole() == Famiglia::Leggibile;
    return uno ? Sostegni::Mostrati : Sostegni::Nascosti;
}
