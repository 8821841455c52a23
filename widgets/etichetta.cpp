// SPDX-License-Identifier: GPL-3.0-or-later
// A label on a transparent background whose text colour is a 0x00BBGGRR value.
#include "widgets/etichetta.h"

#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"
#include "widgets/disegno.h"
#include "widgets/tocco.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>

Etichetta::Etichetta(const QString &testo, QWidget *parent) : QLabel(testo, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText); // a typed name is shown as typed, never read as markup
    accessibilita::installa();
}

void Etichetta::impostaColore(quint32 bbggrr)
{
    m_colore = bbggrr;
    const bool primaVelata = accessibilita::mimetizzata(this);
    disegno::impostaRuolo(this, QPalette::WindowText, aspetto::colore(bbggrr));
    // In the background colour the label is unseen: tell assistive technology when that flips.
    if (accessibilita::mimetizzata(this) != primaVelata) {
        QAccessible::State cambiato;
        cambiato.invisible = true;
        QAccessibleStateChangeEvent evento(this, cambiato);
        QAccessible::updateAccessibility(&evento);
    }
}

void Etichetta::mousePressEvent(QMouseEvent *e)
{
    // A finger has no right button: what it means is known only when it lifts or rests long enough.
    if (tocco::daDito(e) && e->button() == Qt::LeftButton) {
        if (!m_timerTocco) {
            m_timerTocco = new QTimer(this);
            m_timerTocco->setSingleShot(true);
            m_timerTocco->setInterval(DurataPressioneLunga);
            connect(m_timerTocco, &QTimer::timeout, this, &Etichetta::pressioneLunga);
        }
        m_tocco = Tocco::InAttesa;
        m_puntoTocco = e->position().toPoint();
        m_timerTocco->start();
        e->accept();
        return;
    }
    Q_EMIT premuto(e->button());
    QLabel::mousePressEvent(e);
}

void Etichetta::mouseMoveEvent(QMouseEvent *e)
{
    // A finger that slides away is neither a tap nor a long press.
    if (m_tocco == Tocco::InAttesa && (e->position().toPoint() - m_puntoTocco).manhattanLength() >
                                          QGuiApplication::styleHints()->startDragDistance()) {
        m_tocco = Tocco::Nessuno;
        m_timerTocco->stop();
    }
    QLabel::mouseMoveEvent(e);
}

void Etichetta::mouseReleaseEvent(QMouseEvent *e)
{
    const Tocco tocco = m_tocco;
    m_tocco = Tocco::Nessuno;
    if (m_timerTocco) m_timerTocco->stop();
    if (tocco == Tocco::InAttesa && tocco::daDito(e)) Q_EMIT premuto(Qt::LeftButton);
    QLabel::mouseReleaseEvent(e);
}

void Etichetta::pressioneLunga()
{
    if (m_tocco != Tocco::InAttesa) return;
    m_tocco = Tocco::Lungo;
    Q_EMIT premuto(Qt::RightButton);
}

void Etichetta::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click has already come as a press of its own.
    e->accept();
}

void Etichetta::impostaAdattamento(Adattamento adattamento)
{
    m_adattamento = adattamento;
    update();
}

QFont Etichetta::fontMostrato() const
{
    QFont f = font();
    if (m_adattamento == Adattamento::Fisso || f.pixelSize() <= 0) return f;
    const int disponibile = contentsRect().width();
    // Shrink in whole pixels until the text fits, but keep it readable.
    constexpr int Minimo = 6;
    // Measured as the text is laid out, bearings included: its advance alone may be a pixel short.
    const auto larghezza = [&](const QFont &font) {
        return QFontMetrics(font).boundingRect(QRect(0, 0, disponibile, 100000), 0, text()).width();
    };
    while (f.pixelSize() > Minimo && larghezza(f) > disponibile)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void Etichetta::paintEvent(QPaintEvent *e)
{
    const QFont f = fontMostrato();
    if (f == font()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(f);
    style()->drawItemText(&p, contentsRect(), int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}
