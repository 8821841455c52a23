// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and fonts of the windows.
#include "widgets/aspetto.h"

#include "widgets/posto.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPalette>
#include <QWidget>

namespace aspetto {

QColor colore(quint32 bbggrr)
{
    if (bbggrr & 0x80000000u) // a system colour: window background (5) or button face (15)
        return QApplication::palette().color((bbggrr & 0xFF) == 15 ? QPalette::Button : QPalette::Base);
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

void coloraFinestra(QWidget *finestra, quint32 sfondo, quint32 testo)
{
    QPalette pal = finestra->palette();
    pal.setColor(QPalette::Window, colore(sfondo));
    pal.setColor(QPalette::WindowText, colore(testo));
    finestra->setPalette(pal);
    finestra->setAutoFillBackground(true);
}

// Sizes are given in points of a 96-dpi layout (20 twips a point), so text keeps its place in the
// fixed twips layout whatever the screen's logical dpi.
static QFont font(const QString &famiglia, qreal punti)
{
    QFont f(famiglia);
    f.setPixelSize(qRound(punti * 20.0 / TwipsPerPixel));
    return f;
}

QFont fontComic(qreal punti, Peso peso)
{
    QFont f = font(QStringLiteral("Comic Sans MS"), punti);
    f.setBold(peso == Peso::Grassetto);
    return f;
}

namespace {
Famiglia scelta = Famiglia::Comic;
} // namespace

void impostaFamigliaParole(Famiglia famiglia)
{
    scelta = famiglia;
}

Famiglia famigliaParole()
{
    return scelta;
}

QString famigliaLeggibile()
{
    // Andika, made for children learning to read, where OpenDyslexic's package is missing.
    const QStringList installate = QFontDatabase::families();
    for (const QString &nome : {QStringLiteral("OpenDyslexic"), QStringLiteral("Andika")})
        if (installate.contains(nome)) return nome;
    return {};
}

QFont fontParole(qreal punti, Peso peso)
{
    QFont f = fontComic(punti, peso);
    if (scelta == Famiglia::Leggibile) {
        static const QString leggibile = famigliaLeggibile();
        if (!leggibile.isEmpty()) f.setFamily(leggibile);
    }
    return f;
}

QFont fontArial(qreal punti)
{
    return font(QStringLiteral("Arial"), punti);
}

QFont conEmoji(QFont f)
{
    // Left to fontconfig, the common faces come from the first fallback that has them, a black
    // and white text font. The family is resolved first: an alias in a list of families is lost.
    f.setFamilies({QFontInfo(f).family(), QStringLiteral("Noto Color Emoji")});
    return f;
}

} // namespace aspetto
