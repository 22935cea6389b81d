#pragma once
// Test seams. A hook is a std::function slot: while a test has installed one, it answers in place of the
// real thing (a program start, the clock, the network, the desktop) and can record the calls.
#include <functional>
#include <type_traits>
#include <utility>

// Installs a hook for the life of the guard, then puts the previous one back.
template <typename Hook>
class ScopedHook {
public:
    ScopedHook(Hook& slot, std::type_identity_t<Hook> hook)
        : slot_(slot), previous_(std::exchange(slot, std::move(hook)))
    {}
    ~ScopedHook() { slot_ = std::move(previous_); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    Hook& slot_;
    Hook previous_;
};

// Calls the installed hook, or the real function when none is installed.
template <typename Hook, typename Real, typename... Args>
decltype(auto) CallHookOr(const Hook& hook, Real&& real, Args&&... args)
{
    return hook ? hook(std::forward<Args>(args)...) : std::forward<Real>(real)(std::forward<Args>(args)...);
}
