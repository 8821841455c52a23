// SPDX-License-Identifier: GPL-3.0-or-later
// The class's record on the school's server as the windows see it: read in the background, never waited for.
#pragma once

#include "schoolserver/collegamento.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

class LettoreClasse;

/// Runs a LettoreClasse on a thread of its own. chiedi() asks for a new reading and returns at once;
/// pronta() says when the copy of the class is there to be shown. Each reading brings the same copy
/// up to date; one asked while another runs is made after it, once.
class LetturaClasse : public QObject
{
    Q_OBJECT
public:
    /// How things stand, for the window's status line.
    enum class Stato {
        InLettura, ///< nothing read yet, a reading is on its way
        Letta,     ///< the last reading succeeded
        Vecchia,   ///< an earlier reading is shown, the last one failed
        Mancata,   ///< nothing could be read
    };

    /// \a prepara makes the empty copy in a file, with the local record's schema; false when it cannot.
    LetturaClasse(const Collegamento &collegamento, std::function<bool(const QString &)> prepara,
                  QObject *parent = nullptr);
    /// Waits for a reading under way at most AttesaFinale, then leaves its thread to the program's end.
    ~LetturaClasse() override;

    static constexpr int AttesaFinale = 3000;

    /// Asks for a new reading of the class.
    void chiedi();
    Stato stato() const { return m_stato; }
    /// The file holding the last good copy; empty before the first.
    QString file() const { return m_file; }
    /// Why the last reading failed; empty when it succeeded.
    QString motivo() const { return m_motivo; }
    /// One line for the record window: what is shown, and why.
    QString descrizione() const;

Q_SIGNALS:
    /// A reading ended; file() is the copy to show (maybe an earlier one).
    void pronta();

private:
    void letta(const QString &file, const QString &motivo);
    void avviaLettura();

    Collegamento m_collegamento;
    std::function<bool(const QString &)> m_prepara;
    QTemporaryDir m_cartella; ///< owner-only, removed with the program
    QThread *m_filo;
    LettoreClasse *m_lettore;
    Stato m_stato = Stato::InLettura;
    QString m_file, m_motivo;
    QDateTime m_quando;   ///< when the copy shown was read
    bool m_fatta = false; ///< the copy's file is there, with its schema
    bool m_inCorso = false, m_ancora = false;
};
