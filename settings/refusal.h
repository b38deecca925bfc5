#pragma once
#include <string>
#include <utility>

// The one way a step says it did not go ahead: the reason, in the words the operator is told. Empty when
// it went ahead, so that `if (Refusal refused = Step()) tell(refused.Reason());` reads as it runs.
class Refusal {
public:
    Refusal() = default;
    Refusal(std::string reason) : reason_(std::move(reason)) {}
    Refusal(const char* reason) : reason_(reason) {}
    // A refusal that passes by itself: another program holds what the step needs for a moment, so the
    // remedy is to wait, not to change anything.
    static Refusal Busy(std::string reason)
    {
        Refusal refusal(std::move(reason));
        refusal.busy_ = true;
        return refusal;
    }

    explicit operator bool() const { return !reason_.empty(); }
    const std::string& Reason() const { return reason_; }
    bool IsBusy() const { return busy_; }

private:
    std::string reason_;
    bool busy_ = false;
};
