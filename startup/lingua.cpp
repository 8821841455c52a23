// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: chosen from the command line, the settings file or the system; Italian by default.
#include "startup/lingua.h"

#include "startup/opzioni.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <algorithm>
#include <iterator>

namespace {

const QString Italiano = QStringLiteral("it");

/// The translators installed now, taken away when the language changes; they go with the application
/// that installed them (the command line's, before the windows' one).
struct Traduttori
{
    QPointer<QTranslator> nostro;
    QPointer<QTranslator> diQt;
    QPointer<QTranslator> diQtNostro; ///< Qt's texts where Debian's are missing or do not suit
};

Traduttori &installati()
{
    static Traduttori t;
    return t;
}

void togli(QPointer<QTranslator> &traduttore)
{
    if (!traduttore) return;
    QCoreApplication::removeTranslator(traduttore);
    delete traduttore.data();
}

/// Installs \a traduttore when \a caricato, else deletes it; returns \a caricato.
bool installa(QPointer<QTranslator> &posto, QTranslator *traduttore, bool caricato)
{
    if (!caricato) {
        delete traduttore;
        return false;
    }
    posto = traduttore;
    return QCoreApplication::installTranslator(traduttore);
}

QString fileDi(const QString &codice)
{
    return QStringLiteral(":/traduzioni/numerella_%1.qm").arg(codice);
}

QLocale localeDi(const QString &codice)
{
    // Italian is Italy's; the others take their language's main country, but for Arabic, which takes
    // the Maghreb's Western digits: those of the board, its keypad and its counts, so that a date and a
    // time never show two kinds of digits side by side.
    if (codice == Italiano) return QLocale(QLocale::Italian, QLocale::Italy);
    if (codice == QLatin1String("ar")) return QLocale(QLocale::Arabic, QLocale::Morocco);
    return QLocale(codice);
}

// One text per day of the month, since the article before a date depends on how its day is read out.
constexpr struct
{
    const char *testo, *giorno;
} IlGiorno[] = {
    //: The word before a date (%1: "8 dicembre" or "08/12/2026") whose day of the month is the number in
    //: the comment: "il 3 dicembre", but "l'8 dicembre", since Italian elides the article before a day read
    //: with a vowel (1, 8, 11). Give what your language puts before a date on that day ("am %1", "le %1",
    //: "on %1").
    QT_TRANSLATE_NOOP3("giorno", "l'%1", "1"),   QT_TRANSLATE_NOOP3("giorno", "il %1", "2"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "3"),  QT_TRANSLATE_NOOP3("giorno", "il %1", "4"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "5"),  QT_TRANSLATE_NOOP3("giorno", "il %1", "6"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "7"),  QT_TRANSLATE_NOOP3("giorno", "l'%1", "8"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "9"),  QT_TRANSLATE_NOOP3("giorno", "il %1", "10"),
    QT_TRANSLATE_NOOP3("giorno", "l'%1", "11"),  QT_TRANSLATE_NOOP3("giorno", "il %1", "12"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "13"), QT_TRANSLATE_NOOP3("giorno", "il %1", "14"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "15"), QT_TRANSLATE_NOOP3("giorno", "il %1", "16"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "17"), QT_TRANSLATE_NOOP3("giorno", "il %1", "18"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "19"), QT_TRANSLATE_NOOP3("giorno", "il %1", "20"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "21"), QT_TRANSLATE_NOOP3("giorno", "il %1", "22"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "23"), QT_TRANSLATE_NOOP3("giorno", "il %1", "24"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "25"), QT_TRANSLATE_NOOP3("giorno", "il %1", "26"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "27"), QT_TRANSLATE_NOOP3("giorno", "il %1", "28"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "29"), QT_TRANSLATE_NOOP3("giorno", "il %1", "30"),
    QT_TRANSLATE_NOOP3("giorno", "il %1", "31"),
};

} // namespace

QStringList lingueDisponibili()
{
    return {Italiano,
            QStringLiteral("de"),
            QStringLiteral("fr"),
            QStringLiteral("en"),
            QStringLiteral("es"),
            QStringLiteral("ro"),
            QStringLiteral("ar")};
}

QString linguaDaUsare(const QString &richiesta)
{
    const QStringList lingue = lingueDisponibili();
    if (lingue.contains(richiesta)) return richiesta;
    const QLocale sistema = QLocale::system();
    // An unset or "C" locale says nothing of the user's language.
    if (sistema.language() == QLocale::C) return Italiano;
    for (const QString &lingua : sistema.uiLanguages()) {
        const QString codice = lingua.section(u'-', 0, 0).toLower();
        if (codice == Italiano) return codice;
        // A translation not yet written would show Italian words with another language's numbers.
        QTranslator traduzione;
        if (lingue.contains(codice) && traduzione.load(fileDi(codice)) && !traduzione.isEmpty())
            return codice;
    }
    return Italiano;
}

QString linguaDelComando(const QStringList &argomenti)
{
    QString codice;
    const QString opzione = QStringLiteral("--lingua");
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        if (argomenti[i] == opzione && i + 1 < argomenti.size())
            codice = argomenti[++i];
        else if (argomenti[i].startsWith(opzione + u'='))
            codice = argomenti[i].mid(opzione.size() + 1);
    }
    return codice.trimmed().toLower();
}

QString erroreLingua(const QString &codice)
{
    //: %1 is the language code given, %2 the list of the available ones ("it, de, fr, ...").
    return Opzioni::tr("\"%1\" non va bene: le lingue disponibili sono %2.")
        .arg(codice, lingueDisponibili().join(QStringLiteral(", ")));
}

QString ilGiorno(int giorno, const QString &data)
{
    const auto &testo = IlGiorno[std::clamp(giorno, 1, int(std::size(IlGiorno))) - 1];
    return QCoreApplication::translate("giorno", testo.testo, testo.giorno).arg(data);
}

bool impostaLingua(const QString &codice, const QString &fileTraduzione)
{
    Traduttori &t = installati();
    togli(t.nostro);
    togli(t.diQt);
    togli(t.diQtNostro);
    const QLocale locale = localeDi(codice);
    QLocale::setDefault(locale);

    auto *diQt = new QTranslator(QCoreApplication::instance());
    bool trovate = installa(t.diQt, diQt,
                            diQt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    // Where Debian has no translation of Qt's buttons, dialogs and --help (Romanian), or words them
    // otherwise than the program needs (Arabic Alt letters a Latin keyboard cannot type), the program
    // brings its own, of just the texts it shows; installed after Qt's, it is asked first.
    auto *diQtNostro = new QTranslator(QCoreApplication::instance());
    const bool nostroTrovato = installa(
        t.diQtNostro, diQtNostro, diQtNostro->load(QStringLiteral(":/traduzioni/qtbase_%1.qm").arg(codice)));
    trovate = trovate || nostroTrovato;
    // Italian is the texts' own language: nothing to translate.
    if (codice != Italiano || !fileTraduzione.isEmpty()) {
        auto *nostro = new QTranslator(QCoreApplication::instance());
        const QString file = fileTraduzione.isEmpty() ? fileDi(codice) : fileTraduzione;
        trovate = installa(t.nostro, nostro, nostro->load(file)) && trovate;
    }
    //: Write RTL for a language written from right to left, LTR otherwise.
    static_cast<void>(QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"));
    // Qt follows the translation's direction by itself; a translation not yet written says none.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(locale.textDirection());
    return trovate;
}
