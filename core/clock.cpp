#include "core/clock.h"

#include <chrono>
#include <thread>

namespace {
bool virtualTime = false;
int64_t virtualNow = 0;
double pauseScale = 1.0;
bool closed = false;
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
    if (pauseScale > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(int64_t(ms * pauseScale * 1000)));
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
