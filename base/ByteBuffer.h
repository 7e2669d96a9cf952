#pragma once
// Bytes in memory that grow without being zero-filled: whatever is read or
// inflated into them overwrites them anyway, and clearing them first costs
// as much again as writing them (hundreds of megabytes in a job). Whoever
// grows one fills what it grew, or shrinks it back.
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace pakmole {

// std::allocator, except that an element made without a value is left as it
// is (default-initialised) instead of value-initialised.
template <typename T>
struct DefaultInitAllocator : std::allocator<T> {
    using std::allocator<T>::allocator;
    template <typename U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };
    template <typename U>
    void construct(U* at) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(at)) U;
    }
    template <typename U, typename... Args>
    void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }
};

using ByteBuffer = std::vector<unsigned char, DefaultInitAllocator<unsigned char>>;

}  // namespace pakmole
