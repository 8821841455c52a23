// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: the chosen child's name, remembered in the user's state folder, never in a settings file.
#include "record/giocatore.h"

#include "record/nome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace {

/// The last player, one line: the program's own file, which nobody edits.
QString fileStato()
{
    // XDG_STATE_HOME, or ~/.local/state when unset or not an absolute path.
    QString cartella = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(cartella)) cartella = QDir::homePath() + QStringLiteral("/.local/state");
    return cartella + QStringLiteral("/numerella/giocatore");
}

/// Where earlier versions wrote the player: the user's settings file, only read from now on.
QString giocatoreDelleImpostazioni()
{
    const QSettings impostazioni(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("numerella"),
                                 QStringLiteral("numerella"));
    return impostazioni.value(QStringLiteral("registro/giocatore")).toString();
}

/// Remembers \a nome for the next runs; the guest too, as an empty line.
void ricorda(const QString &nome)
{
    const QString percorso = fileStato();
    QSaveFile stato(percorso);
    if (QDir().mkpath(QFileInfo(percorso).path()) && stato.open(QIODevice::WriteOnly)) {
        stato.write(nome.toUtf8() + '\n');
        stato.commit(); // not remembered is no harm: the next run asks or plays as the guest
    }
}

} // namespace

Giocatore::Giocatore(QObject *parent) : QObject(parent)
{
    QFile stato(fileStato());
    if (stato.open(QIODevice::ReadOnly)) {
        m_nome = pulito(QString::fromUtf8(stato.readLine(1024)));
    } else if (!QFileInfo::exists(stato.fileName())) {
        // Read once: from now on she is remembered in the state folder.
        m_nome = pulito(giocatoreDelleImpostazioni());
        if (!m_nome.isEmpty()) ricorda(m_nome);
    }
}

QString Giocatore::ospite()
{
    return QStringLiteral("Ospite");
}

QString Giocatore::mostrato(const QString &nome)
{
    //: The guest: whoever plays without choosing a name. Games are kept under the Italian word.
    return nome == ospite() ? tr("Ospite") : nome;
}

QString Giocatore::pulito(const QString &nome)
{
    const QString riga = nomeSuUnaRiga(nome);
    return riga.toUcs4().size() > LunghezzaMassima ? QString() : riga;
}

QString Giocatore::chiave(const QString &nome)
{
    QString chiave = nome.toCaseFolded();
    chiave.removeIf([](QChar c) { return c.isSpace(); });
    return chiave;
}

QString Giocatore::nomeRegistro() const
{
    return m_nome.isEmpty() ? ospite() : m_nome;
}

void Giocatore::scegli(const QString &nome)
{
    const QString nuovo = pulito(nome) == ospite() ? QString() : pulito(nome);
    m_scelta = Scelta::Fatta;
    ricorda(nuovo);
    if (nuovo == m_nome) return;
    m_nome = nuovo;
    Q_EMIT cambiato(m_nome);
}
