#pragma once
// The millisecond clock and sleeping, behind seams so that a test can run time on its own.
#include "platform/Seam.h"

#include <cstdint>

// Milliseconds since an arbitrary start; never goes back.
std::int64_t TickCount();
// Blocks the calling thread for the given milliseconds.
void Sleep(int milliseconds);

using TTickCountHook = std::function<std::int64_t()>;
using TSleepHook = std::function<void(int milliseconds)>;
TTickCountHook& TickCountHook();
TSleepHook& SleepHook();
