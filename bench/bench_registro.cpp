// SPDX-License-Identifier: GPL-3.0-or-later
// The record's costs: a confirmed answer with and without it, the window and the facts map on a
// school year's file, the bytes an answer takes. With --prepara it only writes such a file.
#include "board/registrazione.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "schoolserver/spedizione.h"
#include "tests/aiuto.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr double BudgetRispostaMs = 0.5; // more than without the record, median
constexpr double BudgetFinestraMs = 300;
constexpr double BudgetMappaMs = 50;
constexpr double BudgetServerAppesoMs = 100; // more than with no server, median
constexpr double BudgetByte = 100;
constexpr double BudgetFermoMs = 100; // the board's thread during an upgrade: a frame or so, never seconds
constexpr double BudgetControlloMs =
    1000; // off the board's thread: what a child pressing Start at once may wait

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

void riga(const char *nome, double valore, double budget = -1, bool diPiu = true)
{
    if (budget < 0)
        std::printf("%-28s %10.3f\n", nome, valore);
    else
        std::printf("%-28s %10.3f  (budget %s %.3f)%s\n", nome, valore, diPiu ? "<=" : ">=", budget,
                    valore <= budget ? "" : "  MISSED");
}

/// A school year: \a giocatori children, \a partite games of full tables, each fact asked once a game,
/// a few wrong; some facts harder for each child.
void prepara(const QString &file, int giocatori, int partite)
{
    {
        // The answers as an older program left them: opening it builds the facts' summary.
        Archivio archivio(file);
        if (!archivio.apri(Archivio::VersioneFatti - 1)) qFatal("cannot make %s", qPrintable(file));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prepara"));
    db.setDatabaseName(file);
    db.open();
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    db.transaction();
    QRandomGenerator caso(7);
    const QStringList nomi = {"Giulia",    "Marco",    "Sofia",    "Leonardo", "Aurora",
                              "Francesco", "Alice",    "Tommaso",  "Ginevra",  "Edoardo",
                              "Emma",      "Lorenzo",  "Giorgia",  "Mattia",   "Beatrice",
                              "Riccardo",  "Vittoria", "Gabriele", "Ludovica", "Andrea",
                              "Chiara",    "Pietro",   "Anna",     "Diego",    "Martina"};
    for (int g = 0; g < giocatori; ++g) {
        q.prepare(QStringLiteral("INSERT INTO giocatori (id, nome, creato) VALUES (?, ?, ?)"));
        q.addBindValue(g + 1);
        q.addBindValue(g < nomi.size() ? nomi[g] : QStringLiteral("Bambino %1").arg(g + 1));
        q.addBindValue(QStringLiteral("2026-09-15T08:00:00.000Z"));
        q.exec();
    }
    QSqlQuery partita(db), domanda(db), sbagliata(db);
    partita.prepare(
        QStringLiteral("INSERT INTO partite (id, uuid, giocatore, inizio, fine, celle, secondi, errori,"
                       " esatte, esito) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    domanda.prepare(QStringLiteral("INSERT INTO domande VALUES (?, ?, ?, ?, ?, ?)"));
    sbagliata.prepare(QStringLiteral("INSERT INTO sbagliate VALUES (?, ?, ?, ?, ?, ?)"));
    const QDateTime primo(QDate(2026, 9, 15), QTime(9, 0), Qt::UTC);
    for (int p = 0; p < partite; ++p) {
        const int g = p % giocatori;
        // Each child learns: fewer errors and quicker answers as the year goes on.
        const double anno = double(p) / partite;
        const QDateTime inizio = primo.addSecs(qint64(anno * 270 * 86400) + g * 600);
        qint64 totale = 0;
        int errori = 0;
        for (int k = 0; k < 100; ++k) {
            const int i = k / 10 + 1, j = k % 10 + 1;
            const bool difficile = (i * j + g) % 17 == 0 || (i >= 6 && j >= 6 && (i + j + g) % 5 == 0);
            const double base = 2500 + 400 * (i + j) * (1.2 - anno) + (difficile ? 4000 : 0);
            const qint64 ms = qint64(base * (0.6 + caso.generateDouble()));
            const int sbagliate = caso.generateDouble() < (difficile ? 0.45 - 0.3 * anno : 0.04) ? 1 : 0;
            for (int s = 0; s < sbagliate; ++s) {
                sbagliata.addBindValue(p + 1);
                sbagliata.addBindValue(k + 1);
                sbagliata.addBindValue(i);
                sbagliata.addBindValue(j);
                sbagliata.addBindValue(QString::number(i * j + 1));
                sbagliata.addBindValue(ms / 2);
                sbagliata.exec();
            }
            domanda.addBindValue(p + 1);
            domanda.addBindValue(k + 1);
            domanda.addBindValue(i);
            domanda.addBindValue(j);
            domanda.addBindValue(ms);
            domanda.addBindValue(sbagliate);
            domanda.exec();
            totale += ms;
            errori += sbagliate;
        }
        partita.addBindValue(p + 1);
        partita.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
        partita.addBindValue(g + 1);
        partita.addBindValue(inizio.toString(Qt::ISODateWithMs));
        partita.addBindValue(inizio.addMSecs(totale).toString(Qt::ISODateWithMs));
        partita.addBindValue(QString(100, u'1'));
        partita.addBindValue(int(totale / 1000));
        partita.addBindValue(errori);
        partita.addBindValue(100);
        partita.addBindValue(QStringLiteral("finita"));
        partita.exec();
    }
    db.commit();
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    q.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("prepara"));
}

/// Milliseconds of each confirmed right answer on the board, with or without a record behind it.
QList<double> risposte(const QString *file, int quante)
{
    Giocatore giocatore;
    std::unique_ptr<Registro> registro;
    Banco b;
    if (file) {
        registro = std::make_unique<Registro>(giocatore, *file);
        registra(*b, *registro, b.tipografia);
        registro->apri();
    }
    QList<double> tempi;
    QElapsedTimer t;
    while (tempi.size() < quante) {
        if (b->momento() != Momento::InCorso) b->cmdAvvio_Click();
        b.domanda()->setText(QString::number(b.stato.Prodotto[b.stato.cella()]));
        t.start();
        b->Cmd_invio_Click();
        tempi.append(t.nsecsElapsed() / 1e6);
    }
    return tempi;
}

/// A start as main() makes it: the board up, the record checked (and brought up to date) on its own
/// thread, a timer on the board's thread turning every millisecond. Milliseconds until the record is
/// open, and the longest the board's thread went without turning.
std::pair<double, double> avvio(const QString &file)
{
    Giocatore giocatore;
    Registro registro(giocatore, file);
    Banco b;
    registra(*b, registro, b.tipografia);
    QElapsedTimer t, passo;
    double fermo = 0;
    QTimer battito;
    QObject::connect(&battito, &QTimer::timeout, [&] {
        fermo = std::max(fermo, passo.nsecsElapsed() / 1e6);
        passo.start();
    });
    battito.start(1);
    t.start();
    passo.start();
    registro.controlla();
    // The record window asks archivio(): null while the check or the upgrade runs.
    while (!registro.archivio())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return {t.nsecsElapsed() / 1e6, fermo};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser opzioni;
    const QCommandLineOption preparaSolo(QStringLiteral("prepara"), QStringLiteral("write FILE and stop"),
                                         QStringLiteral("FILE"));
    const QCommandLineOption numeroPartite(QStringLiteral("partite"), QStringLiteral("games (10000)"),
                                           QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption numeroGiocatori(QStringLiteral("giocatori"), QStringLiteral("players (25)"),
                                             QStringLiteral("N"), QStringLiteral("25"));
    opzioni.addOptions({preparaSolo, numeroPartite, numeroGiocatori});
    opzioni.process(app);
    const int partite = opzioni.value(numeroPartite).toInt();
    const int giocatori = opzioni.value(numeroGiocatori).toInt();
    if (opzioni.isSet(preparaSolo)) {
        prepara(opzioni.value(preparaSolo), giocatori, partite);
        return 0;
    }
    QTemporaryDir cartella;
    qputenv("XDG_CONFIG_HOME", cartella.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", cartella.filePath(QStringLiteral("stato")).toLocal8Bit());

    // A confirmed answer: the floor without the record and with it, alternated so both see the same machine.
    const QString nuovo = cartella.filePath(QStringLiteral("risposte.sqlite"));
    QList<double> senza, con;
    for (int giro = 0; giro < 5; ++giro) {
        senza += risposte(nullptr, 400);
        con += risposte(&nuovo, 400);
    }
    riga("answer_ms_floor", mediana(senza));
    riga("answer_ms_record", mediana(con));
    riga("answer_ms_more", mediana(con) - mediana(senza), BudgetRispostaMs);

    // An upgrade at start-up: 2,000 games (200,000 answers) as the previous release left them, copied and
    // brought up to date off the board's thread; the same file's plain start afterwards is its floor.
    {
        const QString vecchio = cartella.filePath(QStringLiteral("vecchio.sqlite"));
        prepara(vecchio, 5, 2000);
        const auto [aggiornato, fermoAggiornando] = avvio(vecchio);
        if (!QFileInfo::exists(vecchio + QStringLiteral(".versione-%1").arg(Archivio::VersioneFatti - 1)))
            qFatal("no copy of the old record");
        const auto [aperto, fermoAprendo] = avvio(vecchio);
        riga("start_ms_floor", aperto);
        riga("upgrade_start_ms", aggiornato);
        riga("board_stall_ms_floor", fermoAprendo);
        riga("upgrade_board_stall_ms", fermoAggiornando, BudgetFermoMs);
    }

    const QString anno = cartella.filePath(QStringLiteral("anno.sqlite"));
    QElapsedTimer t;
    t.start();
    prepara(anno, giocatori, partite);
    riga("prepare_s", t.elapsed() / 1000.0);
    const double byte = double(QFileInfo(anno).size()) / (double(partite) * 100);
    riga("bytes_per_answer", byte, BudgetByte);

    QList<double> controlli;
    for (int i = 0; i < 3; ++i) {
        t.start();
        if (Archivio::controlla(anno) != Guasto::Nessuno) qFatal("the year's file found damaged");
        controlli.append(t.nsecsElapsed() / 1e6);
    }
    riga("check_ms", mediana(controlli), BudgetControlloMs);

    Giocatore giocatore;
    giocatore.scegli(QStringLiteral("Giulia"));
    Registro registro(giocatore, anno);
    t.start();
    registro.apri();
    riga("open_ms", t.nsecsElapsed() / 1e6);
    Archivio *archivio = registro.archivio();
    const qint64 id = archivio->giocatore(QStringLiteral("Giulia"));
    QList<double> mappa, finestra;
    for (int i = 0; i < 7; ++i) {
        t.start();
        const QList<SchedaFatto> fatti = archivio->fatti(id);
        mappa.append(t.nsecsElapsed() / 1e6);
        if (fatti.size() != 100) qFatal("map of %lld facts", fatti.size());
    }
    riga("map_query_ms", mediana(mappa), BudgetMappaMs);
    Tipografia tipografia;
    for (int i = 0; i < 7; ++i) {
        t.start();
        FrmRegistro f(registro, tipografia, FrmRegistro::Uso::ConTabellone);
        f.show();
        QCoreApplication::processEvents();
        f.repaint();
        finestra.append(t.nsecsElapsed() / 1e6);
    }
    riga("window_open_ms", mediana(finestra), BudgetFinestraMs);

    // The same window while the school's server hangs: a port on loopback that takes the connection and
    // never answers. The class is asked for off the board's thread: opening costs what it does without.
    const int presa = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lunghezza = sizeof indirizzo;
    if (presa < 0 || ::bind(presa, reinterpret_cast<sockaddr *>(&indirizzo), lunghezza) != 0 ||
        ::listen(presa, 64) != 0 ||
        ::getsockname(presa, reinterpret_cast<sockaddr *>(&indirizzo), &lunghezza) != 0)
        qFatal("no port on loopback");
    {
        Spedizione appeso(
            anno,
            Collegamento(
                QStringLiteral("postgresql://aula@127.0.0.1:%1/numerella").arg(ntohs(indirizzo.sin_port)),
                QStringLiteral("3B")),
            100);
        registro.usaServer(&appeso);
        QList<double> conServer;
        for (int i = 0; i < 7; ++i) {
            t.start();
            FrmRegistro f(registro, tipografia, FrmRegistro::Uso::ConTabellone);
            f.show();
            QCoreApplication::processEvents();
            f.repaint();
            conServer.append(t.nsecsElapsed() / 1e6);
        }
        riga("window_open_hung_server_ms", mediana(conServer), mediana(finestra) + BudgetServerAppesoMs);
        registro.usaServer(nullptr);
    }
    ::close(presa);
    return 0;
}
