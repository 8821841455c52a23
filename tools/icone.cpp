// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: draws the program's SVG icon as a square PNG of the size asked for.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: numerella_icone ICON.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int lato = QByteArray(argv[2]).toInt();
    if (!svg.isValid() || lato < 1) {
        std::fprintf(stderr, "numerella_icone: cannot draw %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    svg.render(&pittore);
    pittore.end();
    if (!immagine.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "numerella_icone: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
