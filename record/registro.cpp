// SPDX-License-Identifier: GPL-3.0-or-later
// The record kept as games happen: each event of the board written at once, failures told once.
#include "record/registro.h"

#include "record/apprendimento.h"
#include "record/giocatore.h"
#include "record/orologio.h"
#include "record/quadro.h"
#include "record/ripasso.h"
#include "schoolserver/letturaclasse.h"
#include "schoolserver/spedizione.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <limits>
#include <utility>

QString Registro::cartellaBloccata(const QString &cartella)
{
    //: Why the record of games cannot be used, put into a longer message as its %1. Lower case, no final
    //: stop. %1: the folder.
    return tr("nella cartella %1 non si può scrivere").arg(QDir::toNativeSeparators(cartella));
}

QString Registro::perche(Guasto guasto, const Archivio &archivio)
{
    const QString file = QDir::toNativeSeparators(archivio.percorso());
    switch (guasto) {
    case Guasto::CartellaBloccata:
        return cartellaBloccata(QFileInfo(file).absolutePath());
    case Guasto::NonApribile:
        //: The same kind of reason; in all of these %1 is the record's file.
        return tr("il file %1 non si può aprire").arg(file);
    case Guasto::SolaLettura:
        return tr("il file %1 si può soltanto leggere").arg(file);
    case Guasto::DiscoPieno:
        return tr("il disco è pieno");
    case Guasto::Occupato:
        return tr("un altro programma tiene occupato il file %1").arg(file);
    case Guasto::Danneggiato:
        if (!archivio.motivoSpostamento().isEmpty()) {
            // A folder that cannot be written is the reason, not the copy Qt tries after the rename.
            const QFileInfo cartella(QFileInfo(file).absolutePath());
            return tr("il file %1 è danneggiato e non si può mettere da parte (%2)")
                .arg(file, cartella.isWritable() ? archivio.motivoSpostamento()
                                                 : cartellaBloccata(cartella.filePath()));
        }
        return tr("il file %1 è danneggiato").arg(file);
    case Guasto::Estraneo:
    case Guasto::Illeggibile:
        return tr("il file %1 non è un registro della Numerella, e resta com'è").arg(file);
    case Guasto::Assente:
        return tr("il file %1 non c'è").arg(file);
    case Guasto::Versione:
        return tr("il file %1 è di una versione più nuova della Numerella").arg(file);
    case Guasto::Nessuno:
    case Guasto::Vincolo:
    case Guasto::Altro:
        break;
    }
    return tr("il file %1 non si può usare").arg(file);
}

namespace {

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

/// How often the writes waiting are tried again: soon for another program's lock, which lasts one
/// write as a rule, less often for a disk that must first be emptied.
constexpr int RiprovaOccupato = 200;
constexpr int RiprovaAltro = 1000;
/// At the end of the run the writes waiting may hold up the exit this long for a lock to go.
constexpr int AttesaUscita = 2000;
/// Writes waiting that go in one transaction at most.
constexpr qsizetype ScrittureInsieme = 500;

} // namespace

Registro::Registro(Giocatore &giocatore, const QString &percorso, QObject *parent)
    : QObject(parent), m_giocatore(giocatore),
      m_percorso(percorso.isEmpty() ? percorsoPredefinito() : percorso), m_predefinito(percorso.isEmpty()),
      m_lunghezzaRipasso(ripasso::LunghezzaPredefinita)
{
    m_riordino.setMaxThreadCount(1);
    m_riprova.setSingleShot(true);
    connect(&m_riprova, &QTimer::timeout, this, &Registro::scriviInAttesa);
    m_mezzanotte.setSingleShot(true);
    connect(&m_mezzanotte, &QTimer::timeout, this, &Registro::contaRipasso);
    connect(this, &Registro::partitaChiusa, this, &Registro::contaRipasso);
    connect(&m_giocatore, &Giocatore::cambiato, this, &Registro::contaRipasso);
    connect(&m_giocatore, &Giocatore::cambiato, this, &Registro::notaPresente);
}

