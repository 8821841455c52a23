// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers for printed pages: rasterising a PDF and finding where coloured ink lies on it.
#pragma once

#include "attesa.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

namespace pagina {

inline bool haPdftoppm()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

/// The first page of \a pdf as pixels at \a dpi (null when it cannot be read).
inline QImage rasterizza(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("p"))});
    if (!p.waitForFinished(attesa::limite(60000)) || p.exitStatus() != QProcess::NormalExit ||
        p.exitCode() != 0)
        return {};
    return QImage(dir.filePath(QStringLiteral("p.png"))).convertToFormat(QImage::Format_RGB32);
}

using Scelta = std::function<bool(QRgb)>;

/// The bounding box of the pixels \a scelto picks (null when there is none).
inline QRect riquadro(const QImage &pagina, const Scelta &scelto)
{
    int x0 = pagina.width(), y0 = pagina.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < pagina.height(); ++y) {
        const auto *riga = reinterpret_cast<const QRgb *>(pagina.constScanLine(y));
        for (int x = 0; x < pagina.width(); ++x) {
            if (!scelto(riga[x])) continue;
            x0 = std::min(x0, x), x1 = std::max(x1, x);
            y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

/// How many pixels of \a zona \a scelto picks.
inline int conta(const QImage &pagina, const QRect &zona, const Scelta &scelto)
{
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        for (int x = zona.left(); x <= zona.right(); ++x)
            n += scelto(pagina.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

/// Anything that is not white paper.
inline bool inchiostro(QRgb c)
{
    return qRed(c) <= 245 || qGreen(c) <= 245 || qBlue(c) <= 245;
}
/// Plainly blue, or plainly red, as a shown header number is.
inline bool blu(QRgb c)
{
    return qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 40;
}
inline bool rosso(QRgb c)
{
    return qRed(c) > qGreen(c) + 40 && qRed(c) > qBlue(c) + 40;
}
/// Within \a tolleranza of \a colore on each channel.
inline Scelta vicino(QColor colore, int tolleranza)
{
    return [=](QRgb c) {
        return qAbs(qRed(c) - colore.red()) <= tolleranza && qAbs(qGreen(c) - colore.green()) <= tolleranza &&
               qAbs(qBlue(c) - colore.blue()) <= tolleranza;
    };
}

/// Where \a figlio of \a finestra falls on a page rasterised at \a dpi whose window starts at
/// \a origine, shrunk by a pixel so rounding never takes in a neighbour.
inline QRect suPagina(const QWidget *finestra, const QWidget *figlio, QPoint origine, int dpi)
{
    const QRect r(figlio->mapTo(finestra, QPoint()), figlio->size());
    const qreal s = dpi / 96.0;
    return QRect(origine + QPoint(qRound(r.x() * s), qRound(r.y() * s)),
                 QSize(qRound(r.width() * s), qRound(r.height() * s)))
        .adjusted(1, 1, -1, -1);
}

} // namespace pagina
