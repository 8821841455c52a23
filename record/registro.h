// SPDX-License-Identifier: GPL-3.0-or-later
// The record kept as games happen: fed by the board's signals, written at once, never stopping a game.
#pragma once

#include "record/archivio.h"
#include "record/risposta.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>
#include <bitset>
#include <deque>
#include <future>
#include <memory>

class Giocatore;
class LetturaClasse;
class Spedizione;

/// Keeps every game of the current player in the record file. Each confirmed answer is committed
/// before the slot returns, so before the board asks the next question. A write that fails (another
/// program holds the file, the disk is full) waits in memory with the ones after it, in order, and
/// they are tried again in the background until they go; the board never waits for them. When the
/// record cannot be kept at all the games go on unrecorded. avviso() tells why, never during a game.
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
    /// Why \a archivio cannot be used, in Italian, for a sentence.
    static QString perche(Guasto guasto, const Archivio &archivio);
    /// The same reason for a folder that cannot be written, said of \a cartella.
    static QString cartellaBloccata(const QString &cartella);

    /// Opens the file, if not yet tried and no check runs; the slots open it themselves when it is
    /// first needed.
    void apri();
    /// Checks the file for damage on a thread of its own, and brings a record of an older version up
    /// to date there, then opens it; until then the writes wait in memory and archivio() is null. For
    /// start-up: a large record's check or upgrade never holds up the board.
    void controlla();
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
    /// Whether the record is open for writing; unlike archivio(), never opens it.
    bool aperto() const;
    Archivio *archivio();
    Giocatore &giocatore() { return m_giocatore; }
    /// Today's round of "Ripassa" for the current player (see ripasso::giro); none when the record is
    /// not kept or nothing is to be practised.
    QList<SchedaFatto> giro();
    /// Tells daRipassare() again: the facts to practise today may have changed.
    void contaRipasso();
    /// Facts in a round of "Ripassa".
    int lunghezzaRipasso() const { return m_lunghezzaRipasso; }
    void impostaLunghezzaRipasso(int lunghezza) { m_lunghezzaRipasso = lunghezza; }
    /// The game on the board, empty between games.
    QString partitaInCorso() const { return m_uuid; }
    /// When \a partita is the game on the board, its answers, errors and time so far go into it
    /// (the file has them only at its end), and true.
    bool completaInCorso(SchedaPartita &partita) const;
    /// The words of the warning given, empty while all is well.
    QString avvisoDato() const { return m_avviso; }
    /// The writes waiting for the file.
    qsizetype inAttesa() const { return qsizetype(m_inAttesa.size()); }
    /// Removes the player \a id, named \a nome, with all her games. Her game on the board ends
    /// first (partitaDaFermare()), and the board goes on with the guest. False when the file refused.
    bool togliGiocatore(qint64 id, const QString &nome);
    /// Renames the player \a id from \a vecchio to \a nuovo; her game on the board and the writes
    /// waiting for it follow the new name. False when the file refused.
    bool rinominaGiocatore(qint64 id, const QString &vecchio, const QString &nuovo);
    /// Marks the player \a id "senza fretta" (Ignora) or not; senzaFrettaCambiata() follows. False when
    /// the file refused.
    bool segnaSenzaFretta(qint64 id, apprendimento::Tempo tempo);
    /// Whether the current player is marked "senza fretta" (Ignora): Conta while the record is not open.
    apprendimento::Tempo senzaFretta();
    /// How everyone is judged in this run (Ignora: "senza fretta" for all), in every record it opens.
    void giudicaTutti(apprendimento::Tempo tempo);

    /// Whether another program removed \a nome, seen in the record in this run: then her game here ends
    /// and the guest plays on (soon after the call), and nothing should make her again.
    bool rimossaAltrove(const QString &nome);

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
    /// The player of the game on the board is being removed: the board stops the game.
    void partitaDaFermare();
    /// The record, left by an older version, is being copied and brought up to date: the board goes on,
    /// its games wait in memory, and daRipassare() follows when the record is open.
    void aggiornamento();
    /// The current player has \a quanti facts da imparare or da ripassare today; 0 for the guest and
    /// while the record is not open. Told when the record opens, after each game, when the player
    /// changes and when a new day begins.
    void daRipassare(int quanti);
    /// A player's "senza fretta" mark changed.
    void senzaFrettaCambiata();

private:
    /// One write for the file, kept in memory until the file takes it.
    struct Scrittura
    {
        enum class Tipo { Inizio, Domanda, Sbagliata, Chiusura };
        Tipo tipo;
        QString uuid;
        QString giocatore; ///< the game's player, by name
        QDateTime quando;
        std::bitset<100> inGioco;
        int ordine = 0, cella = 0, sbagliate = 0;
        qint64 millisecondi = 0;
        QString valore;
        int secondi = 0, errori = 0, esatte = 0;
        FinePartita esito = FinePartita::Finita;
    };

    /// How the record is opened: at its first need, or again after a fault that may clear.
    enum class Apertura { Prima, Riprova };
    /// Opens the record after the check \a controllo; a fault that may clear is tried again with the
    /// writes waiting, one that cannot leaves the record unkept for the run.
    bool apriArchivio(Guasto controllo, Apertura apertura = Apertura::Prima);
    /// Another program removed \a nome while this one knew her: her game \a uuid, moved to the guest
    /// there, ends on the board, what waits for her goes to the guest, and so does the board.
    void toltaAltrove(QString nome, QString uuid);
    /// Notes whether the current player is in the record now.
    void notaPresente();
    /// Ends the asking on screen: kept as left unanswered when wrong answers were given.
    void lasciaDomanda();
    void chiudi(FinePartita esito, int secondi, int errori);
    /// Queues \a s after the writes waiting and writes as many as the file takes.
    void accoda(Scrittura s);
    void scriviInAttesa();
    /// A write failed for \a guasto: the ones waiting are tried again later, and a full disk is told.
    void rimanda(Guasto guasto);
    bool scrivi(const Scrittura &s);
    /// The warning, kept for the moment between games.
    void avvisa(const QString &testo);
    void avvisaSeServe();
    Scrittura nuova(Scrittura::Tipo tipo) const;

    Giocatore &m_giocatore;
    QString m_percorso;
    bool m_predefinito; ///< the record is at its own place, where nothing else writes
    std::unique_ptr<Archivio> m_archivio;
    Spedizione *m_spedizione = nullptr;
    std::unique_ptr<LetturaClasse> m_lettura;
    std::unique_ptr<Archivio> m_classe; ///< the last copy of the class read from the school's server
    bool m_provato = false;
    int m_lunghezzaRipasso;
    apprendimento::Tempo m_tempoPerTutti = apprendimento::Tempo::Conta;
    std::future<Guasto> m_controllo;
    bool m_guasto = false; ///< the record cannot be kept in this run
    QString m_avviso;
    QStringList m_daDire;   ///< warnings not yet told
    QThreadPool m_riordino; ///< writes the change log into the file between games, off the board's thread
    std::deque<Scrittura> m_inAttesa;
    QHash<QString, qint64> m_numeri; ///< the games' numbers in the file, by uuid, until they end
    QSet<QString> m_presenti;        ///< players seen in the record in this run, by name
    QTimer m_riprova;
    QTimer m_mezzanotte;                ///< a new day: reviews fall due
    Guasto m_intoppo = Guasto::Nessuno; ///< why the writes wait
    bool m_intoppoDetto = false;

    // The game on the board.
    QString m_uuid;
    QString m_nomePartita;
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
