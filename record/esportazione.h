// SPDX-License-Identifier: GPL-3.0-or-later
// The record written out for spreadsheets: CSV files, one row a game or one row an asking.
#pragma once

#include "record/csv.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Archivio;

/// CSV files in the form \a csv says, lines ended by CR LF, written whole or not at all.
class Esportazione
{
public:
    // With \a dal, only the games started then or later, as the record window's period.
    /// One row a game: giocatore, inizio, fine, tabelline (the tables in play, "2 5"), secondi, errori,
    /// esito.
    static bool partite(Archivio &archivio, const QString &file, QString &errore, const Csv &csv = Csv(),
                        const QDateTime &dal = {});
    /// One row an asking: giocatore, partita_inizio, riga, colonna, millisecondi, sbagliate.
    static bool risposte(Archivio &archivio, const QString &file, QString &errore, const Csv &csv = Csv(),
                         const QDateTime &dal = {});
    /// One row a child's fact asked at least once (in the period), its state as of today:
    /// giocatore, riga, colonna, stato, volte, sbagliate, secondi_mediana, ultima_volta, prossimo_ripasso,
    /// stima.
    static bool fatti(Archivio &archivio, const QString &file, QString &errore, const Csv &csv = Csv(),
                      const QDateTime &dal = {});

    /// The folder an export proposes: the user's documents, made when missing, or else home; never the
    /// working folder (from / a file dialog would list /proc, where reading can block for good).
    static QString cartella();

    /// Any table as shown (the players view, say): a line of headers, then its rows.
    static bool tabella(const QStringList &intestazione, const QList<QStringList> &righe, const QString &file,
                        QString &errore, const Csv &csv = Csv());
};
