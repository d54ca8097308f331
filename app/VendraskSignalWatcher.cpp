// SPDX-License-Identifier: MIT
#include "app/VendraskSignalWatcher.h"

#include "app/VendraskLog.h"

#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler may only write to the pipe; everything else happens on the UI
// thread once the notifier sees the byte.
std::array<int, 2> g_pipe = {-1, -1};
constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnTerminationSignal(int signalNumber) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

CVendraskSignalWatcher::CVendraskSignalWatcher(QObject* parent) : QObject(parent) {
    if (g_pipe[0] < 0 && ::pipe2(g_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcVendrask) << "cannot watch termination signals";
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CVendraskSignalWatcher::Drain);
    struct sigaction action{};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals)
        ::sigaction(number, &action, nullptr);
}

CVendraskSignalWatcher::~CVendraskSignalWatcher() {
    for (const int number : kSignals)
        ::signal(number, SIG_DFL);
}

void CVendraskSignalWatcher::Drain() {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) {
        m_lastSignal = byte;
        qCInfo(lcVendrask) << "ending on signal" << m_lastSignal;
        Q_EMIT terminationRequested(m_lastSignal);
    }
}
