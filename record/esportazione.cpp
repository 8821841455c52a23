// SPDX-License-Identifier: GPL-3.0-or-later
// The record written out for spreadsheets as CSV files.
#include "record/esportazione.h"

#include "record/archivio.h"

#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>
#include <functional>

namespace {

/// A time as ISO 8601 in local time with its offset from UTC, to the second.
QString istante(const QDateTime &t)
{
    if (!t.isValid()) return {};
    const QDateTime locale = t.toLocalTime();
    return locale.toOffsetFromUtc(locale.offsetFromUtc()).toString(Qt::ISODate);
}

bool scrivi(const QString &file, const QStringList &intestazione,
            const std::function<bool(QTextStream &)> &righe, QString &errore)
{
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly)) {
        errore = QStringLiteral("non riesco a scrivere %1: %2").arg(file, uscita.errorString());
        return false;
    }
    QTextStream testo(&uscita);
    testo.setEncoding(QStringConverter::Utf8);
    testo << Esportazione::riga(intestazione);
    if (!righe(testo)) {
        uscita.cancelWriting();
        errore = QStringLiteral("non riesco a leggere il registro");
        return false;
    }
    testo.flush();
    if (!uscita.commit()) {
        errore = QStringLiteral("non riesco a scrivere %1: %2").arg(file, uscita.errorString());
        return false;
    }
    return true;
}

} // namespace

QString Esportazione::campo(const QString &testo)
{
    QString c = testo;
    if (!c.isEmpty() && (c[0] == u'=' || c[0] == u'+' || c[0] == u'-' || c[0] == u'@')) c.prepend(u'\'');
    if (c.contains(u',') || c.contains(u'"') || c.contains(u'\n') || c.contains(u'\r'))
        c = u'"' + c.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return c;
}

QString Esportazione::riga(const QStringList &campi)
{
    QStringList fatti;
    for (const QString &c : campi)
        fatti.append(campo(c));
    return fatti.join(u',') + QStringLiteral("\r\n");
}

bool Esportazione::partite(Archivio &archivio, const QString &file, QString &errore)
{
    return scrivi(
        file,
        {QStringLiteral("giocatore"), QStringLiteral("inizio"), QStringLiteral("fine"),
         QStringLiteral("tabelline"), QStringLiteral("secondi"), QStringLiteral("errori"),
         QStringLiteral("esito")},
        [&archivio](QTextStream &testo) {
            return archivio.perOgniPartita([&testo](const SchedaPartita &p) {
                // A game with no end here is played elsewhere right now, or was cut off there.
                const FinePartita esito = p.esito.value_or(FinePartita::Interrotta);
                testo << riga({p.giocatore, istante(p.inizio), istante(p.fine),
                               p.tabelline().join(QStringLiteral("-")), QString::number(p.secondi),
                               QString::number(p.errori), parolaEsito(esito)});
            });
        },
        errore);
}

bool Esportazione::risposte(Archivio &archivio, const QString &file, QString &errore)
{
    return scrivi(
        file,
        {QStringLiteral("giocatore"), QStringLiteral("partita_inizio"), QStringLiteral("riga"),
         QStringLiteral("colonna"), QStringLiteral("secondi"), QStringLiteral("sbagliate")},
        [&archivio](QTextStream &testo) {
            return archivio.perOgniDomanda([&testo](const QString &giocatore, const QDateTime &inizio, int r,
                                                    int c, double secondi, int sbagliate) {
                testo << riga({giocatore, istante(inizio), QString::number(r), QString::number(c),
                               secondi < 0 ? QString() : QString::number(secondi, 'f', 1),
                               QString::number(sbagliate)});
            });
        },
        errore);
}

bool Esportazione::tabella(const QStringList &intestazione, const QList<QStringList> &righe,
                           const QString &file, QString &errore)
{
    return scrivi(
        file, intestazione,
        [&righe](QTextStream &testo) {
            for (const QStringList &r : righe)
                testo << riga(r);
            return true;
        },
        errore);
}
