// SPDX-License-Identifier: GPL-3.0-or-later
// The record written out for spreadsheets as CSV files.
#include "record/esportazione.h"

#include "record/apprendimento.h"
#include "record/archivio.h"
#include "record/orologio.h"
#include "record/quadro.h"
#include "record/registro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringConverter>
#include <QTextStream>
#include <functional>
#include <sys/stat.h>

namespace {

/// Read and write for the owner, less if the user's umask takes more away.
QFileDevice::Permissions soloProprietario()
{
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    QFileDevice::Permissions permessi;
    if (!(maschera & S_IRUSR)) permessi |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (!(maschera & S_IWUSR)) permessi |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    return permessi;
}

bool scrivi(const QString &file, const Csv &csv, const QStringList &intestazione,
            const std::function<bool(QTextStream &)> &righe, QString &errore)
{
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly)) {
        const QFileInfo cartella(QFileInfo(file).absolutePath());
        if (cartella.isDir() && !cartella.isWritable()) {
            // The folder is what cannot be written, in the words the record uses for it.
            errore = Registro::cartellaBloccata(cartella.filePath());
            return false;
        }
        //: Why an export failed, shown after "Non riesco a esportare: ". %1: the file, %2: the system's
        //: reason.
        errore = QCoreApplication::translate("esportazione", "non riesco a scrivere %1: %2")
                     .arg(file, uscita.errorString());
        return false;
    }
    // Children's names and results: readable by their owner only, as the record is.
    uscita.setPermissions(soloProprietario());
    QTextStream testo(&uscita);
    testo.setEncoding(QStringConverter::Utf8);
    testo.setGenerateByteOrderMark(csv.conBom());
    testo << csv.riga(QVariantList(intestazione.begin(), intestazione.end()));
    if (!righe(testo)) {
        uscita.cancelWriting();
        //: Why an export failed, shown after "Non riesco a esportare: ".
        errore = QCoreApplication::translate("esportazione", "non riesco a leggere il registro");
        return false;
    }
    testo.flush();
    if (!uscita.commit()) {
        //: Why an export failed. %1: the file, %2: the system's reason.
        errore = QCoreApplication::translate("esportazione", "non riesco a scrivere %1: %2")
                     .arg(file, uscita.errorString());
        return false;
    }
    return true;
}

} // namespace

bool Esportazione::partite(Archivio &archivio, const QString &file, QString &errore, const Csv &csv,
                           const QDateTime &dal)
{
    return scrivi(
        file, csv,
        {QStringLiteral("giocatore"), QStringLiteral("inizio"), QStringLiteral("fine"),
         QStringLiteral("tabelline"), QStringLiteral("secondi"), QStringLiteral("errori"),
         QStringLiteral("esito")},
        [&archivio, &csv, &dal](QTextStream &testo) {
            return archivio.perOgniPartita([&testo, &csv, &dal](const SchedaPartita &p) {
                if (dal.isValid() && p.inizio < dal) return;
                // A game with no end here is played elsewhere right now, or was cut off there.
                const FinePartita esito = p.esito.value_or(FinePartita::Interrotta);
                // Tables as a list, never "2-5": on the command line that is 2 to 5.
                testo << csv.riga({p.giocatore, p.inizio, p.fine, p.tabelline().join(u' '), p.secondi,
                                   p.errori, parolaEsito(esito)});
            });
        },
        errore);
}

bool Esportazione::risposte(Archivio &archivio, const QString &file, QString &errore, const Csv &csv,
                            const QDateTime &dal)
{
    return scrivi(
        file, csv,
        {QStringLiteral("giocatore"), QStringLiteral("partita_inizio"), QStringLiteral("riga"),
         QStringLiteral("colonna"), QStringLiteral("millisecondi"), QStringLiteral("sbagliate")},
        [&archivio, &csv, &dal](QTextStream &testo) {
            // Milliseconds, whole: tenths of a second cannot tell a quick answer from a slow one for a
            // child who answers in half a second.
            return archivio.perOgniDomanda([&testo, &csv, &dal](const QString &giocatore,
                                                                const QDateTime &inizio, int r, int c,
                                                                qint64 millisecondi, int sbagliate) {
                if (dal.isValid() && inizio < dal) return;
                testo << csv.riga({giocatore, inizio, r, c,
                                   millisecondi < 0 ? QVariant() : QVariant(millisecondi), sbagliate});
            });
        },
        errore);
}

bool Esportazione::fatti(Archivio &archivio, const QString &file, QString &errore, const Csv &csv,
                         const QDateTime &dal)
{
    const QDateTime ora = orologio::adesso();
    return scrivi(
        file, csv,
        {QStringLiteral("giocatore"), QStringLiteral("riga"), QStringLiteral("colonna"),
         QStringLiteral("stato"), QStringLiteral("volte"), QStringLiteral("sbagliate"),
         QStringLiteral("secondi_mediana"), QStringLiteral("ultima_volta"),
         QStringLiteral("prossimo_ripasso"), QStringLiteral("stima")},
        [&archivio, &csv, &dal, &ora](QTextStream &testo) {
            const QList<SchedaGiocatore> giocatori = archivio.giocatori();
            if (archivio.guasto() != Guasto::Nessuno) return false;
            for (const SchedaGiocatore &g : giocatori) {
                // The states the record window shows, over the same period, from the same place.
                Quadro q = quadro::leggi(&archivio, g, Periodo::Tutto, ora, 0);
                if (dal.isValid()) {
                    q.nelPeriodo.reset();
                    for (const SchedaFatto &f : archivio.fatti(g.id, dal))
                        q.nelPeriodo.set(f.cella());
                }
                // stima: the model's chance, today, that her next answer is right and quick;
                // prossimo_ripasso: the day practice asks it (today or earlier: it waits now).
                for (const SchedaFatto &f : q.fatti())
                    testo << csv.riga({g.nome, f.riga, f.colonna,
                                       apprendimento::parolaStato(q.stato(f.cella())), f.chiesta, f.sbagliate,
                                       f.tempi.isEmpty() ? QVariant() : QVariant(f.secondi()), f.ultima,
                                       apprendimento::prossimo(f, q.giudizio),
                                       csv.decimale(apprendimento::stima(f, q.oggi, q.giudizio), 2)});
            }
            return true;
        },
        errore);
}

QString Esportazione::cartella()
{
    // A new account may have no documents folder yet: made, as a file manager would; else home.
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenti.isEmpty() && QDir().mkpath(documenti) && QFileInfo(documenti).isWritable())
        return documenti;
    return QDir::homePath();
}

bool Esportazione::tabella(const QStringList &intestazione, const QList<QStringList> &righe,
                           const QString &file, QString &errore, const Csv &csv)
{
    return scrivi(
        file, csv, intestazione,
        [&righe, &csv](QTextStream &testo) {
            for (const QStringList &r : righe)
                testo << csv.riga(QVariantList(r.begin(), r.end()));
            return true;
        },
        errore);
}
