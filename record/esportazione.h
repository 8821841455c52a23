// SPDX-License-Identifier: GPL-3.0-or-later
// The record written out for spreadsheets: CSV files, one row a game or one row an asking.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Archivio;

/// RFC 4180 files in UTF-8, lines ended by CR LF, written whole or not at all.
class Esportazione
{
public:
    /// One row a game: giocatore,inizio,fine,tabelline,secondi,errori,esito.
    static bool partite(Archivio &archivio, const QString &file, QString &errore);
    /// One row an asking: giocatore,partita_inizio,riga,colonna,secondi,sbagliate.
    static bool risposte(Archivio &archivio, const QString &file, QString &errore);

    /// Any table as shown (the players view, say): a line of headers, then its rows.
    static bool tabella(const QStringList &intestazione, const QList<QStringList> &righe, const QString &file,
                        QString &errore);

    /// One field: quoted when it holds a comma, a quote or a line break; a leading apostrophe when
    /// it starts like a formula (=, +, -, @), so that no spreadsheet runs it.
    static QString campo(const QString &testo);
    /// One line of fields, CR LF included.
    static QString riga(const QStringList &campi);
};
