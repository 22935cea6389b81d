#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace {

std::int64_t realTickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void realSleep(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

TTickCountHook& TickCountHook()
{
    static TTickCountHook hook;
    return hook;
}

TSleepHook& SleepHook()
{
    static TSleepHook hook;
    return hook;
}

std::int64_t TickCount()
{
    return CallHookOr(TickCountHook(), realTickCount);
}

void Sleep(int milliseconds)
{
    CallHookOr(SleepHook(), realSleep, milliseconds);
}
