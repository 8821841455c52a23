// SPDX-License-Identifier: GPL-3.0-or-later
// What the screen benchmarks measure: CPU time, resident memory, and the end of a paint at a given size.
#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <ctime>

inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/// A line of /proc/self/status (VmRSS, RssAnon, RssShmem) or of another such file, in MiB, or -1.
inline double memoriaMiB(const QByteArray &voce = "VmRSS:",
                         const QString &file = QStringLiteral("/proc/self/status"))
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray &riga : f.readAll().split('\n')) {
        if (riga.startsWith(voce))
            return riga.mid(voce.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

/// Waits, idle, until \a w has been painted at \a dimensione and the paint cycle has returned.
inline bool aspettaDisegno(QWidget *w, QSize dimensione, int limiteMs = 5000)
{
    struct Spia : QObject
    {
        QSize voluta;
        QEventLoop ciclo;
        bool fatto = false;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint && !fatto && static_cast<QWidget *>(o)->size() == voluta) {
                fatto = true;
                QTimer::singleShot(0, &ciclo, [this] { ciclo.quit(); }); // once the paint cycle is over
            }
            return false;
        }
    } spia;
    spia.voluta = dimensione;
    w->installEventFilter(&spia);
    QTimer::singleShot(limiteMs, &spia.ciclo, [&spia] { spia.ciclo.quit(); });
    spia.ciclo.exec();
    w->removeEventFilter(&spia);
    return spia.fatto;
}
