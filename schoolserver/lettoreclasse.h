// SPDX-License-Identifier: GPL-3.0-or-later
// The class's record read from the school's server into a local copy, on a worker thread.
#pragma once

#include "schoolserver/collegamento.h"

#include <QObject>
#include <QString>

/// Lives on its own thread with its own connection to the server, kept between readings and opened
/// again when it died. Each reading brings a local file with the local record's schema up to date
/// with the class's players, games and answers, so that the windows read it like the PC's own record.
/// Games on the server never change: only the new ones are copied.
class LettoreClasse : public QObject
{
    Q_OBJECT
public:
    explicit LettoreClasse(const Collegamento &collegamento, QObject *parent = nullptr);
    ~LettoreClasse() override;

    /// On the thread: brings the copy in \a file up to date; emits letta().
    void leggi(const QString &file);
    /// On the thread, before it ends: closes the connection.
    void chiudi();

Q_SIGNALS:
    /// The copy is in \a file when \a motivo is empty; else why the server could not be read.
    void letta(const QString &file, const QString &motivo);

private:
    /// Brings \a file up to date; an empty string on success, else why not.
    QString copia(const QString &file);
    /// Why the server failed \a errore's statement, in Italian.
    QString perche(const QString &errore) const;

    Collegamento m_collegamento;
    QString m_server, m_copia; ///< the connections' names
    bool m_aperto = false;
};
