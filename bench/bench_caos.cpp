// SPDX-License-Identifier: GPL-3.0-or-later
// A million random events over the real windows, seed after seed: events per second, memory growth, broken
// seeds.
#include "tests/caos.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <cstdio>
#include <malloc.h>

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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    opzioni.addOptions({totale, perSeme, primo});
    opzioni.process(app);
    const quint64 eventi = opzioni.value(totale).toULongLong();
    const quint64 passo = qMax<quint64>(1, opzioni.value(perSeme).toULongLong());
    quint32 seme = opzioni.value(primo).toUInt();
    qInstallMessageHandler(raccogli);

    const long rssInizio = kbStato("VmRSS");
    long rssPrimo = -1, heapPrimo = -1;
    QElapsedTimer orologio;
    orologio.start();
    quint64 fatti = 0;
    int semi = 0;
    QStringList rotti;
    Caos::Copertura somma;
    while (fatti < eventi) {
        Caos caos(seme);
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
        "%d info windows, %d closes\n",
        somma.partiteIniziate, somma.partiteFinite, somma.pause, somma.stampe, somma.errori, somma.infoAperte,
        somma.chiusure);
    for (auto i = avvisi.cbegin(); i != avvisi.cend(); ++i)
        std::printf("qt_message x%-7d %s\n", i.value(), qPrintable(i.key().simplified().left(100)));
    std::printf("broken_seeds          %lld%s\n", qlonglong(rotti.size()), rotti.isEmpty() ? " (none)" : "");
    for (const QString &r : rotti)
        std::printf("  %s\n", qPrintable(r));
    return rotti.isEmpty() ? 0 : 1;
}