Registro::~Registro()
{
    // The writes that waited for the check or the upgrade go now.
    if (m_controllo.valid()) m_controllo.wait();
    if (!m_uuid.isEmpty()) {
        lasciaDomanda();
        const qint64 giocato = m_giocato + (m_inPausa ? 0 : m_tempoPartita.elapsed());
        chiudi(FinePartita::Interrotta, int(giocato / 1000), m_errori);
    }
    if (!m_inAttesa.empty() && aperto()) {
        // A last try, which may wait a little for a lock: what still fails is lost with the run.
        m_archivio->attendi(AttesaUscita);
        scriviInAttesa();
    } else if (!m_inAttesa.empty() && !m_guasto) {
        scriviInAttesa(); // the record could not be opened yet: one last try
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
    // While the check or the upgrade runs the writes wait in memory: its end opens the record.
    if (m_controllo.valid() && m_controllo.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    m_provato = true;
    const bool aperto =
        apriArchivio(m_controllo.valid() ? m_controllo.get() : Archivio::controlla(m_percorso));
    avvisaSeServe();
    contaRipasso();
    if (aperto && !m_inAttesa.empty()) scriviInAttesa();
}

namespace {

/// Whether the record may be kept once what stops it clears: a lock, a full disk, a folder or a file
/// that cannot be written for a moment. The others are the file's own and stay.
bool passeggero(Guasto guasto)
{
    switch (guasto) {
    case Guasto::Estraneo:
    case Guasto::Illeggibile:
    case Guasto::Versione:
    case Guasto::Danneggiato:
    case Guasto::Assente:
        return false;
    default:
        return true;
    }
}

} // namespace

bool Registro::apriArchivio(Guasto controllo, Apertura apertura)
{
    // Nothing but this program writes at its own place: what is no database there is its record, damaged.
    if (controllo == Guasto::Illeggibile && m_predefinito) controllo = Guasto::Danneggiato;
    m_archivio = std::make_unique<Archivio>(m_percorso);
    m_archivio->giudicaTutti(m_tempoPerTutti);
    // Tried again from the board's thread: a lock is waited for on the next try, not here.
    if (apertura == Apertura::Riprova) m_archivio->attendiApertura(0);
    const bool aperto = m_archivio->apri(controllo);
    if (!m_archivio->messoDaParte().isEmpty()) {
        //: %1: the damaged file's new name.
        avvisa(tr("Il registro delle partite era danneggiato: è stato messo da parte come %1 "
                  "e ne è cominciato uno nuovo.")
                   .arg(QDir::toNativeSeparators(m_archivio->messoDaParte())));
    }
    if (aperto) {
        // "sofia" on the command line is the Sofia already in the record, never a second child.
        const QString scelto = m_giocatore.nomeRegistro();
        for (const SchedaGiocatore &g : m_archivio->giocatori())
            if (g.nome != scelto && Giocatore::chiave(g.nome) == Giocatore::chiave(scelto)) {
                m_giocatore.scegli(g.nome);
                break;
            }
        notaPresente();
        return true;
    }
    if (passeggero(m_archivio->guasto())) {
        // As for a write during a game: the games wait in memory and the file is tried again.
        rimanda(m_archivio->guasto());
        return false;
    }
    m_guasto = true;
    //: %1: the reason, one of the lower-case reasons above.
    avvisa(tr("Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, "
              "ma le partite non saranno ricordate.")
               .arg(perche(m_archivio->guasto(), *m_archivio)));
    return false;
}

bool Registro::rimossaAltrove(const QString &nome)
{
    if (!m_presenti.contains(nome) || !aperto() || m_archivio->trova(nome) != 0) return false;
    toltaAltrove(nome, m_nomePartita == nome ? m_uuid : QString());
    return true;
}

void Registro::notaPresente()
{
    // Chosen while she is in the record: a game of hers never makes her again once another program
    // removed her. A new child, chosen before her first game, is made by it.
    const QString nome = m_giocatore.nomeRegistro();
    if (!aperto() || nome == Giocatore::ospite()) return;
    if (m_archivio->trova(nome) > 0)
        m_presenti.insert(nome);
    else
        m_presenti.remove(nome);
}

bool Registro::aperto() const
{
    return !m_guasto && m_archivio && m_archivio->aperto();
}

void Registro::controlla()
{
    if (m_provato || m_controllo.valid()) return;
    m_controllo = std::async(std::launch::async, [this, percorso = m_percorso] {
        int versione = 0;
        const Guasto esito = Archivio::controlla(percorso, &versione);
        if (esito == Guasto::Nessuno && versione > 0 && versione < Archivio::VersioneSchema) {
            // A record of an older version: copied and brought up to date here, which takes seconds for a
            // large one, while the board goes on. A fault is for the opening to find again and name.
            QMetaObject::invokeMethod(this, &Registro::aggiornamento, Qt::QueuedConnection);
            Archivio(percorso).apri(Guasto::Nessuno);
        }
        // Run once this thread has returned: the check's result is then ready, or apri() would wait on.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_controllo.valid()) m_controllo.wait();
                apri();
            },
            Qt::QueuedConnection);
        return esito;
    });
}

