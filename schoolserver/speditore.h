// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender's work: the ended games of the local record copied to the school's server.
#pragma once

#include "schoolserver/collegamento.h"
#include "schoolserver/vedetta.h"

#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QString>

class QTimer;

/// Lives on its own thread, with its own connections to the local file and to the server. Sends the
/// games that ended (finished, stopped, cut off) in the order they were played, each whole in one
/// call; the server writes a game once by its id, so a resend after a lost reply adds nothing.
/// A game is marked sent in the local file only after the server confirmed it. A game the server
/// refuses for good stays on the PC with the server's reason and is tried again less often, while the
/// games after it go on. While the server cannot be reached, it is probed without logging in and the
/// games go as soon as it is back (Vedetta); while it answers, a guard looks at the local file for
/// games written by another program.
class Speditore : public QObject
{
    Q_OBJECT
public:
    Speditore(const QString &fileLocale, const Collegamento &collegamento, int millisecondiRiprova,
              QObject *parent = nullptr);
    ~Speditore() override;

    /// On the thread: starts the retry timer and sends what waits.
    void avvia();
    /// After a failure the first wait is millisecondiRiprova, half as long again at each failure up to
    /// this (or 20 times the first).
    static constexpr int RiprovaMassima = 60'000;
    /// With nothing wrong, the local file is looked at this often (or 20 times millisecondiRiprova, if
    /// less) for games to send that nobody announced: those another program on this computer wrote, and
    /// refused ones whose turn came. A game written while the server answers reaches it within 10 s.
    static constexpr int Guardia = 5'000;
    static_assert(Guardia + Collegamento::SecondiConnessione * 1000 <= 10'000);
    /// A refused game is tried again after 100 times the first wait, doubled each time up to this.
    static constexpr qint64 RifiutataMassima = 6 * 3600'000;

    /// Sends every game waiting, oldest first; stops at the first failure of the connection.
    void invia();
    /// On the thread, before it ends: stops the timer and closes both connections.
    void chiudi();

Q_SIGNALS:
    /// How many games wait to be sent and why (empty when the server is reachable); the games the
    /// server refused, one line each with its reason.
    void stato(int inAttesa, const QString &motivo, const QStringList &rifiutate);

private:
    bool apriLocale();
    /// The games that ended and wait, oldest first.
    QList<qint64> partiteInAttesa();
    /// How a game's sending went.
    enum class Esito { Arrivata, Rifiutata, NonArrivata };
    struct Invio
    {
        Esito esito;
        QString motivo;
    };
    /// The rows of \a tabella for the local game \a partita, as objects named by \a colonne.
    QJsonArray righe(qint64 partita, const QString &tabella, const QStringList &colonne);
    /// Sends one game, by its id in the local file.
    Invio spedisci(qint64 partita);
    int contaInAttesa();
    /// The refused games waiting, one line each.
    QStringList rifiutate();
    int rifiutiDi(const QString &uuid);
    /// Starts the wait before the next round: after a failure the backoff, else the guard.
    void programma();
    /// The guard's look: sends when games wait for their turn.
    void guarda();
    /// Looks whether a server that could not be reached is listening again; sends at once when it
    /// came back.
    void sonda();
    /// Starts the wait before the next probe, if one is due.
    void programmaSonda();

    QString m_fileLocale;
    Collegamento m_collegamento;
    int m_millisecondiRiprova;
    QString m_locale, m_server; ///< the connections' names
    bool m_serverAperto = false;
    int m_fallimenti = 0; ///< rounds failed in a row
    int m_detti = -1;     ///< the games waiting, as last told
    QTimer *m_riprova = nullptr;
    QTimer *m_guardia = nullptr;
    Vedetta m_vedetta;
    QTimer *m_sonda = nullptr;
};
