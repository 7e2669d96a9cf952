#pragma once
// A few threads that run posted tasks in the order they came. A task says
// itself when it is done (the pool keeps no results).
#include <deque>
#include <functional>
#include <thread>
#include <vector>

#include "base/ThreadSync.h"

namespace pakmole {

class WorkerPool {
public:
    explicit WorkerPool(unsigned threads);
    // Runs what was posted, then lets the threads go.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The task must not throw.
    void Post(std::function<void()> task);

private:
    void Run();

    Mutex mutex_;
    ConditionVariable wake_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace pakmole
