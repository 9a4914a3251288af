// Threads kept from one call to the next. Each keeps its own sweep tables, which a fresh
// thread would have to grow again (and fault in) for every level it helps with.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quirn::solver {

class WorkerPool {
  public:
    // The pool the generator shares; its threads end with the program.
    static WorkerPool& shared();

    WorkerPool() = default;
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;
    ~WorkerPool();

    // Runs `job` on the caller and on up to `helpers` pool threads at once, and returns
    // when every run has finished. Runs that have not started by the time the caller's
    // own run ends are dropped: `job` must not need them to finish its work.
    void runBeside(int helpers, const std::function<void()>& job);

  private:
    struct Call {
        const std::function<void()>* job = nullptr;
        int running = 0;
    };
    void serve(std::stop_token stop);

    std::mutex mutex_;
    std::condition_variable_any queued_; // a run was queued
    std::condition_variable finished_;   // a run ended
    std::deque<Call*> queue_;            // one entry per run not yet started
    int idle_ = 0;
    std::vector<std::jthread> threads_;
};

} // namespace quirn::solver