Archivio *Registro::archivio()
{
    apri();
    return aperto() ? m_archivio.get() : nullptr;
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
        m_classe->giudicaTutti(m_tempoPerTutti);
        if (!m_classe->apri()) m_classe.reset();
    }
    return m_classe ? m_classe.get() : archivio();
}

QList<SchedaFatto> Registro::giro()
{
    Archivio *a = archivio();
    const qint64 id = a ? a->giocatore(m_giocatore.nomeRegistro()) : 0;
    return id == 0 ? QList<SchedaFatto>()
                   : ripasso::giro(a->fatti(id), orologio::oggi(), m_lunghezzaRipasso, a->mediana(id));
}

void Registro::contaRipasso()
{
    // A second past midnight, so that the new day has surely begun.
    m_mezzanotte.start(
        int(std::min<qint64>(orologio::finoADomani() + 1000, std::numeric_limits<int>::max())));
    int quanti = 0;
    // Never opens the file itself: at start-up its check may still be running.
    if (m_provato && aperto() && !m_giocatore.nome().isEmpty()) {
        const QDate oggi = orologio::oggi();
        for (const SchedaGiocatore &g : m_archivio->giocatori()) {
            if (g.nome != m_giocatore.nomeRegistro()) continue;
            // The same rule as the record window's and Ripassa's, from the same place.
            quanti = quadro::daFareOggi(m_archivio->fatti(g.id), oggi, m_archivio->giudizio(g.id),
                                        m_lunghezzaRipasso);
        }
    }
    Q_EMIT daRipassare(quanti);
}

bool Registro::completaInCorso(SchedaPartita &partita) const
{
    if (m_uuid.isEmpty() || partita.uuid != m_uuid || partita.esito) return false;
    partita.esatte = m_esatte;
    partita.errori = m_errori;
    partita.secondi = int((m_giocato + (m_inPausa ? 0 : m_tempoPartita.elapsed())) / 1000);
    return true;
}

void Registro::avvisa(const QString &testo)
{
    m_avviso = testo;
    m_daDire.append(testo);
}

void Registro::avvisaSeServe()
{
    if (!m_uuid.isEmpty()) return; // never during a game
    for (const QString &testo : std::exchange(m_daDire, {}))
        Q_EMIT avviso(testo);
}

Registro::Scrittura Registro::nuova(Scrittura::Tipo tipo) const
{
    Scrittura s;
    s.tipo = tipo;
    s.uuid = m_uuid;
    s.giocatore = m_nomePartita;
    return s;
}

void Registro::accoda(Scrittura s)
{
    apri();
    if (m_guasto) return;
    m_inAttesa.push_back(std::move(s));
    // Behind a write that waits, the next ones wait too: the timer tries them in order.
    if (m_inAttesa.size() == 1) scriviInAttesa();
}

void Registro::scriviInAttesa()
{
    apri();
    if (m_guasto || !m_provato) return;
    if (!aperto()) {
        // The record could not be opened yet: tried again, and a game closed meanwhile counts again.
        if (!apriArchivio(Archivio::riconosci(m_percorso), Apertura::Riprova)) return;
        avvisaSeServe();
        contaRipasso();
    }
    while (!m_inAttesa.empty()) {
        // A backlog goes in transactions of many writes: much quicker, and one commit's room on the disk.
        const qsizetype quante = std::min(qsizetype(m_inAttesa.size()), ScrittureInsieme);
        const bool insieme = quante > 1 && m_archivio->inizia();
        QStringList iniziate, chiuse;
        Guasto g = Guasto::Nessuno;
        qsizetype fatte = 0;
        for (; fatte < (insieme ? quante : 1); ++fatte) {
            const Scrittura &s = m_inAttesa[size_t(fatte)];
            if (scrivi(s)) {
                if (s.tipo == Scrittura::Tipo::Inizio) iniziate.append(s.uuid);
                if (s.tipo == Scrittura::Tipo::Chiusura) chiuse.append(s.uuid);
            } else if ((g = m_archivio->ultimoGuasto()) == Guasto::Vincolo) {
                // The file refuses it for good (its game was removed by another program): never retried.
                qWarning("numerella: una scrittura del registro è stata rifiutata e lasciata");
                g = Guasto::Nessuno;
            } else {
                break;
            }
        }
        if (g == Guasto::Nessuno && insieme && !m_archivio->conferma()) g = m_archivio->ultimoGuasto();
        if (g != Guasto::Nessuno) {
            if (insieme) {
                // Nothing of the transaction is in the file: it is all tried again.
                m_archivio->annulla();
                for (const QString &uuid : std::as_const(iniziate))
                    m_numeri.remove(uuid);
            }
            rimanda(g);
            return;
        }
        m_inAttesa.erase(m_inAttesa.begin(), m_inAttesa.begin() + fatte);
        for (const QString &uuid : std::as_const(chiuse)) {
            m_numeri.remove(uuid);
            m_riordino.start([percorso = m_percorso] { riordinaFile(percorso); });
            Q_EMIT partitaChiusa();
        }
    }
    if (m_intoppo != Guasto::Nessuno) {
        m_intoppo = Guasto::Nessuno;
        m_archivio->attendi(Archivio::AttesaScrittura);
    }
}

