#include "levels/solver/WorkerPool.h"

#include <algorithm>

namespace quirn::solver {

WorkerPool& WorkerPool::shared() {
    static WorkerPool pool;
    return pool;
}

WorkerPool::~WorkerPool() {
    for (std::jthread& t : threads_) t.request_stop();
    queued_.notify_all();
    threads_.clear(); // joins
}

void WorkerPool::runBeside(int helpers, const std::function<void()>& job) {
    Call call{&job};
    {
        std::lock_guard lock(mutex_);
        for (int i = 0; i < helpers; ++i) queue_.push_back(&call);
        // Enough threads for every queued run.
        const int missing = static_cast<int>(queue_.size()) - idle_;
        for (int i = 0; i < missing; ++i) {
            ++idle_;
            threads_.emplace_back([this](std::stop_token stop) { serve(stop); });
        }
    }
    queued_.notify_all();
    job();
    std::unique_lock lock(mutex_);
    std::erase(queue_, &call);
    finished_.wait(lock, [&] { return call.running == 0; });
}

void WorkerPool::serve(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        queued_.wait(lock, stop, [&] { return !queue_.empty(); });
        if (stop.stop_requested()) return;
        Call* call = queue_.front();
        queue_.pop_front();
        --idle_;
        ++call->running;
        lock.unlock();
        (*call->job)();
        lock.lock();
        --call->running;
        ++idle_;
        finished_.notify_all();
    }
}

} // namespace quirn::solver
