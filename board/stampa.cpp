// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the finished table with the child's name as its title.
#include "board/frmnumerella.h"
#include "services/tipografia.h"
#include "widgets/fontdialoghi.h"
#include "widgets/scala.h"

void FrmNumerella::cmdStampa_Click()
{
    // The name prompt and the print messages are read from as far as the board is.
    const FontDialoghi font(scala::di(this).fattore);
    nascondiIntestazioni();
    const QString nome = m_tipografia.chiediNome(this);
    lblTitolo->setText(nome.isEmpty() ? QStringLiteral("La Numerella") : nome);
    // The blink timer kept running while the prompt was open: hide the headers again so the
    // page never shows a factor.
    nascondiIntestazioni();
    m_tipografia.stampa(this);
    mostraIntestazioni();
}
