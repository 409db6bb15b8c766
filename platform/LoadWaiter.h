#pragma once
// How a load waits for its slow step (decoding a large image). The step is the same work
// wherever it runs; the waiter decides where: kvxtool and the layers' own callers run it at
// once, the main window runs it on a worker thread and keeps itself painted meanwhile.

#include <atomic>
#include <cstdint>
#include <functional>

namespace kvx {

// How far a step has come, written by the step (on any thread), read by whoever shows it.
class TLoadProgress {
public:
    // done of total parts are finished. A report below an earlier one is ignored, so that a
    // decoder whose estimate grows never moves a bar back.
    void Report(std::int64_t done, std::int64_t total) noexcept;
    // Thousandths finished, 0 to 1000; -1 while nothing was reported.
    int Permille() const noexcept { return FPermille.load(std::memory_order_relaxed); }

private:
    std::atomic<int> FPermille{-1};
};

// The work a load hands over: it may run on another thread, so it neither asks anything nor
// touches a window, and it reports into the progress it is given.
using TLoadStep = std::function<void(TLoadProgress&)>;

class TLoadWaiter {
public:
    virtual ~TLoadWaiter() = default;
    // Runs step to its end before returning; an exception of step reaches the caller.
    virtual void Run(const TLoadStep& step) = 0;
};

// Runs every step at once on the calling thread.
TLoadWaiter& ImmediateLoading();

} // namespace kvx
