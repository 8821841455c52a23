// SPDX-License-Identifier: GPL-3.0-or-later
// The school's server under load: 30 PCs ending a game at once, 30 PCs when the server returns, an
// answer's cost while sending, the class's view.
#include "../tests/serverprova.h"
#include "record/archivio.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "schoolserver/letturaclasse.h"
#include "schoolserver/spedizione.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Postazioni = 30;
constexpr int DomandePartita = 100;
constexpr qint64 BudgetArrivoMs = 2000;
constexpr qint64 BudgetVistaMs = 500;
constexpr qint64 BudgetRitornoMs = 10000;
/// An outage as a school has one (a restart for updates, a cable pulled): long enough for the senders'
/// backoff to have grown.
constexpr int GiuPredefinito = 90'000;

/// One game of \a domande answers written to \a archivio; left open when \a chiudi is false.
qint64 gioca(Archivio &archivio, const QString &nome, int domande, const QDateTime &inizio)
{
    const qint64 partita =
        archivio.iniziaPartita(archivio.giocatore(nome), QUuid::createUuid().toString(QUuid::WithoutBraces),
                               inizio, std::bitset<100>().set());
    for (int d = 0; d < domande; ++d) {
        if (d % 7 == 0) archivio.sbagliata(partita, d + 1, d % 100, QStringLiteral("13"), 900);
        archivio.domanda(partita, d + 1, d % 100, 1500 + d, d % 7 == 0 ? 1 : 0);
    }
    return partita;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void riga(const char *nome, double valore, const char *unita, const QString &nota = {})
{
    std::printf("%-34s %10.3f %-4s %s\n", nome, valore, unita, qPrintable(nota));
    std::fflush(stdout);
}

QString budget(double valore, double massimo)
{
    if (valore < 0) return QStringLiteral("(budget %1: MISSED, never reached)").arg(massimo);
    return valore <= massimo ? QStringLiteral("(budget %1: ok)").arg(massimo)
                             : QStringLiteral("(budget %1: MISSED by %2)").arg(massimo).arg(valore - massimo);
}

/// A PC: its game is played before \a istante; at that moment it ends, and the PC sends it.
int postazione(const QString &file, const QString &url, qint64 istante, int numero)
{
    Archivio archivio(file);
    if (!archivio.apri()) return 1;
    const qint64 partita = gioca(archivio, QStringLiteral("Bambino %1").arg(numero), DomandePartita,
                                 QDateTime::currentDateTimeUtc());
    Spedizione spedizione(file, Collegamento(url, QString::fromLatin1(ServerProva::Classe)));
    spedizione.avvia();
    QElapsedTimer attesa;
    attesa.start();
    // Connected (the first try at start) before the moment comes.
    while (spedizione.inAttesa() < 0 && attesa.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(std::max<qint64>(0, istante - QDateTime::currentMSecsSinceEpoch()));
    archivio.chiudiPartita(partita, QDateTime::currentDateTimeUtc(), 60, 14, DomandePartita,
                           FinePartita::Finita);
    bool spedita = false;
    QObject::connect(&spedizione, &Spedizione::cambiata,
                     [&spedita](int inAttesa) { spedita = inAttesa == 0; });
    spedizione.sollecita();
    while (!spedita && attesa.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return spedita ? 0 : 2;
}

struct Conteggi
{
    bool riuscite;
    qint64 uniche, domande;
};

/// Waits for the PCs' processes; then whether all succeeded, the distinct games and the answers on the
/// server.
Conteggi attendi(ServerProva &server, std::vector<std::unique_ptr<QProcess>> &processi)
{
    bool riuscite = true;
    for (auto &p : processi)
        riuscite = p->waitForFinished(30000) && p->exitCode() == 0 && riuscite;
    return {riuscite, server.numero(QStringLiteral("SELECT COUNT(DISTINCT uuid) FROM partite")),
            server.numero(QStringLiteral("SELECT COUNT(*) FROM domande"))};
}

/// A PC whose games ended while the server was down: it sends them as a program would, from its start.
int postazioneInAttesa(QCoreApplication &app, const QString &file, const QString &url)
{
    Spedizione spedizione(file, Collegamento(url, QString::fromLatin1(ServerProva::Classe)));
    spedizione.avvia();
    // Asleep until the sender says something, as the program's event loop is: 30 PCs polling on two
    // cores would starve the server they wait for.
    QTimer::singleShot(600000, &app, &QCoreApplication::quit);
    QObject::connect(&spedizione, &Spedizione::cambiata, &app, [&spedizione] {
        if (spedizione.inAttesa() == 0 && spedizione.motivo().isEmpty()) QCoreApplication::quit();
    });
    QCoreApplication::exec();
    return spedizione.inAttesa() == 0 ? 0 : 2;
}

/// 30 PCs hold 102 games while the server is down for \a giu ms, their senders started when it went:
/// how long after its return until all are there, each once with all its answers.
bool dopoIlRitorno(ServerProva &server, const QString &cartella, int giu)
{
    constexpr int Partite = 102;
    server.sql(QStringLiteral("TRUNCATE numerella.giocatori CASCADE"));
    QStringList file;
    QDateTime quando = QDateTime::currentDateTimeUtc().addDays(-1);
    for (int n = 0; n < Partite; ++n) {
        if (n < Postazioni) file << QStringLiteral("%1/giu-pc%2.sqlite").arg(cartella).arg(n);
        Archivio archivio(file.at(n % Postazioni));
        if (!archivio.apri()) return false;
        const qint64 p = gioca(archivio, QStringLiteral("Bambino %1").arg(n % Postazioni), DomandePartita,
                               quando = quando.addSecs(300));
        archivio.chiudiPartita(p, quando.addSecs(100), 100, 14, DomandePartita, FinePartita::Finita);
    }
    if (!server.ferma()) return false;
    std::vector<std::unique_ptr<QProcess>> processi;
    for (const QString &f : file) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--in-attesa"), f, server.url()});
        processi.push_back(std::move(p));
    }
    QThread::msleep(giu);
    // From the moment it is started again: its own start-up counts.
    QElapsedTimer dalRitorno;
    dalRitorno.start();
    if (!server.avvia()) return false;
    const qint64 avvio = dalRitorno.elapsed();
    const QString conteggio = QStringLiteral("conteggio-ritorno");
    Collegamento(server.url(QStringLiteral("postgres")), {}).apri(conteggio);
    qint64 arrivate = 0, tempo = -1, prima = -1;
    {
        QSqlQuery q(QSqlDatabase::database(conteggio));
        while (dalRitorno.elapsed() < 120000) {
            arrivate = q.exec(QStringLiteral("SELECT COUNT(*) FROM partite")) && q.next()
                           ? q.value(0).toLongLong()
                           : 0;
            if (arrivate > 0 && prima < 0) prima = dalRitorno.elapsed();
            if (arrivate >= Partite) {
                tempo = dalRitorno.elapsed();
                break;
            }
            QThread::msleep(20);
        }
    }
    QSqlDatabase::removeDatabase(conteggio);
    const auto [riuscite, uniche, domande] = attendi(server, processi);
    riga("thirty_pcs_after_return_first_ms", double(prima), "ms",
         QStringLiteral("(server down %1 s; measured from its start, which took %2 ms)")
             .arg(giu / 1000)
             .arg(avvio));
    riga("thirty_pcs_after_return_all_ms", double(tempo), "ms",
         QStringLiteral("(%1 games, distinct %2, answers %3 of %4) %5")
             .arg(arrivate)
             .arg(uniche)
             .arg(domande)
             .arg(Partite * DomandePartita)
             .arg(budget(double(tempo), BudgetRitornoMs)));
    return riuscite && tempo >= 0 && tempo <= BudgetRitornoMs && uniche == Partite &&
           domande == Partite * DomandePartita;
}

/// \a quante processes end a game at the same moment: how long until all are on the server.
bool postazioniInsieme(ServerProva &server, const QString &cartella, int quante)
{
    server.sql(QStringLiteral("TRUNCATE numerella.giocatori CASCADE"));
    const qint64 istante = QDateTime::currentMSecsSinceEpoch() + 8000; // all started and playing by then
    std::vector<std::unique_ptr<QProcess>> processi;
    for (int n = 0; n < quante; ++n) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--postazione"),
                  QStringLiteral("%1/pc%2-%3.sqlite").arg(cartella).arg(quante).arg(n), server.url(),
                  QString::number(istante), QString::number(n)});
        processi.push_back(std::move(p));
    }
    while (QDateTime::currentMSecsSinceEpoch() < istante)
        QThread::msleep(1);
    // All the PCs are connected by now (at start, each checks the server's version).
    qint64 arrivate = 0, tempo = -1;
    // Counted on a connection of our own: starting psql each time would load the machine.
    const QString conteggio = QStringLiteral("conteggio");
    if (const QString motivo = Collegamento(server.url(QStringLiteral("postgres")), {}).apri(conteggio);
        !motivo.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(motivo));
    QSqlQuery q(QSqlDatabase::database(conteggio));
    while (QDateTime::currentMSecsSinceEpoch() - istante < 20000) {
        arrivate =
            q.exec(QStringLiteral("SELECT COUNT(*) FROM partite")) && q.next() ? q.value(0).toLongLong() : 0;
        if (arrivate >= quante) {
            tempo = QDateTime::currentMSecsSinceEpoch() - istante;
            break;
        }
        QThread::msleep(2);
    }
    q = QSqlQuery();
    QSqlDatabase::removeDatabase(conteggio);
    const auto [riuscite, uniche, domande] = attendi(server, processi);
    if (quante == 1) {
        riga("one_pc_on_server_ms", double(tempo), "ms", QStringLiteral("(floor)"));
        return riuscite && tempo >= 0;
    }
    riga("thirty_pcs_all_on_server_ms", double(tempo), "ms", budget(double(tempo), BudgetArrivoMs));
    riga("thirty_pcs_games_on_server", double(arrivate), "",
         QStringLiteral("(distinct %1, answers %2 of %3)")
             .arg(uniche)
             .arg(domande)
             .arg(quante * DomandePartita));
    return riuscite && tempo >= 0 && tempo <= BudgetArrivoMs && uniche == quante &&
           domande == quante * DomandePartita;
}

