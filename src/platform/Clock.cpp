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

} // namespace

Seam<std::int64_t()>& TickCountSeam()
{
    static Seam<std::int64_t()> seam(realTickCount);
    return seam;
}

Seam<void(int)>& SleepSeam()
{
    static Seam<void(int)> seam(realSleep);
    return seam;
}

std::int64_t TickCount()
{
    return TickCountSeam()();
}

void Sleep(int milliseconds)
{
    SleepSeam()(milliseconds);
}
