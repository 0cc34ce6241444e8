#include "app/signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "core/clock.h"

namespace {
int wake[2] = {-1, -1};   // the handler writes, the event loop reads

void onSignal(int)
{
    setWindowClosed(true);
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(wake[1], &byte, 1);
}
} // namespace

void endOnSignals()
{
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(wake[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { std::_Exit(0); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
