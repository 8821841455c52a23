// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: the chosen child's name, remembered in the user's settings file.
#include "record/giocatore.h"

#include "record/nome.h"

#include <QSettings>

namespace {

const QString Chiave = QStringLiteral("registro/giocatore");

QSettings impostazioni()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("numerella"),
                     QStringLiteral("numerella"));
}

} // namespace

Giocatore::Giocatore(QObject *parent) : QObject(parent)
{
    m_nome = pulito(impostazioni().value(Chiave).toString());
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
    QSettings s = impostazioni();
    if (nuovo.isEmpty())
        s.remove(Chiave);
    else
        s.setValue(Chiave, nuovo);
    if (nuovo == m_nome) return;
    m_nome = nuovo;
    Q_EMIT cambiato(m_nome);
}
