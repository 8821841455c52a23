// SPDX-License-Identifier: GPL-3.0-or-later
// The record kept as games happen: each event of the board written at once, failures told once.
#include "record/registro.h"

#include "record/giocatore.h"
#include "record/ripasso.h"
#include "schoolserver/letturaclasse.h"
#include "schoolserver/spedizione.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

namespace {

QString perche(Guasto guasto, const Archivio &archivio)
{
    const QString file = QDir::toNativeSeparators(archivio.percorso());
    switch (guasto) {
    case Guasto::CartellaBloccata:
        return QStringLiteral("nella cartella %1 non si può scrivere")
            .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
    case Guasto::NonApribile:
        return QStringLiteral("il file %1 non si può aprire").arg(file);
    case Guasto::SolaLettura:
        return QStringLiteral("il file %1 si può soltanto leggere").arg(file);
    case Guasto::DiscoPieno:
        return QStringLiteral("il disco è pieno");
    case Guasto::Occupato:
        return QStringLiteral("un altro programma tiene occupato il file %1").arg(file);
    case Guasto::Danneggiato:
        return QStringLiteral("il file %1 è danneggiato e non si può mettere da parte").arg(file);
    case Guasto::Versione:
        return QStringLiteral("il file %1 è di una versione più nuova della Numerella").arg(file);
    case Guasto::Nessuno:
    case Guasto::Altro:
        break;
    }
    return QStringLiteral("il file %1 non si può usare").arg(file);
}

/// Writes the change log into the file from a connection of its own, on a pool thread.
void riordinaFile(const QString &percorso)
{
    static std::atomic_int numero = 0;
    const QString nome = QStringLiteral("riordino-%1").arg(++numero);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
        }
    }
    QSqlDatabase::removeDatabase(nome);
}

} // namespace

Registro::Registro(Giocatore &giocatore, const QString &percorso, QObject *parent)
    : QObject(parent), m_giocatore(giocatore),
      m_percorso(percorso.isEmpty() ? percorsoPredefinito() : percorso)
{
    m_riordino.setMaxThreadCount(1);
}

Registro::~Registro()
{
    if (!m_uuid.isEmpty()) {
        lasciaDomanda();
        const qint64 giocato = m_giocato + (m_inPausa ? 0 : m_tempoPartita.elapsed());
        chiudi(FinePartita::Interrotta, int(giocato / 1000), m_errori);
    }
    m_riordino.waitForDone();
}

QString Registro::percorsoPredefinito()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/registro.sqlite");
}

void Registro::apri()
{
    if (m_provato) return;
    m_provato = true;
    m_archivio = std::make_unique<Archivio>(m_percorso);
    const bool aperto = m_archivio->apri();
    if (!m_archivio->messoDaParte().isEmpty()) {
        m_avviso = QStringLiteral("Il registro delle partite era danneggiato: è stato messo da parte come %1 "
                                  "e ne è cominciato uno nuovo.")
                       .arg(QDir::toNativeSeparators(m_archivio->messoDaParte()));
    }
    if (!aperto) {
        m_guasto = true;
        m_avviso = QStringLiteral("Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, "
                                  "ma le partite non saranno ricordate.")
                       .arg(perche(m_archivio->guasto(), *m_archivio));
    }
    if (m_uuid.isEmpty()) avvisaSeServe();
}

Archivio *Registro::archivio()
{
    apri();
    return m_guasto ? nullptr : m_archivio.get();
}

void Registro::usaServer(Spedizione *spedizione)
{
    m_spedizione = spedizione;
    // The copy of the class has this record's own schema, so that the windows read it alike.
    m_lettura =
        spedizione
            ? std::make_unique<LetturaClasse>(spedizione->collegamento(),
                                              [](const QString &file) { return Archivio(file).apri(); })
            : nullptr;
}

void Registro::rileggiClasse()
{
    if (m_lettura) m_lettura->chiedi();
}

Archivio *Registro::archivioDaMostrare(QString &motivo)
{
    motivo.clear();
    if (!m_lettura) return archivio();
    motivo = m_lettura->descrizione();
    // A local copy, read on the reader's thread: opening it here waits for no network.
    if (!m_lettura->file().isEmpty() && (!m_classe || m_classe->percorso() != m_lettura->file())) {
        m_classe = std::make_unique<Archivio>(m_lettura->file());
        if (!m_classe->apri()) m_classe.reset();
    }
    return m_classe ? m_classe.get() : archivio();
}

