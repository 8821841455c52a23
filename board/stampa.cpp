// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the finished table with the child's name as its title.
#include "board/frmnumerella.h"
#include "services/nome.h"
#include "services/tipografia.h"

void FrmNumerella::cmdStampa_Click()
{
    intestazioni(false);
    const bool aperta = isVisible();
    const QString nome = m_tipografia.chiediNome(this);
    // Closed (by the window system or a signal) while the prompt was open: nothing to print.
    if (aperta && isHidden()) return;
    lblTitolo->setText(nome.isEmpty() ? QStringLiteral("La Numerella") : nomeSuUnaRiga(nome));
    // The blink timer keeps running while any dialog is open: the headers are hidden again right
    // before each page is drawn, so no page ever shows a factor.
    intestazioni(false);
    m_tipografia.primaDiOgniPagina([this] { intestazioni(false); });
    m_tipografia.stampa(this);
    m_tipografia.primaDiOgniPagina({});
    intestazioni(true);
}
