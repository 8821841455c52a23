// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender's work: the ended games of the local record copied to the school's server.
#pragma once

#include "schoolserver/collegamento.h"

#include <QList>
#include <QObject>
#include <QString>

class QSqlQuery;
class QTimer;

/// Lives on its own thread, with its own connections to the local file and to the server. Sends the
/// games that ended (finished, stopped, cut off) in the order they were played, each in one
/// transaction; the server keeps a game once by its id, so a resend after a lost reply adds nothing.
/// A game is marked sent in the local file only after the server confirmed it.
class Speditore : public QObject
{
    Q_OBJECT
public:
    Speditore(const QString &fileLocale, const Collegamento &collegamento, int millisecondiRiprova,
              QObject *parent = nullptr);
    ~Speditore() override;

    /// On the thread: starts the retry timer and sends what waits.
    void avvia();
    /// Sends every game waiting, oldest first; stops at the first failure.
    void invia();
    /// On the thread, before it ends: stops the timer and closes both connections.
    void chiudi();

Q_SIGNALS:
    /// How many games wait to be sent and why (empty when the server is reachable).
    void stato(int inAttesa, const QString &motivo);

private:
    bool apriLocale();
    /// The games that ended and wait, oldest first.
    QList<qint64> partiteInAttesa();
    /// The rows of \a tabella ("name (columns)") for the local game \a partita, written for the server's game
    /// \a id.
    bool copiaRighe(qint64 partita, qint64 id, const QString &tabella, const QString &ultime,
                    QSqlQuery &server);
    /// Sends one game, by its id in the local file; an empty string when the server has it.
    QString spedisci(qint64 partita);
    int contaInAttesa();

    QString m_fileLocale;
    Collegamento m_collegamento;
    int m_millisecondiRiprova;
    QString m_locale, m_server; ///< the connections' names
    bool m_serverAperto = false;
    QTimer *m_riprova = nullptr;
};
