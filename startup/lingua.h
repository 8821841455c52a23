// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: its own texts, Qt's standard dialogs, numbers and the writing's direction.
#pragma once

#include <QString>
#include <QStringList>

/// The codes of the languages the program speaks, Italian (its own) first: "it", "de", "fr", ...
QStringList lingueDisponibili();

/// The language to speak: \a richiesta when it is one of lingueDisponibili() (the command line's or
/// the settings file's code), else the first of the system's languages that the program speaks (with
/// some text translated already), else Italian.
QString linguaDaUsare(const QString &richiesta = {});

/// The command line's code after --lingua (the last one given), or empty; read before the parser, so
/// that its own texts are in that language. An unknown code is left for the parser to report.
QString linguaDelComando(const QStringList &argomenti);

/// The message for an unknown language code, listing the available ones.
QString erroreLingua(const QString &codice);

/// \a data, the words of a date on the day \a giorno of its month, after the word the language puts
/// before a date: "il 3 dicembre", "l'8 dicembre" (Italian elides the article before a day read with a
/// vowel), "am 8. Dezember". Each day has a text of its own in the translation.
QString ilGiorno(int giorno, const QString &data);

/// Speaks the language \a codice (one of lingueDisponibili()): the program's translation, Qt's own
/// for its standard dialogs, the default locale for numbers and dates, and the writing's direction.
/// A previous language is taken away. \a fileTraduzione, when given, replaces the program's compiled-in
/// translation (the tests' pseudo-language). Returns whether every translation needed was found.
bool impostaLingua(const QString &codice, const QString &fileTraduzione = {});
