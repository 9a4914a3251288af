#include "solver/WorkerPool.h"

#include <system_error>

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
        // A thread for every run waiting; a system out of threads just gets fewer helpers.
        const int missing = static_cast<int>(queue_.size()) + helpers - idle_;
        for (int i = 0; i < missing; ++i) {
            try {
                threads_.emplace_back([this](std::stop_token stop) { serve(stop); });
            } catch (const std::system_error&) {
                break;
            }
            ++idle_;
        }
        for (int i = 0; i < helpers; ++i) queue_.push_back(&call);
    }
    queued_.notify_all();
    // However the caller's run ends, no run of this call may outlive it.
    struct Settle {
        WorkerPool& pool;
        Call& call;
        ~Settle() {
            std::unique_lock lock(pool.mutex_);
            std::erase(pool.queue_, &call);
            pool.finished_.wait(lock, [this] { return call.running == 0; });
        }
    } settle{*this, call};
    job();
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
