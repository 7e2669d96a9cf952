#pragma once
// The mutex and condition variable that the job's threads share. On Windows
// they are the system's slim lock and condition variable: the standard ones of
// this toolchain (winpthreads) wait on kernel objects, and under Wine every
// such wait and wake-up is a round trip through its server, several for each
// batch a job hands between threads. Elsewhere they are the standard ones.
// Both meet the standard's Lockable and condition-variable use: std::lock_guard,
// std::unique_lock, wait with a predicate, notify_one and notify_all.
#include <condition_variable>
#include <mutex>

#ifdef _WIN32
namespace pakmole {

class Mutex {
public:
    Mutex() = default;
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;
    void lock();
    bool try_lock();
    void unlock();

private:
    friend class ConditionVariable;
    void* state_ = nullptr;  // an SRWLOCK, initially zero
};

class ConditionVariable {
public:
    ConditionVariable() = default;
    ConditionVariable(const ConditionVariable&) = delete;
    ConditionVariable& operator=(const ConditionVariable&) = delete;
    void wait(std::unique_lock<Mutex>& lock);
    template <typename Predicate>
    void wait(std::unique_lock<Mutex>& lock, Predicate ready) {
        while (!ready()) wait(lock);
    }
    void notify_one();
    void notify_all();

private:
    void* state_ = nullptr;  // a CONDITION_VARIABLE, initially zero
};

}  // namespace pakmole
#else
namespace pakmole {
using Mutex = std::mutex;
using ConditionVariable = std::condition_variable;
}  // namespace pakmole
#endif
