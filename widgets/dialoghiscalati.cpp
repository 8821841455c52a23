// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs at the board's scale, for as long as a dialog step lasts.
#include "widgets/dialoghiscalati.h"

#include "widgets/scaladialogo.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace {
/// The one at work: a step nested in another (a prompt inside a rename) leaves the sizes as they are.
const DialoghiScalati *attivo = nullptr;
} // namespace

DialoghiScalati::DialoghiScalati(qreal fattore)
    : m_finestra(QApplication::activeWindow()), m_prima(QApplication::font()), m_fattore(fattore)
{
    if (m_fattore <= 1.0 || attivo) {
        m_fattore = 1.0;
        return;
    }
    attivo = this;
    QFont f = m_prima;
    if (f.pixelSize() > 0)
        f.setPixelSize(qRound(f.pixelSize() * m_fattore));
    else
        f.setPointSizeF(f.pointSizeF() * m_fattore);
    QApplication::setFont(f);
    qApp->installEventFilter(this);
}

DialoghiScalati::~DialoghiScalati()
{
    if (m_finestra && m_finestra->isVisible() && QApplication::activeWindow() != m_finestra)
        m_finestra->activateWindow();
    if (attivo != this) return;
    attivo = nullptr;
    QApplication::setFont(m_prima);
}

bool DialoghiScalati::eventFilter(QObject *oggetto, QEvent *evento)
{
    // Before the dialog is shown, so that it opens at its final size.
    if (evento->type() == QEvent::Show)
        if (auto *dialogo = qobject_cast<QDialog *>(oggetto)) {
            centraPulsanti(dialogo);
            ScalaDialogo::applica(dialogo, m_fattore, m_prima);
        }
    return false;
}

void centraPulsanti(QWidget *dialogo)
{
    if (dialogo->isRightToLeft() && dialogo->styleSheet().isEmpty())
        dialogo->setStyleSheet(QStringLiteral("QPushButton { text-align: center; }"));
}
