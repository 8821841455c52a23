// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM and SIGINT turned into an ordinary close request, through a pipe the event loop watches.
#include "startup/segnali.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::array<int, 2> g_tubo{-1, -1};

constexpr std::array SegnaliGestiti{SIGTERM, SIGINT};

void gestore(int)
{
    // Only async-signal-safe calls here; a full pipe already holds a pending request.
    const int errnoSalvato = errno;
    const char c = 1;
    [[maybe_unused]] const ssize_t scritti = ::write(g_tubo[1], &c, 1);
    errno = errnoSalvato;
}

} // namespace

Segnali::Segnali(QObject *parent) : QObject(parent)
{
    if (::pipe2(g_tubo.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifica = new QSocketNotifier(g_tubo[0], QSocketNotifier::Read, this);
    connect(m_notifica, &QSocketNotifier::activated, this, &Segnali::leggi);
    struct sigaction azione = {};
    azione.sa_handler = gestore;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    for (int s : SegnaliGestiti)
        sigaction(s, &azione, nullptr);
}

Segnali::~Segnali()
{
    if (!m_notifica) return;
    for (int s : SegnaliGestiti)
        std::signal(s, SIG_DFL);
    delete m_notifica;
    ::close(g_tubo[0]);
    ::close(g_tubo[1]);
    g_tubo = {-1, -1};
}

void Segnali::leggi()
{
    char buffer[16];
    while (::read(g_tubo[0], buffer, sizeof buffer) > 0) {
    }
    Q_EMIT terminazione();
}
