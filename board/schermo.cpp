// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size: the board scaled uniformly and centred, and full screen on F11.
#include "board/disposizione.h"
#include "board/frmnumerella.h"
#include "info/frminfo.h"
#include "widgets/scala.h"

#include <QEvent>
#include <QScreen>
#include <QShortcut>

namespace lay = disposizione;

void FrmNumerella::collegaSchermo()
{
    m_schermoIntero = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(m_schermoIntero, &QShortcut::activated, this, &FrmNumerella::alternaSchermoIntero);
    // Escape keeps its other meanings unless it has a full screen to leave.
    m_esciSchermoIntero = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_esciSchermoIntero->setEnabled(false);
    connect(m_esciSchermoIntero, &QShortcut::activated, this, &FrmNumerella::alternaSchermoIntero);
}

void FrmNumerella::alternaSchermoIntero()
{
    impostaSchermoIntero(isFullScreen() ? Schermo::Finestra : Schermo::Intero);
}

void FrmNumerella::mostra(Schermo schermo)
{
    impostaSchermoIntero(schermo);
    show();
}

void FrmNumerella::impostaSchermoIntero(Schermo schermo)
{
    // Leaving full screen goes back to the window as it was, maximised or not. With no window manager
    // (a kiosk, a whiteboard session that starts only this program) nobody acts on the request:
    // the window takes the whole screen, and gives it back, itself.
    if (schermo == Schermo::Intero) {
        if (isFullScreen()) return;
        m_geometriaNormale = geometry();
        // (the place first: a place given later would take the full-screen state away again)
        if (const QScreen *s = screen()) setGeometry(s->geometry());
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        if (!isFullScreen()) return;
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (!isMaximized() && m_geometriaNormale.isValid()) setGeometry(m_geometriaNormale);
    }
}

void FrmNumerella::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    // (before the focus event that the activation brings)
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        diciAlRitorno();
        // The info window of the start-up, waiting for this one to be active.
        if (m_info && !m_info->isVisible() && isVisible()) m_info->mostra();
    }
    if (e->type() != QEvent::WindowStateChange) return;
    m_esciSchermoIntero->setEnabled(isFullScreen());
    if (lblTitolo->text() == m_titoloScritto) scriviTitolo();
}

void FrmNumerella::mostraGiocatore(const QString &nome)
{
    m_giocatore = nome;
    setWindowTitle(nome.isEmpty() ? QStringLiteral("La Numerella")
                                  : QStringLiteral("La Numerella – %1").arg(nome));
    if (lblTitolo->text() == m_titoloScritto) scriviTitolo();
}

void FrmNumerella::scriviTitolo()
{
    m_titoloScritto = isFullScreen() && !m_giocatore.isEmpty()
                          ? QStringLiteral("La Numerella – %1").arg(m_giocatore)
                          : QStringLiteral("La Numerella");
    lblTitolo->setText(m_titoloScritto);
}

void FrmNumerella::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    const Scala s = Scala::adatta(size(), QSize(px(lay::LarghezzaFinestra), px(lay::AltezzaFinestra)));
    const Scala ora = scalatura::corrente(this);
    if (s.fattore == ora.fattore && s.origine == ora.origine) return;
    // Everything is placed and sized again from the twips layout; the margins show the window's yellow.
    scalatura::applica(this, s);
    // The instructions stay at the board's scale, in front of it (full screen right at start-up).
    if (m_info) m_info->seguiLaScala();
    Q_EMIT scalaCambiata(s.fattore);
}

void FrmNumerella::moveEvent(QMoveEvent *e)
{
    QWidget::moveEvent(e);
    // A window manager moves a window that goes full screen after resizing it: centre the instructions again.
    if (m_info) m_info->seguiLaScala();
}
