// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, on a real X server, the start-up draw time, the resident memory and the idle CPU of the program.
#include "info/frminfo.h"
#include "printing/tipografia.h"
#include "sound/lettorepulse.h"
#include "startup/lingua.h"
#include "startup/stato.h"
#include "tests/frmnumerellaprova.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// What the program must stay within on the child's machine.
constexpr double BudgetDisegnoMs = 200;
constexpr double BudgetMemoriaMiB = 45;
constexpr double BudgetCpuPercento = 0.5;

QElapsedTimer orologio; // started first thing in main(), so every time is from process start

double ms()
{
    return orologio.nsecsElapsed() / 1e6;
}

/// VmRSS of this process in MiB, or -1 when /proc cannot be read.
double rssMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray &riga : f.readAll().split('\n')) {
        if (riga.startsWith("VmRSS:")) return riga.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

/// User plus system CPU time of all threads, in seconds.
double cpuSecondi()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    auto s = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return s(r.ru_utime) + s(r.ru_stime);
}

/// User plus system CPU time of another process (the X server), in seconds; -1 when it cannot be read.
double cpuSecondiDi(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray stat = f.readAll();
    // The fields after the parenthesised name: utime and stime are the 12th and 13th of them.
    const QList<QByteArray> campi = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (campi.size() < 13) return -1;
    return (campi[11].toDouble() + campi[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

void riga(const char *nome, double valore, int decimali, const char *nota = "")
{
    std::printf("%s: %.*f%s\n", nome, decimali, valore, nota);
    std::fflush(stdout);
}

/// A figure with its budget: prints whether it holds and, if not, by how much it is missed.
void rigaBudget(const char *nome, double valore, int decimali, double budget, const char *unita)
{
    const bool ok = valore >= 0 && valore <= budget;
    QByteArray nota = QStringLiteral("   (budget %1 %2: %3)")
                          .arg(budget)
                          .arg(QLatin1String(unita))
                          .arg(ok ? QStringLiteral("ok")
                                  : QStringLiteral("MISSED by %1 %2")
                                        .arg(valore - budget, 0, 'f', decimali)
                                        .arg(QLatin1String(unita)))
                          .toUtf8();
    riga(nome, valore, decimali, nota.constData());
}

/// Notes when a window has finished its first paint: the posted call runs once the paint cycle
/// that sent the first Paint event to the top-level (children included, then the flush) has returned.
class PrimoDisegno : public QObject
{
public:
    explicit PrimoDisegno(QWidget *finestra, std::function<void(double)> fatto)
        : QObject(finestra), m_fatto(std::move(fatto))
    {
        finestra->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o == parent() && !m_visto) {
            m_visto = true;
            QTimer::singleShot(0, this, [this] { m_fatto(ms()); });
        }
        return false;
    }

private:
    std::function<void(double)> m_fatto;
    bool m_visto = false;
};

} // namespace

int main(int argc, char *argv[])
{
    orologio.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("La Numerella"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser opzioni;
    opzioni.setApplicationDescription(QStringLiteral("Start-up draw time, resident memory and idle CPU."));
    opzioni.addHelpOption();
    QCommandLineOption optRiposo(QStringLiteral("idle-seconds"),
                                 QStringLiteral("Length of the idle CPU measurement (default 20)."),
                                 QStringLiteral("s"), QStringLiteral("20"));
    QCommandLineOption optAssesta(
        QStringLiteral("settle-seconds"),
        QStringLiteral("Wait after the first draw before reading memory (default 2)."), QStringLiteral("s"),
        QStringLiteral("2"));
    QCommandLineOption optServer(
        QStringLiteral("server-pid"),
        QStringLiteral("Also report the CPU that this process (the X server) spends idle."),
        QStringLiteral("pid"), QStringLiteral("0"));
    opzioni.addOption(optRiposo);
    opzioni.addOption(optServer);
    opzioni.addOption(optAssesta);
    opzioni.process(app);
    const int riposoMs = int(opzioni.value(optRiposo).toDouble() * 1000);
    const int assestaMs = int(opzioni.value(optAssesta).toDouble() * 1000);
    const qint64 server = opzioni.value(optServer).toLongLong();

    // The same start-up as the program's own main().
    impostaLingua(QStringLiteral("it"));

    Stato stato;
    LettorePulse suoni;
    Tipografia tipografia;
    FrmNumerellaProva finestra(stato, suoni, tipografia);

    double inizioExec = 0;
    bool disegnata = false;
    int passi = 0;
    QObject::connect(finestra.Timer1, &QTimer::timeout, &finestra, [&passi] { ++passi; });

    // Third step: the info window closed as the child closes it, then the idle event loop with the chaser.
    auto riposo = [&] {
        const double cpu0 = cpuSecondi();
        const double server0 = cpuSecondiDi(server);
        const int passi0 = passi;
        QElapsedTimer t;
        t.start();
        QTimer::singleShot(riposoMs, Qt::PreciseTimer, &finestra, [&, cpu0, server0, passi0, t] {
            const double secondi = t.nsecsElapsed() / 1e9;
            const double percento = 100.0 * (cpuSecondi() - cpu0) / secondi;
            rigaBudget("idle_cpu_percent", percento, 3, BudgetCpuPercento, "%");
            std::printf("idle_seconds: %.1f   chaser_ticks: %d   mode: %d\n", secondi, passi - passi0,
                        int(stato.ModoLampeggio));
            if (server0 >= 0)
                riga("xserver_idle_cpu_percent", 100.0 * (cpuSecondiDi(server) - server0) / secondi, 3,
                     "   (the X server drawing the chaser; not in the budget)");
            rigaBudget("rss_idle_mib", rssMiB(), 1, BudgetMemoriaMiB, "MiB");
            QCoreApplication::exit(0);
        });
    };

    // Second step: memory once the board has been drawn and things have settled, info window still open.
    auto assestata = [&] {
        rigaBudget("rss_mib", rssMiB(), 1, BudgetMemoriaMiB, "MiB");
        if (FrmInfo *info = finestra.info()) info->cmdOK_Click(); // plays the click, as OK does
        std::printf("info window closed; idle from now on\n");
        QTimer::singleShot(1000, &finestra, riposo); // let the click's sound and the repaints pass
    };

    // First step: the board drawn.
    new PrimoDisegno(&finestra, [&](double quando) {
        disegnata = true;
        rigaBudget("draw_ms", quando - inizioExec, 1, BudgetDisegnoMs, "ms");
        riga("rss_drawn_mib", rssMiB(), 1);
        QTimer::singleShot(assestaMs, &finestra, assestata);
    });

    if (FrmInfo *info = finestra.info())
        new PrimoDisegno(info, [&](double quando) {
            riga("info_draw_ms", quando - inizioExec, 1, "   (the info window in front, from exec)");
        });
    finestra.show();

    // A board that never gets drawn (no X server, no expose) is a failure, not a hang.
    QTimer::singleShot(15000, &finestra, [&] {
        if (disegnata) return;
        std::fprintf(stderr, "bench_avvio: the board was not drawn within 15 s\n");
        QCoreApplication::exit(1);
    });

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    riga("build_ms", ms(), 1, "   (process start to exec: both windows built and shown)");
    inizioExec = ms();
    const int esito = QApplication::exec();
    return esito;
}
