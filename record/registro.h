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
class LetturaClasse;
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
    void usaServer(Spedizione *spedizione);
    Spedizione *spedizione() const { return m_spedizione; }
    /// The class's readings from the school's server; null without one.
    LetturaClasse *letturaClasse() const { return m_lettura.get(); }
    /// Asks for a new reading of the class in the background; letturaClasse() says when it is there.
    void rileggiClasse();
    /// What the record window shows, never waiting for the network: the whole class as last read from
    /// the school's server; else this computer's record (null when not kept). \a motivo says what is shown.
    Archivio *archivioDaMostrare(QString &motivo);
    /// The record's file.
    QString percorso() const { return m_percorso; }
    /// The open record, or null when it is not kept.
    Archivio *archivio();
    Giocatore &giocatore() { return m_giocatore; }
    /// Today's round of "Ripassa" for the current player (see ripasso::giro); none when the record is
    /// not kept or nothing is to be practised.
    QList<SchedaFatto> giro();
    /// Facts in a round of "Ripassa".
    int lunghezzaRipasso() const { return m_lunghezzaRipasso; }
    void impostaLunghezzaRipasso(int lunghezza) { m_lunghezzaRipasso = lunghezza; }
    /// The game on the board, empty between games.
    QString partitaInCorso() const { return m_uuid; }
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
    std::unique_ptr<LetturaClasse> m_lettura;
    std::unique_ptr<Archivio> m_classe; ///< the last copy of the class read from the school's server
    bool m_provato = false;
    int m_lunghezzaRipasso;
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
