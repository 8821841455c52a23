// SPDX-License-Identifier: GPL-3.0-or-later
// A million random events over the real windows, seed after seed (offscreen or on an X server): events per
// second, memory growth, broken seeds, hangs; or a thousand games in one board and the memory each leaves.
#include "tests/caos.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <thread>

namespace {

/// A line of /proc/self/status in kB (VmRSS, VmHWM).
long kbStato(const char *campo)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray chiave = QByteArray(campo) + ':';
    for (const QByteArray &riga : f.readAll().split('\n'))
        if (riga.startsWith(chiave)) return riga.mid(chiave.size()).trimmed().split(' ').first().toLong();
    return -1;
}

/// Qt's own warnings (a font without OpenType tables, raise() offscreen) repeat by the thousand:
/// count them and print each text once at the end.
QHash<QString, int> avvisi;

void raccogli(QtMsgType tipo, const QMessageLogContext &, const QString &testo)
{
    if (tipo == QtInfoMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(testo));
        return;
    }
    ++avvisi[testo];
    if (tipo == QtFatalMsg) std::abort();
}

/// Bytes the program holds on the heap: unlike VmRSS, blind to pages the allocator keeps for reuse.
long kbHeap()
{
    return long(mallinfo2().uordblks / 1024);
}

/// The event under way, for the watchdog thread.
std::atomic<quint64> eventoCorrente{0};
std::atomic<quint32> semeCorrente{0};
std::atomic<bool> finito{false};

/// Ends the process when no event has begun for \a secondi: a hang, told with its seed and event.
std::thread guardia(int secondi)
{
    return std::thread([secondi] {
        quint64 visto = ~quint64(0);
        int ferme = 0;
        while (!finito.load()) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const quint64 ora = eventoCorrente.load();
            ferme = ora == visto ? ferme + 1 : 0;
            visto = ora;
            if (ferme >= secondi) {
                std::printf("HANG seed %u, event %llu: no event began for %d s\n", semeCorrente.load(), ora,
                            secondi);
                std::fflush(stdout);
                std::abort();
            }
        }
    });
}

void stampaAvvisi()
{
    for (auto i = avvisi.cbegin(); i != avvisi.cend(); ++i)
        std::printf("qt_message x%-7d %s\n", i.value(), qPrintable(i.key().simplified().left(100)));
}

