#include <windows.h>

#include "ThreadSync.h"

namespace pakmole {
namespace {

static_assert(sizeof(SRWLOCK) == sizeof(void*) && sizeof(CONDITION_VARIABLE) == sizeof(void*));

PSRWLOCK Lock(void*& state) { return reinterpret_cast<PSRWLOCK>(&state); }
PCONDITION_VARIABLE Variable(void*& state) { return reinterpret_cast<PCONDITION_VARIABLE>(&state); }

}  // namespace

void Mutex::lock() { AcquireSRWLockExclusive(Lock(state_)); }
bool Mutex::try_lock() { return TryAcquireSRWLockExclusive(Lock(state_)) != 0; }
void Mutex::unlock() { ReleaseSRWLockExclusive(Lock(state_)); }

void ConditionVariable::wait(std::unique_lock<Mutex>& lock) {
    // Only an infinite wait: it returns when woken (or spuriously, which the
    // caller's predicate covers).
    SleepConditionVariableSRW(Variable(state_), Lock(lock.mutex()->state_), INFINITE, 0);
}
void ConditionVariable::notify_one() { WakeConditionVariable(Variable(state_)); }
void ConditionVariable::notify_all() { WakeAllConditionVariable(Variable(state_)); }

}  // namespace pakmole
