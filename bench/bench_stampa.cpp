// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one printed page: peak memory above idle, how long the board is frozen, the PDF's size.
#include "tests/aiuto.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

/// A field of /proc/self/status in MiB (VmRSS now, VmHWM the peak), or -1.
double memoriaMiB(const QByteArray &campo)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &riga : f.readAll().split('\n'))
        if (riga.startsWith(campo + ':'))
            return riga.mid(campo.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

/// Starts the peak (VmHWM) again from the current resident memory.
void azzeraPicco()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

void riga(const char *nome, double valore, const char *unita, double limite)
{
    std::printf("%-22s %9.1f %-4s (budget <= %.0f %s)%s\n", nome, valore, unita, limite, unita,
                valore <= limite ? "" : "   MISSED");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int pagine = 9;
    // Optional: the title to print instead of the congratulation, and a folder that keeps the pages.
    const QStringList argomenti = QCoreApplication::arguments();
    QTemporaryDir cartella;
    Banco b;
    b.tipografia.cartella = argomenti.size() > 2 ? argomenti[2] : cartella.path();
    b->show();
    if (!QTest::qWaitForWindowExposed(b.w.get())) return 1;
    // A finished game of the table of 1, as when Print is enabled.
    for (int n = 1; n < 10; ++n)
        QTest::mouseClick(b->Label1[n], Qt::LeftButton);
    QTest::mouseClick(b->cmdAvvio, Qt::LeftButton);
    for (int i = 0; b->cmdAvvio->isHidden() && i < 10; ++i)
        b.rispondi();
    b->Timer1->stop();
    if (argomenti.size() > 1) b->lblTitolo->setText(argomenti[1]);
    QCoreApplication::processEvents();

    const double riposo = memoriaMiB("VmRSS");
    azzeraPicco();
    QList<double> tempi;
    for (int i = 0; i < pagine; ++i) {
        QElapsedTimer t;
        t.start();
        b.tipografia.stampa(b.w.get()); // the whole handler's work between two events
        tempi.append(t.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
    }
    const double picco = memoriaMiB("VmHWM") - riposo;
    qint64 pdf = 0;
    for (const QString &f : b.tipografia.file)
        pdf = qMax(pdf, QFileInfo(f).size());

    std::printf("idle_rss_mib           %9.1f MiB\n", riposo);
    riga("peak_above_idle_mib", picco, "MiB", 40);
    std::sort(tempi.begin(), tempi.end());
    riga("frozen_ms (median)", tempi[pagine / 2], "ms", 250);
    std::printf("frozen_ms (worst)      %9.1f ms   (a shared machine adds noise here)\n", tempi.back());
    riga("pdf_kb (largest)", pdf / 1000.0, "KB", 600);
    return 0;
}
