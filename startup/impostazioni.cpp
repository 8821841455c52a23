// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file read through QSettings: system file first, the user's over it; bad values left out.
#include "startup/impostazioni.h"

#include <QSettings>
#include <optional>

namespace {

const QString Nome = QStringLiteral("numerella");

/// A value as its text: unquoted, "2,5,10" reads as a list of three strings.
QString testoDi(const QVariant &valore)
{
    return valore.typeId() == QMetaType::QStringList ? valore.toStringList().join(u',') : valore.toString();
}

/// "true" or "false", in any case; anything else is no answer.
std::optional<bool> leggiSiNo(const QString &testo)
{
    const QString parola = testo.trimmed().toLower();
    if (parola == u"true") return true;
    if (parola == u"false") return false;
    return std::nullopt;
}

/// Applies the keys one file has over \a opzioni.
void leggiFile(const QSettings &file, Opzioni &opzioni, QStringList &avvisi)
{
    const auto avvisa = [&](const QString &chiave, const QString &messaggio) {
        avvisi << QStringLiteral("numerella: %1: %2: %3 Valore ignorato.")
                      .arg(file.fileName(), chiave, messaggio);
    };
    if (file.status() != QSettings::NoError)
        avvisi << QStringLiteral("numerella: %1: il file non si legge bene; controlla le sue righe.")
                      .arg(file.fileName());

    const QString tabelline = QStringLiteral("tabelline");
    if (file.contains(tabelline)) {
        std::bitset<10> scelte;
        QString errore;
        if (leggiTabelline(testoDi(file.value(tabelline)), scelte, errore))
            opzioni.tabelline = scelte;
        else
            avvisa(tabelline, errore);
    }

    const auto interruttore = [&](const QString &chiave, auto &opzione, auto acceso, auto spento) {
        if (!file.contains(chiave)) return;
        const QString testo = testoDi(file.value(chiave));
        if (const std::optional<bool> si = leggiSiNo(testo))
            opzione = *si ? acceso : spento;
        else
            avvisa(chiave, QStringLiteral("\"%1\" non va bene: scrivi true oppure false.").arg(testo));
    };
    const QString ripasso = QStringLiteral("ripasso");
    if (file.contains(ripasso)) {
        bool numero = false;
        const QString testo = testoDi(file.value(ripasso));
        const int n = testo.trimmed().toInt(&numero);
        if (numero && n >= 1 && n <= 100)
            opzioni.lunghezzaRipasso = n;
        else
            avvisa(
                ripasso,
                QStringLiteral("\"%1\" non va bene: scrivi quanti fatti ripassare, da 1 a 100.").arg(testo));
    }

    interruttore(QStringLiteral("muto"), opzioni.suono, Suono::Spento, Suono::Acceso);
    interruttore(QStringLiteral("schermo-intero"), opzioni.schermo, Schermo::Intero, Schermo::Finestra);
}

} // namespace

Opzioni leggiImpostazioni(QStringList &avvisi)
{
    Opzioni opzioni;
    for (const QSettings::Scope ambito : {QSettings::SystemScope, QSettings::UserScope}) {
        QSettings file(QSettings::NativeFormat, ambito, Nome, Nome);
        // Only numerella/numerella.conf: a bad value in the user's file leaves the system's in force.
        file.setFallbacksEnabled(false);
        leggiFile(file, opzioni, avvisi);
    }
    return opzioni;
}
