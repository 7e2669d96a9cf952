#pragma once
// The platform's file handle, owned. Implemented per platform
// (FileHandle_posix.cpp, FileHandle_win.cpp).
#include <cstddef>
#include <cstdint>
#include <string>

namespace pakmole {

// Which file a handle or a path refers to, whatever the path's spelling.
struct FileIdentity {
    uint64_t volume = 0;
    uint64_t file = 0;
    bool operator==(const FileIdentity&) const = default;
};

enum class FileMode {
    OpenRead,           // read, others may read too
    OpenReadExclusive,  // read, nobody else may open the file meanwhile
    Create,             // create or truncate, write
};

class FileHandle {
public:
    // Opens or fails with the platform's file-open / file-create error.
    FileHandle(const std::string& path, FileMode mode);
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Reads from offset on; it may move the handle's position, so one
    // thread at a time.
    std::size_t ReadAt(int64_t offset, void* buffer, std::size_t count);
    void Write(const void* buffer, std::size_t count);  // appends at the write position
    int64_t Size() const;
    FileIdentity Identity() const;

private:
    intptr_t handle_;
    std::string path_;
};

}  // namespace pakmole
