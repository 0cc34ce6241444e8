#include "core/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {
bool virtualTime = false;
int64_t virtualNow = 0;
double pauseScale = 1.0;
std::atomic<bool> closed = false;   // also set from a signal handler
static_assert(std::atomic<bool>::is_always_lock_free);
}

int64_t msNow()
{
    if (virtualTime)
        return virtualNow;
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void pauseMs(int ms)
{
    if (closed || ms <= 0)
        return;
    if (virtualTime)
        virtualNow += ms;
    // Slept in short pieces, so that a pause under way ends soon after the
    // program is told to end.
    using namespace std::chrono;
    const auto end = steady_clock::now() + microseconds(int64_t(ms * pauseScale * 1000));
    while (!closed && steady_clock::now() < end)
        std::this_thread::sleep_for(std::min<steady_clock::duration>(milliseconds(20), end - steady_clock::now()));
}

void useVirtualClock(int64_t start)
{
    virtualTime = true;
    virtualNow = start;
}

void clockAdvance(int64_t ms) { virtualNow += ms; }
void setPauseScale(double scale) { pauseScale = scale; }
void setWindowClosed(bool c) { closed = c; }
bool windowClosed() { return closed; }
