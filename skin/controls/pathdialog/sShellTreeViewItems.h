#pragma once
// Owners of the shell's resources that the folder tree holds: item id lists
// (freed with the task allocator), COM interface pointers (released), and the
// apartment the calling thread joins while a tree exists.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <utility>

namespace pakmole {

class TPidl {
public:
    TPidl() = default;
    explicit TPidl(LPITEMIDLIST pidl) : pidl_(pidl) {}
    ~TPidl() { Reset(); }
    TPidl(const TPidl&) = delete;
    TPidl& operator=(const TPidl&) = delete;
    TPidl(TPidl&& other) noexcept : pidl_(std::exchange(other.pidl_, nullptr)) {}
    TPidl& operator=(TPidl&& other) noexcept {
        if (this != &other) {
            Reset();
            pidl_ = std::exchange(other.pidl_, nullptr);
        }
        return *this;
    }
    void Reset(LPITEMIDLIST pidl = nullptr) {
        if (pidl_) CoTaskMemFree(pidl_);
        pidl_ = pidl;
    }
    LPITEMIDLIST Get() const { return pidl_; }
    LPITEMIDLIST* Out() { Reset(); return &pidl_; }
    explicit operator bool() const { return pidl_ != nullptr; }
    // A copy, or this list with child (relative to it) appended.
    TPidl Clone() const { return TPidl(pidl_ ? ILClone(pidl_) : nullptr); }
    TPidl Combine(LPCITEMIDLIST child) const { return TPidl(ILCombine(pidl_, child)); }

private:
    LPITEMIDLIST pidl_ = nullptr;
};

template <class T>
class TComPtr {
public:
    TComPtr() = default;
    ~TComPtr() { Reset(); }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    TComPtr(TComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    TComPtr& operator=(TComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    void Reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    T** Out() { Reset(); return &p_; }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// Joins the thread to a single-threaded apartment for the owner's lifetime;
// a thread already in one keeps it.
class TComApartment {
public:
    TComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~TComApartment() {
        if (joined_) CoUninitialize();
    }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

private:
    bool joined_;
};

// The shell's name of an item in one of its forms (SHGDN_*), from its folder.
std::string ShellDisplayName(IShellFolder* folder, LPCITEMIDLIST item, DWORD form);

}  // namespace pakmole
