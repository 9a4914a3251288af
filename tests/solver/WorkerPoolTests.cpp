#include "solver/WorkerPool.h"

#include <array>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <thread>
#include <vector>

namespace quirn::solver {
namespace {

using namespace std::chrono_literals;

// Waits until `count` reaches `want`, for at most a few seconds.
bool reaches(const std::atomic<int>& count, int want) {
    const auto end = std::chrono::steady_clock::now() + 5s;
    while (count.load() < want) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::yield();
    }
    return true;
}

TEST(WorkerPool, RunsTheJobOnTheCallerAndItsHelpersAtOnce) {
    WorkerPool pool;
    for (int helpers : {0, 1, 3}) {
        std::atomic<int> started{0};
        std::atomic<bool> allTogether{true};
        pool.runBeside(helpers, [&] {
            ++started;
            // Every run waits for the others: only runs side by side get past this.
            if (!reaches(started, helpers + 1)) allTogether = false;
        });
        EXPECT_EQ(started.load(), helpers + 1) << helpers << " helpers";
        EXPECT_TRUE(allTogether.load()) << helpers << " helpers";
    }
}

TEST(WorkerPool, KeepsItsThreadsForTheNextCall) {
    WorkerPool pool;
    const auto caller = std::this_thread::get_id();
    std::mutex mutex;
    std::set<std::thread::id> first, second;
    for (std::set<std::thread::id>* seen : {&first, &second}) {
        std::atomic<int> started{0};
        pool.runBeside(2, [&] {
            ++started;
            reaches(started, 3);
            if (std::this_thread::get_id() == caller) return;
            std::lock_guard lock(mutex);
            seen->insert(std::this_thread::get_id());
        });
    }
    EXPECT_EQ(first.size(), 2u);
    EXPECT_EQ(first, second);
}

TEST(WorkerPool, CallsFromSeveralThreadsEachRunTheirOwnJob) {
    WorkerPool pool;
    std::array<std::atomic<int>, 3> runs{};
    std::vector<std::thread> callers;
    for (std::size_t i = 0; i < runs.size(); ++i)
        callers.emplace_back([&pool, &runs, i] {
            for (int call = 0; call < 50; ++call) {
                std::atomic<int> started{0};
                pool.runBeside(2, [&] {
                    ++started;
                    ++runs[i];
                    reaches(started, 3);
                });
            }
        });
    for (std::thread& t : callers) t.join();
    for (const std::atomic<int>& n : runs) EXPECT_EQ(n.load(), 150);
}

TEST(WorkerPool, NoRunOutlivesItsCall) {
    // The caller's quick run often ends before the helpers start (those runs are dropped)
    // or while they are still busy (the call waits for them).
    WorkerPool pool;
    std::atomic<int> runs{0}, late{0};
    for (int call = 0; call < 200; ++call) {
        auto returned = std::make_shared<std::atomic<bool>>(false);
        pool.runBeside(4, [&runs, &late, returned] {
            const auto busyUntil = std::chrono::steady_clock::now() + 20us;
            while (std::chrono::steady_clock::now() < busyUntil) {
            }
            ++runs;
            if (returned->load()) ++late;
        });
        *returned = true;
    }
    std::this_thread::sleep_for(50ms); // a run left behind would show now
    EXPECT_EQ(late.load(), 0);
    EXPECT_GE(runs.load(), 200);
    EXPECT_LE(runs.load(), 1000);
}

} // namespace
} // namespace quirn::solver
