// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' pictures, cursor and icons.
#include "widgets/immagini.h"

#include "widgets/aspetto.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QSvgRenderer>
#include <algorithm>
#include <map>

namespace immagini {

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

static QColor coloreInchiostro(Inchiostro i)
{
    switch (i) {
    case Inchiostro::Nero:
        return Qt::black;
    case Inchiostro::Grigio:
        return QColor(0xB4, 0xB4, 0xB4);
    case Inchiostro::Rosso:
        return QColor(0xE0, 0, 0);
    }
    return Qt::black;
}

Immagine parola(const QString &testo, Sfumatura sfondo, QSize dimensione, int pixelFont, Inchiostro colore)
{
    const QColor bordo = coloreBordo(sfondo);
    const QColor inchiostro = coloreInchiostro(colore);
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
        // A word takes the face chosen for words; a key's digit keeps its own.
        const bool cifre = std::all_of(testo.cbegin(), testo.cend(), [](QChar c) { return !c.isLetter(); });
        QFont f = cifre ? aspetto::fontComic(10, aspetto::Peso::Grassetto)
                        : aspetto::fontParole(10, aspetto::Peso::Grassetto);
        f.setPixelSize(pixelFont);
        // A word of a picture reads as written: the erase key's arrow must not turn round in a language
        // written from right to left (whose words are laid out right to left by themselves).
        p.setLayoutDirection(Qt::LeftToRight);
        // A longer word (another language's) shrinks to fit the picture, with a little room at its ends.
        // Measured as this painter lays it out: a script the font lacks is drawn in a fallback font,
        // whose joined letters the bare advance underestimates.
        constexpr int Margine = 2, PixelMinimi = 6;
        p.setFont(f);
        while (f.pixelSize() > PixelMinimi &&
               p.boundingRect(r, Qt::AlignCenter, testo).width() > dimensione.width() - 2 * Margine) {
            f.setPixelSize(f.pixelSize() - 1);
            p.setFont(f);
        }
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

Immagine ok()
{
    //: The word drawn in red on the green key that gives the answer (and closes the instructions): the
    //: word of your language's OK buttons, in its own script; a longer one shrinks to fit.
    return parola(QCoreApplication::translate("immagini", "OK"), Sfumatura::Verde, QSize(113, 33), 22,
                  Inchiostro::Rosso);
}

QCursor cursoreMano(qreal fattore)
{
    // Made once per size, and let go with the application: a pixmap must not outlive its QGuiApplication.
    static std::map<int, QCursor> cursori;
    const int lato = qRound(32 * fattore);
    auto c = cursori.find(lato);
    if (c == cursori.end()) {
        if (cursori.empty()) qAddPostRoutine([] { cursori.clear(); });
        // Drawn from the vectors at its size, never a scaled-up picture.
        const QPixmap pm = svg(QStringLiteral("cursore_mano"), QSize(lato, lato)).pixmap(dprSchermo());
        c = cursori.emplace(lato, QCursor(pm, qRound(6 * fattore), qRound(5 * fattore))).first;
    }
    return c->second;
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