void Registro::rimanda(Guasto guasto)
{
    // The board's thread never waits for a lock.
    if (m_intoppo == Guasto::Nessuno && m_archivio->aperto()) m_archivio->attendi(0);
    m_intoppo = guasto;
    if (guasto != Guasto::Occupato && !m_intoppoDetto) {
        // Told once a run; a lock that goes before the game ends is not worth a word.
        m_intoppoDetto = true;
        //: %1: the reason, one of the lower-case reasons above.
        avvisa(tr("Il registro delle partite per ora non si può scrivere: %1. Le risposte "
                  "restano in memoria e saranno scritte appena si potrà: non chiudere il "
                  "programma.")
                   .arg(perche(guasto, *m_archivio)));
    }
    m_riprova.start(guasto == Guasto::Occupato ? RiprovaOccupato : RiprovaAltro);
    avvisaSeServe();
}

bool Registro::scrivi(const Scrittura &s)
{
    using Tipo = Scrittura::Tipo;
    Archivio &a = *m_archivio;
    if (s.tipo == Tipo::Inizio) {
        QString nome = s.giocatore;
        const qint64 trovata = a.trova(nome);
        if (trovata < 0) return false;
        if (trovata == 0 && m_presenti.contains(nome)) {
            // She was in the record in this run and another program removed her: never made again by a
            // game, which goes to the guest.
            toltaAltrove(nome, {});
            nome = Giocatore::ospite();
        }
        const qint64 giocatore = trovata > 0 && nome == s.giocatore ? trovata : a.giocatore(nome);
        const qint64 numero = giocatore != 0 ? a.iniziaPartita(giocatore, s.uuid, s.quando, s.inGioco) : 0;
        if (numero != 0) {
            m_numeri.insert(s.uuid, numero);
            m_presenti.insert(nome);
        }
        return numero != 0;
    }
    const qint64 partita = m_numeri.value(s.uuid);
    if (partita == 0) return true; // its game was removed: nowhere to go
    if (a.cambiatoAltrove() && s.giocatore != Giocatore::ospite() &&
        a.giocatoreDi(partita) == Giocatore::ospite())
        toltaAltrove(s.giocatore, s.uuid); // her game goes on there under the guest: it ends
    switch (s.tipo) {
    case Tipo::Domanda:
        return a.domanda(partita, s.ordine, s.cella, s.millisecondi, s.sbagliate);
    case Tipo::Sbagliata:
        return a.sbagliata(partita, s.ordine, s.cella, s.valore, s.millisecondi);
    case Tipo::Chiusura:
        return a.chiudiPartita(partita, s.quando, s.secondi, s.errori, s.esatte, s.esito);
    case Tipo::Inizio:
        break;
    }
    return true;
}

bool Registro::togliGiocatore(qint64 id, const QString &nome)
{
    Archivio *a = archivio();
    if (!a) return false;
    if (!m_uuid.isEmpty() && m_nomePartita == nome) {
        // Her game ends first, kept as stopped until it goes with her; without a board it ends here.
        Q_EMIT partitaDaFermare();
        if (!m_uuid.isEmpty()) {
            lasciaDomanda();
            const qint64 giocato = m_giocato + (m_inPausa ? 0 : m_tempoPartita.elapsed());
            chiudi(FinePartita::Fermata, int(giocato / 1000), m_errori);
        }
    }
    // What waits for her games goes with them, and never brings her back.
    std::erase_if(m_inAttesa, [&nome](const Scrittura &s) { return s.giocatore == nome; });
    if (id != 0 && !a->rimuovi(id)) return false;
    m_presenti.remove(nome);
    if (nome == m_giocatore.nomeRegistro()) m_giocatore.scegli({});
    return true;
}

