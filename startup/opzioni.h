// SPDX-License-Identifier: GPL-3.0-or-later
// The command line for teachers: which tables to practise, sound off, full screen.
#pragma once

#include "record/csv.h"
#include "record/ripasso.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <bitset>

/// What the program does after reading its command line.
enum class Esito {
    Avvia,    ///< open the board with the options read
    Aiuto,    ///< print the help text and end (status 0)
    Versione, ///< print the version and end (status 0)
    Errore,   ///< print the message on standard error and end (status 2)
    Esporta,  ///< write the record's CSV files and end, without a window
};

enum class Suono { Acceso, Spento };
enum class Schermo { Finestra, Intero };
/// The window the program opens with.
enum class Apertura { Tabellone, Registro };
/// Whether the board starts with only the player's hard facts to play.
enum class Ripasso { No, Si };
/// Whether the board reads the game aloud.
enum class Voce {
    Spenta,
    Accesa,  ///< from the settings file: quiet while a screen reader already speaks
    Chiesta, ///< asked on the command line: speaks even beside a screen reader
};
/// Whether the stopwatch counts for all to see, or no time is shown, said or printed.
enum class Ritmo { Cronometro, SenzaFretta };
/// The face of the words on the windows (digits keep theirs).
enum class Carattere { Normale, Leggibile };

struct Opzioni
{
    std::bitset<10> tabelline = std::bitset<10>().set(); ///< bit n: the table of n + 1 is to be practised
    Suono suono = Suono::Acceso;
    Schermo schermo = Schermo::Finestra;
    QString giocatore;    ///< the player chosen on the command line; empty keeps the last one
    QString fileRegistro; ///< the record's file; empty for the default one
    Apertura apertura = Apertura::Tabellone;
    Ripasso ripasso = Ripasso::No;
    QString esporta;                      ///< CSV file for the games
    QString esportaRisposte;              ///< CSV file for the answers
    FormaCsv formaCsv = FormaCsv::Locale; ///< the exported files' form
    QString esportaFatti;                 ///< CSV file for each child's facts
    int lunghezzaRipasso =
        ripasso::LunghezzaPredefinita; ///< facts in a round of "Ripassa" (ripasso=N in the settings file)
    QString registroServer; ///< the school's server for this run (a libpq URI); empty for numerella.conf's
    QString lingua;         ///< the language's code, one of lingueDisponibili(); empty for the system's
    Voce voce = Voce::Spenta;
    Ritmo ritmo = Ritmo::Cronometro;
    Carattere carattere = Carattere::Normale;

    // The command line's and the settings file's texts.
    Q_DECLARE_TR_FUNCTIONS(Opzioni)
};

struct Lettura
{
    Esito esito = Esito::Avvia;
    Opzioni opzioni;
    QString testo; ///< the help, the version or the error message, ready to print
};

/// "leggibile" or "normale", in any case; false for anything else.
bool leggiCarattere(const QString &testo, Carattere &carattere);

/// Reads a list such as "2,5,7", "1-5" or "1-3,8". On a bad part returns false and puts
/// a message naming that part in \a errore (without saying where the list came from).
bool leggiTabelline(const QString &lista, std::bitset<10> &tabelline, QString &errore);

/// Reads the whole command line (\a argomenti starts with the program's name) over the options of
/// \a partenza (the settings file's): --tabelline replaces their tables, --muto and --schermo-intero
/// switch on. Needs an application object for the program's name and version and for Qt's own
/// translated texts, but no window.
Lettura leggiOpzioni(const QStringList &argomenti, const Opzioni &partenza = {});
