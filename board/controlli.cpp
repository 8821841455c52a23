// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of control the windows are made of.
#include "board/controlli.h"

#include "board/aspetto.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyleOptionFocusRect>

using aspetto::colore;

namespace {

/// Sets one palette role in every colour group, and only when it changes, so that unchanged
/// colours cost no repaint (the blink timer writes them four times a second).
void impostaRuolo(QWidget *w, QPalette::ColorRole ruolo, const QColor &c)
{
    QPalette pal = w->palette();
    if (pal.color(QPalette::Active, ruolo) == c && pal.color(QPalette::Disabled, ruolo) == c) return;
    pal.setColor(ruolo, c);
    w->setPalette(pal);
}

/// A raised (or, while pressed, sunken) 3-D button face showing a picture centred and clipped.
void disegnaPulsante(QWidget *w, quint32 sfondo, const immagini::Immagine &immagine, bool premuto)
{
    QPainter p(w);
    const QRect r = w->rect();
    p.fillRect(r, colore(sfondo));
    if (!immagine.isNull()) {
        const QSize d = immagine.dimensione();
        QPointF at((r.width() - d.width()) / 2.0, (r.height() - d.height()) / 2.0);
        if (premuto) at += QPointF(1, 1);
        // Drawn as vectors at the painter's own resolution: sharp on any screen and on paper.
        p.save();
        p.setClipRect(r.adjusted(2, 2, -2, -2));
        immagine.disegna(p, at);
        p.restore();
    }
    const QColor chiaro = premuto ? QColor(0x40, 0x40, 0x40) : Qt::white;
    const QColor scuro = premuto ? Qt::white : QColor(0x40, 0x40, 0x40);
    const QColor medio = premuto ? QColor(0xA0, 0xA0, 0xA0) : QColor(0x80, 0x80, 0x80);
    p.setPen(chiaro);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(scuro);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(medio);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    if (w->hasFocus()) {
        QPen punti(Qt::black, 1, Qt::DotLine);
        p.setPen(punti);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

/// Disabled by itself or by a frame, not merely because its window is (the info window
/// disables the whole main window, which must not turn every picture grey).
bool spento(const QWidget *w)
{
    return !w->isEnabledTo(w->window());
}

} // namespace

Cella::Cella(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    impostaRuolo(this, QPalette::Text, Qt::black);
    impostaSfondo(aspetto::Bianco);
}

void Cella::impostaSfondo(quint32 bbggrr)
{
    m_sfondo = bbggrr;
    impostaRuolo(this, QPalette::Base, colore(bbggrr));
}

bool Cella::esclusa() const
{
    return m_sfondo == aspetto::ColoreEscluso;
}

void Cella::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Q_EMIT invio();
        e->accept();
        return;
    }
    const bool modifica = !e->text().isEmpty() || e->key() == Qt::Key_Backspace ||
                          e->key() == Qt::Key_Delete || e->matches(QKeySequence::Paste) ||
                          e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Undo) ||
                          e->matches(QKeySequence::Redo);
    const bool navigazione = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
    if (modifica && !navigazione && m_puoScrivere && !m_puoScrivere(this)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void Cella::paintEvent(QPaintEvent *e)
{
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
    }
    QLineEdit::paintEvent(e);
    QPainter p(this);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

Etichetta::Etichetta(const QString &testo, QWidget *parent) : QLabel(testo, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText); // a typed name is shown as typed, never read as markup
}

void Etichetta::impostaColore(quint32 bbggrr)
{
    m_colore = bbggrr;
    impostaRuolo(this, QPalette::WindowText, aspetto::colore(bbggrr));
}

void Etichetta::mousePressEvent(QMouseEvent *e)
{
    Q_EMIT premuto(e->button());
    QLabel::mousePressEvent(e);
}

PulsanteGrafico::PulsanteGrafico(quint32 sfondo, immagini::Immagine immagine, immagini::Immagine grigia,
                                 QWidget *parent)
    : QPushButton(parent), m_sfondo(sfondo), m_immagine(std::move(immagine)), m_grigia(std::move(grigia))
{
    setCursor(immagini::cursoreMano());
}

const immagini::Immagine &PulsanteGrafico::immagineMostrata() const
{
    return spento(this) && !m_grigia.isNull() ? m_grigia : m_immagine;
}

void PulsanteGrafico::paintEvent(QPaintEvent *)
{
    disegnaPulsante(this, m_sfondo, immagineMostrata(), isDown());
}

void PulsanteGrafico::keyPressEvent(QKeyEvent *e)
{
    // Return presses the button that has the focus, as Space does.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat())
        click();
    else
        QPushButton::keyPressEvent(e);
}

CasellaGrafica::CasellaGrafica(quint32 sfondo, immagini::Immagine spuntata, immagini::Immagine nonSpuntata,
                               QWidget *parent)
    : QCheckBox(parent), m_sfondo(sfondo), m_spuntata(std::move(spuntata)),
      m_nonSpuntata(std::move(nonSpuntata))
{
    setCursor(immagini::cursoreMano());
}

const immagini::Immagine &CasellaGrafica::immagineMostrata() const
{
    return isChecked() ? m_spuntata : m_nonSpuntata;
}

void CasellaGrafica::paintEvent(QPaintEvent *)
{
    disegnaPulsante(this, m_sfondo, immagineMostrata(), isDown() || isChecked());
}

Contatore::Contatore(Qt::Alignment allineamento, QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setReadOnly(true);
    setAlignment(allineamento | Qt::AlignVCenter);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFont(aspetto::fontArial(15.75));
    impostaRuolo(this, QPalette::Text, colore(aspetto::Rosso));
    impostaRuolo(this, QPalette::Base, colore(aspetto::GialloChiaro));
}

void Contatore::mouseReleaseEvent(QMouseEvent *e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint())) Q_EMIT cliccato();
}

void Contatore::paintEvent(QPaintEvent *e)
{
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
    }
    QLineEdit::paintEvent(e);
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
