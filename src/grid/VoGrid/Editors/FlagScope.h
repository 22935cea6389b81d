#pragma once
// A flag set for the life of the guard, then put back as it was.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = old_; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};