/// A thousand games (or \a partite) in one board: memory after the tenth and at the end.
int soak(int partite, quint32 seme)
{
    Caos caos(seme);
    caos.alOgniEvento([](quint64 e) { eventoCorrente = e; });
    semeCorrente = seme;
    long rssDieci = -1, heapDieci = -1;
    QElapsedTimer orologio;
    orologio.start();
    for (int g = 1; g <= partite; ++g) {
        if (!caos.giocaPartita()) {
            std::printf("BROKEN %s\n", qPrintable(caos.errore()));
            return 1;
        }
        if (g == 10) {
            rssDieci = kbStato("VmRSS");
            heapDieci = kbHeap();
        }
        if (g % 100 == 0) {
            std::printf("progress              %d games, %llu events, rss %ld kB, heap %ld kB, %.0f s\n", g,
                        caos.eventiFatti(), kbStato("VmRSS"), kbHeap(), orologio.nsecsElapsed() / 1e9);
            std::fflush(stdout);
        }
    }
    const long rssFine = kbStato("VmRSS"), heapFine = kbHeap();
    const double dopo = qMax(1, partite - 10);
    std::printf("screen                %s\n",
                caos.suSchermoReale() ? "X server (xcb, XTEST input)" : "offscreen");
    std::printf("games                 %d in one board (%llu events, %.0f s)\n", partite, caos.eventiFatti(),
                orologio.nsecsElapsed() / 1e9);
    std::printf("rss_after_game10_kib  %ld\n", rssDieci);
    std::printf("rss_end_kib           %ld\n", rssFine);
    std::printf("rss_kib_per_game      %.2f (end minus after the 10th game, over %d games)\n",
                (rssFine - rssDieci) / dopo, partite - 10);
    std::printf("heap_kib_per_game     %.2f\n", (heapFine - heapDieci) / dopo);
    std::printf("rss_peak_kib          %ld\n", kbStato("VmHWM"));
    stampaAvvisi();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Offscreen unless told otherwise (QT_QPA_PLATFORM=xcb: the real screen).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QCommandLineParser opzioni;
    opzioni.addHelpOption();
    const QCommandLineOption totale(QStringLiteral("eventi"), QStringLiteral("Events in all."),
                                    QStringLiteral("n"), QStringLiteral("1000000"));
    const QCommandLineOption perSeme(QStringLiteral("per-seme"), QStringLiteral("Events per seed."),
                                     QStringLiteral("n"), QStringLiteral("20000"));
    const QCommandLineOption primo(QStringLiteral("primo-seme"), QStringLiteral("First seed."),
                                   QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption partite(
        QStringLiteral("partite"), QStringLiteral("Instead of random events: this many games in one board."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption attesa(QStringLiteral("attesa-massima"),
                                    QStringLiteral("Seconds without a new event that count as a hang."),
                                    QStringLiteral("s"), QStringLiteral("60"));
    opzioni.addOptions({totale, perSeme, primo, partite, attesa});
    opzioni.process(app);
    const quint64 eventi = opzioni.value(totale).toULongLong();
    const quint64 passo = qMax<quint64>(1, opzioni.value(perSeme).toULongLong());
    quint32 seme = opzioni.value(primo).toUInt();
    qInstallMessageHandler(raccogli);
    std::thread sentinella = guardia(qMax(1, opzioni.value(attesa).toInt()));
    const auto chiudi = [&sentinella](int esito) {
        finito = true;
        sentinella.join();
        return esito;
    };
    if (const int n = opzioni.value(partite).toInt(); n > 0) return chiudi(soak(n, seme));

    const long rssInizio = kbStato("VmRSS");
    long rssPrimo = -1, heapPrimo = -1;
    QElapsedTimer orologio;
    orologio.start();
    quint64 fatti = 0;
    int semi = 0;
    bool reale = false;
    QStringList rotti;
    Caos::Copertura somma;
    while (fatti < eventi) {
        Caos caos(seme);
        caos.alOgniEvento([](quint64 e) { eventoCorrente = e; });
        semeCorrente = seme;
        reale = caos.suSchermoReale();
        const bool ok = caos.esegui(qMin(passo, eventi - fatti));
        fatti += caos.eventiFatti();
        ++semi;
        somma += caos.copertura();
        if (!ok) {
            rotti << caos.errore();
            std::printf("BROKEN %s\n", qPrintable(caos.errore()));
            std::fflush(stdout);
        }
        if (rssPrimo < 0) { // after the first seed: caches and fonts are loaded
            rssPrimo = kbStato("VmRSS");
            heapPrimo = kbHeap();
        }
        // Memory along the way, to tell a cache that fills up from a leak that keeps growing.
        if (fatti / 100000 != (fatti - caos.eventiFatti()) / 100000) {
            std::printf("progress              %llu events, rss %ld kB, heap %ld kB, %.0f s\n", fatti,
                        kbStato("VmRSS"), kbHeap(), orologio.nsecsElapsed() / 1e9);
            std::fflush(stdout);
        }
        ++seme;
    }
    const double secondi = orologio.nsecsElapsed() / 1e9;
    const long rssFine = kbStato("VmRSS");

    std::printf("screen                %s\n", reale ? "X server (xcb, XTEST input)" : "offscreen");
    std::printf("events                %llu over %d seeds (%llu per seed)\n", fatti, semi, passo);
    std::printf("seconds               %.1f\n", secondi);
    std::printf("events_per_second     %.0f\n", fatti / secondi);
    std::printf("rss_start_kib         %ld\n", rssInizio);
    std::printf("rss_after_seed1_kib   %ld\n", rssPrimo);
    std::printf("rss_end_kib           %ld\n", rssFine);
    std::printf("rss_growth_kib        %ld (end minus after the first seed)\n", rssFine - rssPrimo);
    std::printf("rss_peak_kib          %ld\n", kbStato("VmHWM"));
    std::printf("heap_growth_kib       %ld (heap in use, end minus after the first seed)\n",
                kbHeap() - heapPrimo);
    std::printf(
        "reached               %d games started, %d finished, %d pauses, %d prints, %d wrong answers, "
        "%d info windows, %d closes, %d record windows, %d players removed while playing\n",
        somma.partiteIniziate, somma.partiteFinite, somma.pause, somma.stampe, somma.errori, somma.infoAperte,
        somma.chiusure, somma.registro, somma.tolti);
    stampaAvvisi();
    std::printf("broken_seeds          %lld%s\n", qlonglong(rotti.size()), rotti.isEmpty() ? " (none)" : "");
    for (const QString &r : rotti)
        std::printf("  %s\n", qPrintable(r));
    return chiudi(rotti.isEmpty() ? 0 : 1);
}