void Registro::toltaAltrove(QString nome, QString uuid) // copies: the write that tells it changes below
{
    // What waits for her goes to the guest, as her game did in the file; she stays known as removed until
    // she is chosen again on purpose (notaPresente()).
    for (Scrittura &w : m_inAttesa)
        if (w.giocatore == nome) w.giocatore = Giocatore::ospite();
    if (m_nomePartita == nome) m_nomePartita = Giocatore::ospite();
    // Out of the write under way: her game on the board ends, kept as stopped, and the guest plays on.
    QMetaObject::invokeMethod(
        this,
        [this, nome, uuid] {
            if (!m_uuid.isEmpty() && m_uuid == uuid) {
                Q_EMIT partitaDaFermare();
                if (m_uuid == uuid) {
                    lasciaDomanda();
                    const qint64 giocato = m_giocato + (m_inPausa ? 0 : m_tempoPartita.elapsed());
                    chiudi(FinePartita::Fermata, int(giocato / 1000), m_errori);
                }
            }
            if (m_giocatore.nomeRegistro() == nome) m_giocatore.scegli({});
        },
        Qt::QueuedConnection);
}

bool Registro::rinominaGiocatore(qint64 id, const QString &vecchio, const QString &nuovo)
{
    Archivio *a = archivio();
    if (!a || !a->rinomina(id, nuovo)) return false;
    // Otherwise a game begun under the old name would bring her back, or be removed with someone else.
    if (m_nomePartita == vecchio) m_nomePartita = nuovo;
    if (m_presenti.remove(vecchio)) m_presenti.insert(nuovo);
    for (Scrittura &s : m_inAttesa)
        if (s.giocatore == vecchio) s.giocatore = nuovo;
    return true;
}

bool Registro::segnaSenzaFretta(qint64 id, apprendimento::Tempo tempo)
{
    Archivio *a = archivio();
    if (!a || !a->segnaSenzaFretta(id, tempo)) return false;
    Q_EMIT senzaFrettaCambiata();
    contaRipasso();
    return true;
}

apprendimento::Tempo Registro::senzaFretta()
{
    if (!m_provato || !aperto()) return apprendimento::Tempo::Conta;
    const qint64 id = m_archivio->trova(m_giocatore.nomeRegistro());
    return id > 0 ? m_archivio->senzaFretta(id) : apprendimento::Tempo::Conta;
}

void Registro::giudicaTutti(apprendimento::Tempo tempo)
{
    m_tempoPerTutti = tempo;
    for (Archivio *a : {m_archivio.get(), m_classe.get()})
        if (a) a->giudicaTutti(tempo);
}

void Registro::partitaIniziata(const std::bitset<100> &inGioco)
{
    m_uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_nomePartita = m_giocatore.nomeRegistro();
    m_giocato = 0;
    m_tempoPartita.start();
    m_esatte = m_errori = 0;
    m_cella = -1;
    m_ordine = 0;
    m_inPausa = false;
    Scrittura s = nuova(Scrittura::Tipo::Inizio);
    s.quando = orologio::adessoUtc();
    s.inGioco = inGioco;
    accoda(std::move(s));
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
    const bool sbagliata = risposta == Risposta::Sbagliata;
    Scrittura s = nuova(sbagliata ? Scrittura::Tipo::Sbagliata : Scrittura::Tipo::Domanda);
    s.ordine = m_ordine;
    s.cella = cella;
    s.millisecondi = m_pensato + m_tempoDomanda.elapsed();
    s.valore = valore;
    s.sbagliate = m_sbagliate;
    accoda(std::move(s));
    if (sbagliata) {
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
    if (m_sbagliate > 0) {
        Scrittura s = nuova(Scrittura::Tipo::Domanda);
        s.ordine = m_ordine;
        s.cella = m_cella;
        s.millisecondi = -1;
        s.sbagliate = m_sbagliate;
        accoda(std::move(s));
    }
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
    Scrittura s = nuova(Scrittura::Tipo::Chiusura);
    s.quando = orologio::adessoUtc();
    s.secondi = secondi;
    s.errori = errori;
    s.esatte = m_esatte;
    s.esito = esito;
    m_uuid.clear();
    m_cella = -1;
    m_inPausa = false;
    accoda(std::move(s));
    avvisaSeServe();
}
