#include <windows.h>

#include <algorithm>

#include "Exceptions.h"
#include "FileHandle.h"
#include "SystemError.h"
#include "WidePath_win.h"

namespace pakmole {

FileHandle::FileHandle(const std::string& path, FileMode mode) : path_(path) {
    DWORD access = GENERIC_READ, share = FILE_SHARE_READ, disposition = OPEN_EXISTING;
    if (mode == FileMode::OpenReadExclusive) share = 0;
    if (mode == FileMode::Create) {
        access = GENERIC_WRITE;
        share = 0;
        disposition = CREATE_ALWAYS;
    }
    HANDLE h = CreateFileW(WidePath(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const std::string reason = SystemErrorMessage(GetLastError());
        if (mode == FileMode::Create) throw FileCreateError(path, reason);
        throw FileOpenError(path, reason);
    }
    handle_ = reinterpret_cast<intptr_t>(h);
}

FileHandle::~FileHandle() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

std::size_t FileHandle::ReadAt(int64_t offset, void* buffer, std::size_t count) {
    HANDLE h = reinterpret_cast<HANDLE>(handle_);
    // The position is set and then read from, rather than named in an
    // OVERLAPPED: Wine answers a read with an OVERLAPPED by posting its
    // completion through its server, a round trip for every read of the job.
    LARGE_INTEGER at{};
    at.QuadPart = offset;
    if (!SetFilePointerEx(h, at, nullptr, FILE_BEGIN)) throw StreamReadError();
    std::size_t done = 0;
    while (done < count) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(h, static_cast<char*>(buffer) + done, want, &got, nullptr)) throw StreamReadError();
        if (got == 0) break;
        done += got;
    }
    return done;
}

void FileHandle::Write(const void* buffer, std::size_t count) {
    HANDLE h = reinterpret_cast<HANDLE>(handle_);
    std::size_t done = 0;
    while (done < count) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(h, static_cast<const char*>(buffer) + done, want, &put, nullptr) || put == 0)
            throw StreamWriteError();
        done += put;
    }
}

FileIdentity FileHandle::Identity() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(reinterpret_cast<HANDLE>(handle_), &info)) return {};
    return {info.dwVolumeSerialNumber, (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

int64_t FileHandle::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size)) return 0;
    return size.QuadPart;
}

}  // namespace pakmole
