#include "WorkerPool.h"

namespace pakmole {

WorkerPool::WorkerPool(unsigned threads) {
    for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { Run(); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<Mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (auto& thread : threads_) thread.join();
}

void WorkerPool::Post(std::function<void()> task) {
    {
        std::lock_guard<Mutex> lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void WorkerPool::Run() {
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<Mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
            if (tasks_.empty()) return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

}  // namespace pakmole
