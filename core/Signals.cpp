#include "core/Signals.h"

#include <atomic>
#include <csignal>

namespace {
constexpr int TerminationSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int SignalExitBase = 128;

// Written by the handler, on whichever thread the signal lands: only a
// lock-free atomic is safe there.
std::atomic<int> caught(0);
static_assert(std::atomic<int>::is_always_lock_free);

void onTerminationSignal(int number)
{
    int none = 0;
    caught.compare_exchange_strong(none, number);
}
}

void catchTerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : TerminationSignals)
        sigaction(number, &action, nullptr);
}

int terminationSignal()
{
    return caught;
}

int exitStatus()
{
    const int number = caught;
    return number == 0 ? 0 : SignalExitBase + number;
}
