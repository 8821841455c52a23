// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: the chosen child's name, remembered between runs, or the guest.
#pragma once

#include <QObject>
#include <QString>

/// The current player. An empty name is the guest, whose games are kept under "Ospite".
class Giocatore : public QObject
{
    Q_OBJECT
public:
    /// As long as a printed name may be.
    static constexpr int LunghezzaMassima = 40;
    /// Whether the player was chosen in this run (command line, record window, "Chi gioca?") or is
    /// only the one remembered from an earlier run, who may have left the computer to another child.
    enum class Scelta { Ricordata, Fatta };

    /// Reads the player chosen in the last run, from the user's state folder (XDG_STATE_HOME). The
    /// settings file, where earlier versions kept her, is read (never written) when that has none yet.
    explicit Giocatore(QObject *parent = nullptr);

    /// The guest's name.
    static QString ospite();
    /// \a nome as people read it: the guest in the chosen language, a child as written.
    static QString mostrato(const QString &nome);
    /// \a nome on one line and trimmed, as the printed name; empty when nothing is left or it is
    /// longer than LunghezzaMassima characters.
    static QString pulito(const QString &nome);
    /// What tells two names apart: "sofia", "Sofia" and "So fia" are one child.
    static QString chiave(const QString &nome);

    /// The chosen name; empty for the guest.
    QString nome() const { return m_nome; }
    /// The name the games are kept under: the chosen one, or "Ospite".
    QString nomeRegistro() const;
    Scelta scelta() const { return m_scelta; }
    /// Chooses \a nome (an empty one means the guest) and remembers it for the next runs.
    void scegli(const QString &nome);

Q_SIGNALS:
    void cambiato(const QString &nome);

private:
    QString m_nome;
    Scelta m_scelta = Scelta::Ricordata;
};
