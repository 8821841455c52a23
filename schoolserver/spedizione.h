// SPDX-License-Identifier: GPL-3.0-or-later
// The background sender seen from the windows: its thread, what waits and why.
#pragma once

#include "schoolserver/collegamento.h"

#include <QObject>
#include <QString>
#include <QThread>

class Speditore;

/// Runs a Speditore on a thread of its own, so that no window ever waits for the network. Tried at
/// once, whenever sollecita() says a game ended, and after a failure first in \a millisecondiRiprova,
/// then less often up to a minute; as soon as a server that could not be reached listens again; and,
/// with nothing wrong, whenever a look at the local file every few seconds finds games nobody announced.
class Spedizione : public QObject
{
    Q_OBJECT
public:
    /// The first wait after a failure: a few seconds.
    static constexpr int RiprovaPredefinita = 3'000;

    Spedizione(const QString &fileLocale, const Collegamento &collegamento,
               int millisecondiRiprova = RiprovaPredefinita, QObject *parent = nullptr);
    /// Waits for the game being sent, at most AttesaFinale: a server that stopped answering keeps
    /// its thread, which the program's end then takes away.
    ~Spedizione() override;

    static constexpr int AttesaFinale = 3000;

    /// Starts the thread and the first try.
    void avvia();
    /// A game ended: send it now.
    void sollecita();

    /// Games of the local record not yet on the server (-1 before the first count).
    int inAttesa() const { return m_inAttesa; }
    /// Why they wait, in Italian; empty while the server answers.
    QString motivo() const { return m_motivo; }
    /// The games the server refused for good, one line each with the server's reason.
    QStringList rifiutate() const { return m_rifiutate; }
    const Collegamento &collegamento() const { return m_collegamento; }
    /// One line for the record window: the server, and how many games wait and why. The games waiting
    /// are counted in the local file as it is now, so that games the sender has not yet reported on
    /// (a server that hangs mid-round, another program's games) are never said to have arrived.
    QString descrizione() const;

Q_SIGNALS:
    /// After each report of the sender, and when a game ended (sollecita()): the games waiting then.
    void cambiata(int inAttesa, const QString &motivo);

private:
    /// The games ended in the local file and not marked sent; -1 when the file cannot be read.
    int contaNelFile() const;

    QString m_fileLocale;
    Collegamento m_collegamento;
    QThread *m_filo;
    Speditore *m_speditore;
    int m_inAttesa = -1;
    QString m_motivo;
    QStringList m_rifiutate;
};
