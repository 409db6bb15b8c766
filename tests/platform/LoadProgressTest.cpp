// The progress a slow load reports for its bar, and the waiter the command-line tool and the
// layers use: the step runs before Run returns, and its failure reaches the caller.
#include "platform/LoadWaiter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace kvx {
namespace {

TEST(LoadProgress, ReportsBecomeThousandthsThatNeverGoBack) {
    using TReports = std::vector<std::pair<std::int64_t, std::int64_t>>;
    const struct {
        const char* Name;
        TReports Reports;
        int Permille;
    } cases[] = {
        {"nothing reported", {}, -1},
        {"none done", {{0, 40}}, 0},
        {"a quarter", {{10, 40}}, 250},
        {"all rows", {{40, 40}}, 1000},
        {"a smaller count later", {{30, 40}, {10, 40}}, 750},
        {"a grown estimate", {{30, 40}, {30, 80}}, 750},
        {"more than the total", {{90, 40}}, 1000},
        {"without a total", {{5, 0}}, -1},
        {"below zero", {{-3, 40}}, 0},
        {"rows of a huge image", {{std::int64_t{1} << 40, std::int64_t{1} << 41}}, 500},
    };
    for (const auto& c : cases) {
        TLoadProgress progress;
        for (const auto& [done, total] : c.Reports) {
            progress.Report(done, total);
        }
        EXPECT_EQ(progress.Permille(), c.Permille) << c.Name;
    }
}

TEST(LoadProgress, ImmediateLoadingRunsTheStepOnTheCallersThreadAndPassesItsFailureOn) {
    TLoadWaiter& waiter = ImmediateLoading();
    std::thread::id ranOn;
    waiter.Run([&](TLoadProgress& progress) {
        ranOn = std::this_thread::get_id();
        progress.Report(1, 2);
    });
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_THROW(waiter.Run([](TLoadProgress&) { throw std::runtime_error("kaputt"); }),
                 std::runtime_error);
}

} // namespace
} // namespace kvx
