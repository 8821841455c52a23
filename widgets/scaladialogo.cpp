// SPDX-License-Identifier: GPL-3.0-or-later
// One standard dialog at a window's scale: its font, margins, spacings, icons and a message box's width.
#include "widgets/scaladialogo.h"

#include "widgets/disposizioniscalate.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <iterator>

namespace {

/// The width Qt lets a message box's text reach before wrapping it, on X11 at scale 1.
constexpr int LarghezzaMorbida = 500;

int per(int pixel, qreal fattore)
{
    return pixel < 0 ? pixel : qRound(pixel * fattore);
}

} // namespace

void ScalaDialogo::applica(QDialog *dialogo, qreal fattore, const QFont &base)
{
    if (fattore <= 1.0 || dialogo->findChild<ScalaDialogo *>(QString(), Qt::FindDirectChildrenOnly)) return;
    new ScalaDialogo(dialogo, fattore, base);
}

ScalaDialogo::ScalaDialogo(QDialog *dialogo, qreal fattore, const QFont &base)
    : QObject(dialogo), m_dialogo(dialogo), m_fattore(fattore)
{
    // Its own font, so that it keeps the scale after the application's font goes back.
    QFont f = base;
    if (f.pixelSize() > 0)
        f.setPixelSize(per(f.pixelSize(), m_fattore));
    else
        f.setPointSizeF(f.pointSizeF() * m_fattore);
    dialogo->setFont(f);
    ingrandisci();
    // Qt sized the dialog before its margins grew to this scale: a wrapped text may need more lines
    // now. A message box sizes itself.
    if (!qobject_cast<QMessageBox *>(dialogo) && !dialogo->testAttribute(Qt::WA_Resized) &&
        dialogo->layout() && dialogo->layout()->hasHeightForWidth())
        dialogo->adjustSize();
    dialogo->installEventFilter(this);
}

void ScalaDialogo::ingrandisci()
{
    DisposizioniScalate(m_dialogo).applica(m_fattore);
    ingrandisciIcona();
}

void ScalaDialogo::ingrandisciIcona()
{
    const int iconaPulsante =
        per(m_dialogo->style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, m_dialogo), m_fattore);
    for (QAbstractButton *b : m_dialogo->findChildren<QAbstractButton *>())
        b->setIconSize(QSize(iconaPulsante, iconaPulsante));
    auto *scatola = qobject_cast<QMessageBox *>(m_dialogo);
    if (!scatola || scatola->icon() == QMessageBox::NoIcon) return;
    auto *icona = scatola->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!icona) return;
    const QStyle::StandardPixmap figura = [&] {
        switch (scatola->icon()) {
        case QMessageBox::Warning:
            return QStyle::SP_MessageBoxWarning;
        case QMessageBox::Critical:
            return QStyle::SP_MessageBoxCritical;
        case QMessageBox::Question:
            return QStyle::SP_MessageBoxQuestion;
        default:
            return QStyle::SP_MessageBoxInformation;
        }
    }();
    // As big as Qt shows it at scale 1 (the style's size, or the icon's largest if smaller), times the scale.
    const QIcon disegno = scatola->style()->standardIcon(figura, nullptr, scatola);
    const int misura = scatola->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, scatola);
    const qreal dpr = scatola->devicePixelRatioF();
    const int lato =
        per(qRound(disegno.pixmap(QSize(misura, misura), dpr).deviceIndependentSize().width()), m_fattore);
    QPixmap grande = disegno.pixmap(QSize(lato, lato), dpr);
    // An icon drawn only up to a smaller size is given back at that size: stretch it.
    if (grande.deviceIndependentSize().width() < lato) {
        grande = grande.scaled(QSize(lato, lato) * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        grande.setDevicePixelRatio(dpr);
    }
    icona->setPixmap(grande);
}

bool ScalaDialogo::eventFilter(QObject *oggetto, QEvent *evento)
{
    // A message box sizes itself, and sets its icon again, on these events: widen it right after.
    static constexpr QEvent::Type Ridimensionano[] = {QEvent::Show, QEvent::LayoutRequest, QEvent::FontChange,
                                                      QEvent::ApplicationFontChange, QEvent::StyleChange};
    if (oggetto != m_dialogo || m_allargando || !qobject_cast<QMessageBox *>(m_dialogo) ||
        std::find(std::begin(Ridimensionano), std::end(Ridimensionano), evento->type()) ==
            std::end(Ridimensionano))
        return false;
    m_allargando = true;
    static_cast<QObject *>(m_dialogo)->event(evento);
    ingrandisciIcona();
    allarga();
    m_allargando = false;
    return true; // delivered: not again after this
}

void ScalaDialogo::allarga()
{
    auto *testo = m_dialogo->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    QLayout *l = m_dialogo->layout();
    if (!testo || !l || !m_dialogo->isVisible()) return;
    const QScreen *schermo = m_dialogo->screen();
    const int massima = schermo ? schermo->availableGeometry().width() * 9 / 10 : 1920;
    // Qt's own limit at scale 1: half the screen, at most 500 pixels.
    const int morbida = qMin(
        per(qMin(schermo ? schermo->availableGeometry().width() / 2 : LarghezzaMorbida, LarghezzaMorbida),
            m_fattore),
        massima);
    testo->setWordWrap(false);
    int larghezza = l->totalMinimumSize().width();
    if (larghezza > morbida) {
        testo->setWordWrap(true);
        larghezza = qMin(qMax(morbida, l->totalMinimumSize().width()), massima);
    }
    const int altezza =
        l->hasHeightForWidth() ? l->totalHeightForWidth(larghezza) : l->totalMinimumSize().height();
    const QSize prima = m_dialogo->size();
    m_dialogo->setFixedSize(larghezza, altezza);
    // Placed for its narrower self: centred again over its window (or the screen), within the screen.
    if (prima != m_dialogo->size() && schermo) {
        QRect dopo(QPoint(), m_dialogo->size());
        const QWidget *sopra = m_dialogo->parentWidget() ? m_dialogo->parentWidget()->window() : nullptr;
        dopo.moveCenter(sopra ? sopra->geometry().center() : schermo->availableGeometry().center());
        const QRect area = schermo->availableGeometry();
        dopo.moveLeft(qBound(area.left(), dopo.left(), qMax(area.left(), area.right() - dopo.width())));
        dopo.moveTop(qBound(area.top(), dopo.top(), qMax(area.top(), area.bottom() - dopo.height())));
        m_dialogo->move(dopo.topLeft());
    }
}
