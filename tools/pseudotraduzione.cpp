// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a pseudo-language from a .ts file: every text 40 % longer and in brackets, to see what gets cut.
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

/// How much longer than the source a translation is made (German runs about a third longer).
constexpr double Allungamento = 0.4;

/// "Stop" becomes "[Stop~~]"; leading spaces stay in front, where the layout uses them.
QString allunga(const QString &testo)
{
    if (testo == u"QT_LAYOUT_DIRECTION") return QStringLiteral("LTR");
    qsizetype inizio = 0;
    while (inizio < testo.size() && testo[inizio] == u' ')
        ++inizio;
    const QString resto = testo.mid(inizio);
    if (resto.isEmpty()) return testo;
    const auto aggiunta = qsizetype(resto.size() * Allungamento + 0.999);
    return testo.left(inizio) + u'[' + resto + QString(aggiunta, u'~') + u']';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() != 3) {
        std::fputs("uso: pseudotraduzione ORIGINE.ts PSEUDO.ts\n", stderr);
        return 2;
    }
    QFile origine(argomenti[1]), pseudo(argomenti[2]);
    if (!origine.open(QIODevice::ReadOnly) || !pseudo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pseudotraduzione: non riesco ad aprire %s o %s\n", qPrintable(argomenti[1]),
                     qPrintable(argomenti[2]));
        return 1;
    }
    QXmlStreamReader lettore(&origine);
    QXmlStreamWriter scrittore(&pseudo);
    scrittore.setAutoFormatting(true);
    scrittore.writeStartDocument();
    QString sorgente;
    bool plurale = false;
    while (!lettore.atEnd()) {
        lettore.readNext();
        if (lettore.isStartElement()) {
            const QStringView nome = lettore.name();
            if (nome == u"translation") {
                // The source's own translation, whatever it was, is replaced.
                lettore.skipCurrentElement();
                scrittore.writeStartElement(QStringLiteral("translation"));
                if (plurale) {
                    // The source language's two forms.
                    for (int forma = 0; forma < 2; ++forma)
                        scrittore.writeTextElement(QStringLiteral("numerusform"), allunga(sorgente));
                } else {
                    scrittore.writeCharacters(allunga(sorgente));
                }
                scrittore.writeEndElement();
                continue;
            }
            scrittore.writeStartElement(nome.toString());
            for (const QXmlStreamAttribute &a : lettore.attributes()) {
                // Two plural forms, as the source language has.
                if (nome == u"TS" && a.name() == u"language")
                    scrittore.writeAttribute(QStringLiteral("language"), QStringLiteral("it_IT"));
                else
                    scrittore.writeAttribute(a);
            }
            if (nome == u"message") plurale = lettore.attributes().value(QLatin1String("numerus")) == u"yes";
            if (nome == u"source") {
                sorgente = lettore.readElementText();
                scrittore.writeCharacters(sorgente);
                scrittore.writeEndElement();
            }
        } else if (lettore.isEndElement()) {
            scrittore.writeEndElement();
        } else if (lettore.isCharacters() && !lettore.isWhitespace()) {
            scrittore.writeCharacters(lettore.text().toString());
        }
    }
    scrittore.writeEndDocument();
    if (lettore.hasError()) {
        std::fprintf(stderr, "pseudotraduzione: %s: %s\n", qPrintable(argomenti[1]),
                     qPrintable(lettore.errorString()));
        return 1;
    }
    return 0;
}
