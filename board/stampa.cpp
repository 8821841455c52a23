// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the finished table with the child's name as its title.
#include "board/frmnumerella.h"
#include "printing/tipografia.h"
#include "record/nome.h"
#include "widgets/dialoghiscalati.h"
#include "widgets/scala.h"

void FrmNumerella::cmdStampa_Click()
{
    // The name prompt and the print messages are read from as far as the board is.
    const DialoghiScalati dialoghi(scalatura::corrente(this).fattore);
    nascondiIntestazioni();
    const bool aperta = isVisible();
    const QString nome = m_tipografia.chiediNome(this);
    // Closed (by the window system or a signal) while the prompt was open: nothing to print.
    if (aperta && isHidden()) return;
    lblTitolo->setText(nome.isEmpty() ? QStringLiteral("La Numerella") : nomeSuUnaRiga(nome));
    // The blink timer keeps running while any dialog is open: the headers are hidden again right
    // before each page is drawn, so no page ever shows a factor.
    // Today's practice is a word for the screen, not part of the finished table: hidden again right
    // before each page too, as the record may count it anew while the print dialog is open.
    const bool ripasso = !lblRipasso->isHidden();
    nascondiIntestazioni();
    lblRipasso->hide();
    m_tipografia.primaDiOgniPagina([this] {
        nascondiIntestazioni();
        lblRipasso->hide();
    });
    m_tipografia.stampa(this);
    lblRipasso->setVisible(ripasso);
    m_tipografia.primaDiOgniPagina({});
    mostraIntestazioni();
}
