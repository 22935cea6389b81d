#pragma once
// A replaceable hook in front of something that reaches outside the process (or waits on real time),
// so that a test can record or answer the calls. ScopedHook installs a replacement for its lifetime.
#include <functional>
#include <type_traits>
#include <utility>

template <typename Fn>
class Seam;

template <typename R, typename... Args>
class Seam<R(Args...)> {
public:
    explicit Seam(R (*real)(Args...)) : real_(real) {}
    Seam(const Seam&) = delete;
    Seam& operator=(const Seam&) = delete;

    R operator()(Args... args) const
    {
        return hook_ ? hook_(std::forward<Args>(args)...) : real_(std::forward<Args>(args)...);
    }

private:
    template <typename>
    friend class ScopedHook;
    R (*real_)(Args...);
    std::function<R(Args...)> hook_;
};

template <typename Fn>
class ScopedHook {
public:
    ScopedHook(Seam<Fn>& seam, std::type_identity_t<std::function<Fn>> hook)
        : seam_(seam), saved_(std::exchange(seam.hook_, std::move(hook)))
    {
    }
    ~ScopedHook() { seam_.hook_ = std::move(saved_); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    Seam<Fn>& seam_;
    std::function<Fn> saved_;
};
