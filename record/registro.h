// SPDX-License-Identifier: GPL-3.0-or-later
// The record kept as games happen: fed by the board's signals, written at once, never stopping a game.
#pragma once

#include "record/archivio.h"
#include "record/risposta.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <bitset>
#include <memory>

class Giocatore;
class Spedizione;

/// Keeps every game of the current player in the record file. Each confirmed answer is committed
/// before the slot returns, so before the board asks the next question. When the record cannot be
/// kept the games go on unrecorded, and avviso() tells why, once a run and never during a game.
class Registro : public QObject
{
    Q_OBJECT
public:
    /// The record in \a percorso, or in the user's data folder when empty.
    explicit Registro(Giocatore &giocatore, const QString &percorso = {}, QObject *parent = nullptr);
    /// A game still on the board is closed as cut off.
    ~Registro() override;

    /// The default file: registro.sqlite in the user's data folder.
    static QString percorsoPredefinito();

    /// Opens the file, if not yet tried; the slots open it themselves when it is first needed.
    void apri();
    /// The sender to the school's server, when one is configured; null otherwise.
    void usaServer(Spedizione *spedizione) { m_spedizione = spedizione; }
    Spedizione *spedizione() const { return m_spedizione; }
    /// What the record window shows: with a school server that answers, the whole class from it;
    /// else this computer's record (null when not kept). \a motivo says why the server is not read.
    Archivio *archivioDaMostrare(QString &motivo);
    /// The record's file.
    QString percorso() const { return m_percorso; }
    /// The open record, or null when it is not kept.
    Archivio *archivio();
    Giocatore &giocatore() { return m_giocatore; }
    /// The current player's hard facts (see ripasso::difficili); none when the record is not kept.
    QList<SchedaFatto> difficili();
    /// The game on the board, empty between games.
    QString partitaInCorso() const { return m_uuid; }
    /// When \a partita is the game on the board, its answers, errors and time so far go into it
    /// (the file has them only at its end), and true.
    bool completaInCorso(SchedaPartita &partita) const;
    /// The words of the warning given, empty while all is well.
    QString avvisoDato() const { return m_avviso; }

    // What happens on the board.
    void partitaIniziata(const std::bitset<100> &inGioco);
    void domandaPosta(int cella);
    void rispostaData(int cella, const QString &valore, Risposta risposta);
    void partitaSospesa();
    void partitaRipresa();
    void partitaFermata(int secondi, int errori);
    void partitaFinita(int secondi, int errori);

Q_SIGNALS:
    /// The record is not being kept, and why, in Italian; emitted once a run, between games.
    void avviso(const QString &testo);
    /// A game ended (finished, stopped or cut off) and is in the file.
    void partitaChiusa();

private:
    /// Ends the asking on screen: kept as left unanswered when wrong answers were given.
    void lasciaDomanda();
    void chiudi(FinePartita esito, int secondi, int errori);
    /// Stops recording after a failed write; the warning waits for the game's end.
    void guasto();
    void avvisaSeServe();

    Giocatore &m_giocatore;
    QString m_percorso;
    std::unique_ptr<Archivio> m_archivio;
    Spedizione *m_spedizione = nullptr;
    std::unique_ptr<Archivio> m_classe; ///< the class on the school's server, opened when first shown
    bool m_provato = false;
    bool m_guasto = false;
    QString m_avviso;
    bool m_avvisato = false;
    QThreadPool m_riordino; ///< writes the change log into the file between games, off the board's thread

    // The game on the board.
    QString m_uuid;
    qint64 m_partita = 0;
    QElapsedTimer m_tempoPartita; ///< the game's playing time, pauses left out
    qint64 m_giocato = 0;         ///< milliseconds played before the last pause
    int m_esatte = 0, m_errori = 0;
    // The asking on screen.
    int m_cella = -1;
    int m_ordine = 0;
    int m_sbagliate = 0;
    QElapsedTimer m_tempoDomanda;
    qint64 m_pensato = 0; ///< milliseconds on this asking before the last pause
    bool m_inPausa = false;
};
