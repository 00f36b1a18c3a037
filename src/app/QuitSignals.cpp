// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void OnQuitSignal(int signal)
{
    // Only async-signal-safe calls: write, sigaction.
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    struct sigaction standard;
    std::memset(&standard, 0, sizeof standard);
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    errno = savedErrno;
}

} // namespace

namespace QuitSignals {

bool Install()
{
    if (g_pipe[0] >= 0) {
        return true;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        std::fprintf(stderr, "sortilo: SIGTERM and SIGINT will not clean up: %s\n",
                     std::strerror(errno));
        return false;
    }
    auto* notifier =
        new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        while (::read(g_pipe[0], &byte, 1) > 0) {
        }
        // Every event loop ends (the draw window's, a dialog's above it), as when the window is
        // closed; main then returns through the usual clean-up.
        QCoreApplication::exit(0);
    });
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
    return true;
}

} // namespace QuitSignals
