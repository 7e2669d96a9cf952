#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Exceptions.h"
#include "FileHandle.h"

namespace pakmole {

FileHandle::FileHandle(const std::string& path, FileMode mode) : path_(path) {
    const int flags = mode == FileMode::Create ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) {
        const std::string reason = std::strerror(errno);
        if (mode == FileMode::Create) throw FileCreateError(path, reason);
        throw FileOpenError(path, reason);
    }
    // Exclusive opening is a Windows sharing mode; POSIX has no equivalent that
    // other programs honour, so it is an ordinary read here.
    handle_ = fd;
}

FileHandle::~FileHandle() { ::close(static_cast<int>(handle_)); }

std::size_t FileHandle::ReadAt(int64_t offset, void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(static_cast<int>(handle_), static_cast<char*>(buffer) + done, count - done,
                                  static_cast<off_t>(offset + static_cast<int64_t>(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw StreamReadError();
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void FileHandle::Write(const void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(static_cast<int>(handle_), static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw StreamWriteError();
        done += static_cast<std::size_t>(n);
    }
}

FileIdentity FileHandle::Identity() const {
    struct stat st {};
    if (::fstat(static_cast<int>(handle_), &st) != 0) return {};
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

int64_t FileHandle::Size() const {
    struct stat st {};
    if (::fstat(static_cast<int>(handle_), &st) != 0) return 0;
    return st.st_size;
}

}  // namespace pakmole
