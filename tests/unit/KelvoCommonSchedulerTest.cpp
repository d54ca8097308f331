// SPDX-License-Identifier: MIT
#include "common/KelvoCommonScheduler.h"

#include "common/platform/fake/KelvoCommonFakeClock.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

TEST(KelvoCommonScheduler, WaitRunsTasksInTimeOrderUntilDoneAndNoFurther) {
    struct Row {
        const char* name;
        std::function<std::unique_ptr<CKelvoCommonScheduler>()> make;
    };
    const Row rows[] = {
        {"Qt timers", [] { return std::make_unique<CKelvoCommonTimerScheduler>(); }},
        {"fake clock", [] { return std::make_unique<CKelvoCommonFakeClock>(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<int> ran;
        // Dies before ran: what it still holds never runs.
        const std::unique_ptr<CKelvoCommonScheduler> scheduler = row.make();
        scheduler->RunLater(200, [&] { ran.push_back(200); });
        scheduler->RunLater(10, [&] { ran.push_back(10); });
        std::thread([&] { scheduler->RunLater(0, [&] { ran.push_back(0); }); }).join();
        scheduler->Wait([&] { return ran.size() == 2; });
        EXPECT_EQ(ran, (std::vector<int>{0, 10})) << "the later task waits for its time";
        scheduler->Wait([&] { return ran.size() == 3; });
        EXPECT_EQ(ran, (std::vector<int>{0, 10, 200}));
        scheduler->Wait([] { return true; });
    }
}
