// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file read through QSettings: system file first, the user's over it; bad values left out.
#include "startup/impostazioni.h"

#include "startup/lingua.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

const QString Nome = QStringLiteral("numerella");

/// A value as its text: unquoted, "2,5,10" reads as a list of three strings.
QString testoDi(const QVariant &valore)
{
    return valore.typeId() == QMetaType::QStringList ? valore.toStringList().join(u',') : valore.toString();
}

/// "true" or "false", in any case; anything else is no answer.
std::optional<bool> leggiSiNo(const QString &testo)
{
    const QString parola = testo.trimmed().toLower();
    if (parola == u"true") return true;
    if (parola == u"false") return false;
    return std::nullopt;
}

/// Applies the keys one file has over \a opzioni.
void leggiFile(const QSettings &file, Opzioni &opzioni, QStringList &avvisi)
{
    const auto avvisa = [&](const QString &chiave, const QString &messaggio) {
        //: A settings file's warning: %1 is the file, %2 the key, %3 what is wrong.
        avvisi
            << Opzioni::tr("numerella: %1: %2: %3 Valore ignorato.").arg(file.fileName(), chiave, messaggio);
    };
    const QString tabelline = QStringLiteral("tabelline");
    if (file.contains(tabelline)) {
        std::bitset<10> scelte;
        QString errore;
        if (leggiTabelline(testoDi(file.value(tabelline)), scelte, errore))
            opzioni.tabelline = scelte;
        else
            avvisa(tabelline, errore);
    }

    const auto interruttore = [&](const QString &chiave, auto &opzione, auto acceso, auto spento) {
        if (!file.contains(chiave)) return;
        const QString testo = testoDi(file.value(chiave));
        if (const std::optional<bool> si = leggiSiNo(testo))
            opzione = *si ? acceso : spento;
        else
            avvisa(chiave, Opzioni::tr("\"%1\" non va bene: scrivi true oppure false.").arg(testo));
    };
    const QString ripasso = QStringLiteral("ripasso");
    if (file.contains(ripasso)) {
        bool numero = false;
        const QString testo = testoDi(file.value(ripasso));
        const int n = testo.trimmed().toInt(&numero);
        if (numero && n >= 1 && n <= 100)
            opzioni.lunghezzaRipasso = n;
        else
            avvisa(ripasso,
                   Opzioni::tr("\"%1\" non va bene: scrivi quanti fatti ripassare, da 1 a 100.").arg(testo));
    }

    const QString lingua = QStringLiteral("lingua");
    if (file.contains(lingua)) {
        const QString testo = testoDi(file.value(lingua));
        const QString codice = testo.trimmed().toLower();
        if (lingueDisponibili().contains(codice))
            opzioni.lingua = codice;
        else
            avvisa(lingua, erroreLingua(testo));
    }

    const QString carattere = QStringLiteral("carattere");
    if (file.contains(carattere)) {
        const QString testo = testoDi(file.value(carattere));
        if (!leggiCarattere(testo, opzioni.carattere))
            avvisa(carattere, Opzioni::tr("\"%1\" non va bene: scrivi leggibile oppure normale.").arg(testo));
    }

    interruttore(QStringLiteral("muto"), opzioni.suono, Suono::Spento, Suono::Acceso);
    interruttore(QStringLiteral("voce"), opzioni.voce, Voce::Accesa, Voce::Spenta);
    interruttore(QStringLiteral("senza-fretta"), opzioni.ritmo, Ritmo::SenzaFretta, Ritmo::Cronometro);
    interruttore(QStringLiteral("schermo-intero"), opzioni.schermo, Schermo::Intero, Schermo::Finestra);
}

/// What keeps a settings file from being read as it is.
enum class Difetto {
    Nessuno,
    Cartella,    // a folder where the file goes: left out
    Illeggibile, // cannot be opened: left out
    NonTesto,    // not UTF-8 text (a program, an image): left out
    Riga,        // a line neither "key=value" nor "[section]": the other lines still count
};

/// A line that QSettings can take: blank, a comment, a [section] or key=value.
bool rigaValida(QStringView riga)
{
    const QStringView r = riga.trimmed();
    if (r.isEmpty() || r.startsWith(u'#') || r.startsWith(u';')) return true;
    if (r.startsWith(u'[')) return r.endsWith(u']');
    return r.contains(u'=');
}

/// Looks at the file \a nome before QSettings does, and describes a fault in \a avvisi in one line
/// (QSettings gives one status for all the files it read, and takes any bytes for text).
Difetto esamina(const QString &nome, QStringList &avvisi)
{
    const auto avvisa = [&](const QString &messaggio) {
        //: A settings file's warning: %1 is the file, %2 what is wrong.
        avvisi << Opzioni::tr("numerella: %1: %2").arg(nome, messaggio);
    };
    const QFileInfo info(nome);
    if (!info.exists()) return Difetto::Nessuno;
    if (info.isDir()) {
        avvisa(Opzioni::tr("è una cartella, non un file di impostazioni. Ignorata."));
        return Difetto::Cartella;
    }
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly)) {
        avvisa(!info.isReadable() ? Opzioni::tr("non si può leggere: mancano i permessi. File ignorato.")
                                  : Opzioni::tr("non si può leggere. File ignorato."));
        return Difetto::Illeggibile;
    }
    // A settings file is a few lines: the first MiB tells.
    const QByteArray byte = file.read(1 << 20);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8(byte);
    const bool controllo = std::any_of(testo.cbegin(), testo.cend(), [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t') || c.unicode() == 0x7f;
    });
    if (utf8.hasError() || controllo) {
        avvisa(Opzioni::tr("non è un file di testo. File ignorato."));
        return Difetto::NonTesto;
    }
    const QList<QStringView> righe = QStringView(testo).split(u'\n');
    for (qsizetype i = 0; i < righe.size(); ++i) {
        // A value may go on to the next line after a backslash.
        if (i > 0 && righe[i - 1].trimmed().endsWith(u'\\')) continue;
        if (!rigaValida(righe[i])) {
            avvisa(Opzioni::tr("la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.")
                       .arg(i + 1));
            return Difetto::Riga;
        }
    }
    return Difetto::Nessuno;
}

} // namespace

Opzioni leggiImpostazioni(QStringList &avvisi)
{
    Opzioni opzioni;
    for (const QSettings::Scope ambito : {QSettings::SystemScope, QSettings::UserScope}) {
        QSettings file(QSettings::NativeFormat, ambito, Nome, Nome);
        // Only numerella/numerella.conf: a bad value in the user's file leaves the system's in force.
        file.setFallbacksEnabled(false);
        switch (esamina(file.fileName(), avvisi)) {
        case Difetto::Cartella:
        case Difetto::Illeggibile:
        case Difetto::NonTesto:
            continue;
        case Difetto::Nessuno:
        case Difetto::Riga:
            break;
        }
        leggiFile(file, opzioni, avvisi);
    }
    return opzioni;
}