/// A confirmed answer through the record, median of \a quante, while \a spedizione (if any) works.
double rispostaMs(Registro &registro, int quante)
{
    std::vector<double> tempi;
    registro.partitaIniziata(std::bitset<100>().set());
    for (int n = 0; n < quante; ++n) {
        const int cella = n % 100;
        registro.domandaPosta(cella);
        QElapsedTimer t;
        t.start();
        registro.rispostaData(cella, QString::number((cella / 10 + 1) * (cella % 10 + 1)), Risposta::Giusta);
        tempi.push_back(double(t.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
    }
    registro.partitaFermata(30, 0);
    return mediana(tempi);
}

/// The answer's cost without and with the sender copying a backlog of games from the same file.
bool rispostaDuranteLInvio(ServerProva &server, const QString &cartella)
{
    server.sql(QStringLiteral("TRUNCATE numerella.giocatori CASCADE"));
    const QString file = cartella + QStringLiteral("/risposte.sqlite");
    {
        Archivio archivio(file);
        if (!archivio.apri()) return false;
        QDateTime quando = QDateTime::currentDateTimeUtc().addDays(-30);
        for (int n = 0; n < 1500; ++n) {
            const qint64 p =
                gioca(archivio, QStringLiteral("Arretrata"), DomandePartita, quando = quando.addSecs(600));
            archivio.chiudiPartita(p, quando.addSecs(100), 100, 14, DomandePartita, FinePartita::Finita);
        }
    }
    Giocatore giocatore;
    Registro registro(giocatore, file);
    registro.apri();
    const double senza = rispostaMs(registro, 400);
    Spedizione spedizione(file, server.collegamento());
    spedizione.avvia();
    QElapsedTimer t;
    t.start();
    while (server.numero(QStringLiteral("SELECT COUNT(*) FROM partite")) < 20 && t.elapsed() < 10000)
        QThread::msleep(5);
    const double con = rispostaMs(registro, 400);
    const qint64 inviate = server.numero(QStringLiteral("SELECT COUNT(*) FROM partite"));
    riga("answer_without_server_median_ms", senza, "ms", QStringLiteral("(floor)"));
    riga("answer_while_sending_median_ms", con, "ms",
         QStringLiteral("(games on the server when done: %1 of 1500; %2)")
             .arg(inviate)
             .arg(con <= senza * 1.10 + 0.02 ? QStringLiteral("no more than the floor: ok")
                                             : QStringLiteral("MISSED: dearer than the floor")));
    return con <= senza * 1.10 + 0.02;
}

/// The class of 30 children with a school year of games, read as the players view reads it.
bool vistaDellaClasse(ServerProva &server)
{
    server.sql(QStringLiteral("TRUNCATE numerella.giocatori CASCADE"));
    // 30 children, 10,020 games, 100 answers each, generated on the server itself.
    server.sql(QStringLiteral(
        "SET search_path TO numerella;"
        "INSERT INTO giocatori (classe, nome, creato) SELECT '3B', 'Bambino ' || n, '2026-09-01T08:00:00Z'"
        " FROM generate_series(1, 30) n;"
        "INSERT INTO partite (uuid, giocatore, inizio, fine, celle, secondi, errori, esatte, esito)"
        " SELECT gen_random_uuid()::text, g.id, to_char(timestamp '2026-09-15' + k * interval '37 minutes',"
        " 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), NULL, repeat('1', 100), 120, k % 9, 100, 'finita'"
        " FROM giocatori g, generate_series(1, 334) k;"
        "INSERT INTO domande (partita, ordine, riga, colonna, millisecondi, sbagliate)"
        " SELECT p.id, d, (d - 1) / 10 + 1, (d - 1) % 10 + 1, 800 + (p.id * d) % 4000, (p.id + d) % 11 / 10"
        " FROM partite p, generate_series(1, 100) d;"
        "ANALYZE;"));
    const qint64 partite = server.numero(QStringLiteral("SELECT COUNT(*) FROM partite"));
    std::vector<double> pavimento, vista, fatti;
    for (int volta = 0; volta < 7; ++volta) {
        QElapsedTimer t;
        t.start();
        QString motivo;
        {
            std::unique_ptr<Archivio> classe = Archivio::delServer(server.collegamento(), motivo);
            if (!classe) {
                std::fprintf(stderr, "%s\n", qPrintable(motivo));
                return false;
            }
            pavimento.push_back(double(t.nsecsElapsed()) / 1e6);
            t.restart();
            const QList<SchedaGiocatore> giocatori = classe->giocatori();
            if (giocatori.size() != 30) return false;
            vista.push_back(pavimento.back() + double(t.nsecsElapsed()) / 1e6);
            t.restart();
            classe->partite(giocatori.first().id);
            classe->fatti(giocatori.first().id);
            fatti.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    // What the record window does: the class copied on a worker, then brought up to date.
    std::vector<double> copia;
    {
        LetturaClasse lettura(server.collegamento(),
                              [](const QString &file) { return Archivio(file).apri(); });
        for (int volta = 0; volta < 2; ++volta) {
            QElapsedTimer t;
            t.start();
            bool pronta = false;
            QMetaObject::Connection c =
                QObject::connect(&lettura, &LetturaClasse::pronta, [&pronta] { pronta = true; });
            lettura.chiedi();
            while (!pronta && t.elapsed() < 300000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QObject::disconnect(c);
            if (lettura.stato() != LetturaClasse::Stato::Letta) {
                std::fprintf(stderr, "%s\n", qPrintable(lettura.motivo()));
                return false;
            }
            copia.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    riga("class_copy_first_ms", copia.at(0), "ms",
         QStringLiteral("(the window's first reading, on its worker: %1 games with their answers)")
             .arg(partite));
    riga("class_copy_again_ms", copia.at(1), "ms", QStringLiteral("(a reading with nothing new)"));
    riga("class_view_connect_floor_ms", mediana(pavimento), "ms",
         QStringLiteral("(connect and check the version)"));
    riga(
        "class_view_players_ms", mediana(vista), "ms",
        QStringLiteral("(30 children, %1 games) %2").arg(partite).arg(budget(mediana(vista), BudgetVistaMs)));
    riga("class_view_one_child_ms", mediana(fatti), "ms", QStringLiteral("(her games and facts map)"));
    return mediana(vista) <= BudgetVistaMs;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 6 && a.at(1) == u"--postazione")
        return postazione(a.at(2), a.at(3), a.at(4).toLongLong(), a.at(5).toInt());
    if (a.size() == 4 && a.at(1) == u"--in-attesa") return postazioneInAttesa(app, a.at(2), a.at(3));
    if (!ServerProva::installato()) {
        std::fprintf(stderr, "bench_server: PostgreSQL 15 is not installed (package postgresql-15)\n");
        return 1;
    }
    ServerProva server;
    if (!server.avvia()) {
        std::fprintf(stderr, "bench_server: %s\n", qPrintable(server.errore()));
        return 1;
    }
    // --classe: the class's view alone.
    if (a.contains(QStringLiteral("--classe"))) return vistaDellaClasse(server) ? 0 : 3;
    QTemporaryDir cartella;
    // --ritorno SECONDS: the return after an outage of that length alone.
    if (const qsizetype r = a.indexOf(QStringLiteral("--ritorno")); r > 0 && r + 1 < a.size())
        return dopoIlRitorno(server, cartella.path(), a.at(r + 1).toInt() * 1000) ? 0 : 3;
    bool ok = postazioniInsieme(server, cartella.path(), 1);
    ok = postazioniInsieme(server, cartella.path(), Postazioni) && ok;
    ok = dopoIlRitorno(server, cartella.path(), GiuPredefinito) && ok;
    ok = rispostaDuranteLInvio(server, cartella.path()) && ok;
    ok = vistaDellaClasse(server) && ok;
    return ok ? 0 : 3;
}
