#include "platform/LoadWaiter.h"

#include <algorithm>

namespace kvx {

namespace {

class TImmediateLoading final : public TLoadWaiter {
public:
    void Run(const TLoadStep& step) override {
        TLoadProgress progress;
        step(progress);
    }
};

} // namespace

void TLoadProgress::Report(std::int64_t done, std::int64_t total) noexcept {
    if (total <= 0) {
        return;
    }
    const auto permille = static_cast<int>(std::clamp<std::int64_t>(done, 0, total) * 1000 / total);
    int current = FPermille.load(std::memory_order_relaxed);
    while (permille > current &&
           !FPermille.compare_exchange_weak(current, permille, std::memory_order_relaxed)) {
    }
}

TLoadWaiter& ImmediateLoading() {
    static TImmediateLoading waiter;
    return waiter;
}

} // namespace kvx
