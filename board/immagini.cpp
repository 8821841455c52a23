// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' pictures, cursor and icons.
#include "board/immagini.h"

#include "board/aspetto.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QSvgRenderer>

namespace immagini {

Immagine::Immagine(QSize dimensione, std::function<void(QPainter &)> disegna)
    : m_dimensione(dimensione),
      m_disegna(std::make_shared<std::function<void(QPainter &)>>(std::move(disegna)))
{
}

QPixmap Immagine::pixmap(qreal dpr) const
{
    if (!m_disegna) return {};
    if (m_cache.isNull() || !qFuzzyCompare(m_cache.devicePixelRatio(), dpr)) {
        QPixmap pm(m_dimensione * dpr);
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        (*m_disegna)(p);
        m_cache = pm;
    }
    return m_cache;
}

void Immagine::disegna(QPainter &p, QPointF posizione) const
{
    if (!m_disegna) return;
    p.save();
    p.translate(posizione);
    p.setClipRect(QRect(QPoint(0, 0), m_dimensione), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    (*m_disegna)(p);
    p.restore();
}

static QColor coloreBordo(Sfumatura s)
{
    switch (s) {
    case Sfumatura::Arancio:
        return QColor(0xFF, 0x80, 0x00);
    case Sfumatura::Rosso:
        return QColor(0xE8, 0x10, 0x10);
    case Sfumatura::Magenta:
        return QColor(0xF0, 0x30, 0xF0);
    case Sfumatura::Lavanda:
        return QColor(0xA8, 0x90, 0xF0);
    case Sfumatura::Verde:
        return QColor(0x10, 0xC0, 0x10);
    }
    return Qt::white;
}

Immagine parola(const QString &testo, Sfumatura sfondo, QSize dimensione, int pixelFont, bool grigio,
                bool rosso)
{
    const QColor bordo = coloreBordo(sfondo);
    const QColor inchiostro = grigio ? QColor(0xB4, 0xB4, 0xB4) : rosso ? QColor(0xE0, 0, 0) : Qt::black;
    return Immagine(dimensione, [=](QPainter &p) {
        const QRectF r(QPointF(0, 0), QSizeF(dimensione));
        QRadialGradient g(r.center(), qMax(r.width(), r.height()) * 0.62);
        // Stretch the circle into an ellipse that reaches the corners of wide pictures.
        g.setColorAt(0.0, Qt::white);
        g.setColorAt(0.35, Qt::white);
        g.setColorAt(1.0, bordo);
        p.save();
        p.translate(r.center());
        p.scale(1.0, r.height() / r.width());
        p.translate(-r.center());
        p.fillRect(QRectF(0, r.center().y() - r.width() / 2, r.width(), r.width()), g);
        p.restore();
        QFont f = aspetto::fontComic(10, true);
        f.setPixelSize(pixelFont);
        p.setFont(f);
        p.setPen(inchiostro);
        p.drawText(r, Qt::AlignCenter, testo);
    });
}

Immagine svg(const QString &nome, QSize dimensione)
{
    auto renderer = std::make_shared<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(nome));
    return Immagine(dimensione, [renderer, dimensione](QPainter &p) {
        renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(dimensione)));
    });
}

static qreal dprSchermo()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

QCursor cursoreMano()
{
    static const QCursor cursore(svg(QStringLiteral("cursore_mano"), QSize(32, 32)).pixmap(dprSchermo()), 6,
                                 5);
    return cursore;
}

static QIcon icona(const QString &nome)
{
    QIcon i;
    for (int lato : {16, 24, 32, 48, 64, 128})
        i.addPixmap(svg(nome, QSize(lato, lato)).pixmap(1.0));
    return i;
}

QIcon iconaFinestra()
{
    return icona(QStringLiteral("icona"));
}
QIcon iconaInfo()
{
    return icona(QStringLiteral("icona_info"));
}

} // namespace immagini