QList<SchedaFatto> Registro::difficili()
{
    Archivio *a = archivio();
    const qint64 id = a ? a->giocatore(m_giocatore.nomeRegistro()) : 0;
    return id == 0 ? QList<SchedaFatto>() : ripasso::difficili(a->fatti(id));
}

void Registro::guasto()
{
    if (m_guasto) return;
    m_guasto = true;
    m_avviso = QStringLiteral("Il registro delle partite non viene più tenuto: %1. Si può giocare lo stesso, "
                              "ma le prossime partite non saranno ricordate.")
                   .arg(perche(m_archivio->guasto(), *m_archivio));
}

void Registro::avvisaSeServe()
{
    if (m_avviso.isEmpty() || m_avvisato) return;
    m_avvisato = true;
    Q_EMIT avviso(m_avviso);
}

void Registro::partitaIniziata(const std::bitset<100> &inGioco)
{
    m_uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_partita = 0;
    m_giocato = 0;
    m_tempoPartita.start();
    m_esatte = m_errori = 0;
    m_cella = -1;
    m_ordine = 0;
    m_inPausa = false;
    Archivio *a = archivio();
    if (!a) return;
    const qint64 giocatore = a->giocatore(m_giocatore.nomeRegistro());
    if (giocatore != 0)
        m_partita = a->iniziaPartita(giocatore, m_uuid, QDateTime::currentDateTimeUtc(), inGioco);
    if (m_partita == 0) guasto();
}

void Registro::domandaPosta(int cella)
{
    // Resuming may ask again the question left by the pause: the same asking goes on.
    if (cella == m_cella && m_inPausa) {
        m_inPausa = false;
        m_tempoDomanda.start();
        return;
    }
    lasciaDomanda();
    m_inPausa = false;
    m_cella = cella;
    ++m_ordine;
    m_sbagliate = 0;
    m_pensato = 0;
    m_tempoDomanda.start();
}

void Registro::rispostaData(int cella, const QString &valore, Risposta risposta)
{
    if (cella != m_cella || m_uuid.isEmpty()) return;
    const qint64 millisecondi = m_pensato + m_tempoDomanda.elapsed();
    const bool scritta = [&] {
        if (m_partita == 0 || m_guasto) return true;
        if (risposta == Risposta::Sbagliata)
            return m_archivio->sbagliata(m_partita, m_ordine, cella, valore, millisecondi);
        return m_archivio->domanda(m_partita, m_ordine, cella, millisecondi, m_sbagliate);
    }();
    if (!scritta) guasto();
    if (risposta == Risposta::Sbagliata) {
        ++m_sbagliate;
        ++m_errori;
        return;
    }
    ++m_esatte;
    m_cella = -1;
}

void Registro::lasciaDomanda()
{
    if (m_cella < 0) return;
    if (m_sbagliate > 0 && m_partita != 0 && !m_guasto &&
        !m_archivio->domanda(m_partita, m_ordine, m_cella, -1, m_sbagliate))
        guasto();
    m_cella = -1;
}

void Registro::partitaSospesa()
{
    if (m_uuid.isEmpty() || m_inPausa) return;
    m_inPausa = true;
    m_giocato += m_tempoPartita.elapsed();
    if (m_cella >= 0) m_pensato += m_tempoDomanda.elapsed();
}

void Registro::partitaRipresa()
{
    if (m_uuid.isEmpty()) return;
    m_tempoPartita.start();
    // The next question says whether the asking goes on (domandaPosta).
}

void Registro::partitaFermata(int secondi, int errori)
{
    lasciaDomanda();
    chiudi(FinePartita::Fermata, secondi, errori);
}

void Registro::partitaFinita(int secondi, int errori)
{
    chiudi(FinePartita::Finita, secondi, errori);
}

void Registro::chiudi(FinePartita esito, int secondi, int errori)
{
    if (m_uuid.isEmpty()) return;
    if (m_partita != 0 && !m_guasto) {
        if (m_archivio->chiudiPartita(m_partita, QDateTime::currentDateTimeUtc(), secondi, errori, m_esatte,
                                      esito)) {
            m_riordino.start([percorso = m_percorso] { riordinaFile(percorso); });
            Q_EMIT partitaChiusa();
        } else
            guasto();
    }
    m_uuid.clear();
    m_partita = 0;
    m_cella = -1;
    m_inPausa = false;
    avvisaSeServe();
}
