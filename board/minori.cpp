// SPDX-License-Identifier: GPL-3.0-or-later
// The small controls: focus that follows the mouse, the sound switch, Exit, Info and the counters.
#include "board/frmnumerella.h"
#include "info/frminfo.h"
#include "widgets/tocco.h"

#include <QApplication>
#include <QCloseEvent>

bool FrmNumerella::eventFilter(QObject *o, QEvent *e)
{
    // Installed on the buttons and keys only. A finger sliding over the board is no pointer resting there.
    if ((e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) && !tocco::daDito(e))
        seguiIlMouse(static_cast<QWidget *>(o));
    return QWidget::eventFilter(o, e);
}

void FrmNumerella::seguiIlMouse(QWidget *controllo)
{
    if (controllo->isEnabled() && controllo->isVisible() && !controllo->hasFocus())
        controllo->setFocus(Qt::MouseFocusReason);
}

void FrmNumerella::Check1_Click()
{
    m_stato.SuonoSpento = m_stato.SuonoSpento == 0 ? 1 : 0;
    suona(Clip::Tasto); // heard only when the click turned sound back on
}

void FrmNumerella::cmdEnd_Click()
{
    Timer1->stop();
    TmrTimer->stop();
    if (m_info) delete m_info.data();
    hide();
    QCoreApplication::quit();
}

void FrmNumerella::closeEvent(QCloseEvent *e)
{
    // Closing is never refused and asks nothing, also in the middle of a game.
    e->accept();
    cmdEnd_Click();
}

void FrmNumerella::cmdInfo_Click()
{
    suona(Clip::Tasto);
    apriInfo();
}

void FrmNumerella::Contatore_Click()
{
    cmdInfo->setFocus(Qt::OtherFocusReason);
}
