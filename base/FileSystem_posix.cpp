#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

#include "FileSystem.h"
#include "Utf8.h"

namespace pakmole {

const std::string_view kFolderDelimiters = "/";

std::string ToHostPath(std::string_view pakPath) {
    std::string host = Latin1ToUtf8(pakPath);
    for (auto& c : host)
        if (c == '\\') c = '/';
    return host;
}

std::optional<std::string> ToHostPathWide(std::u16string_view pakPath) {
    std::string host = Utf16ToUtf8(pakPath);
    for (auto& c : host)
        if (c == '\\') c = '/';
    return host;
}

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "./";
    return ExtractFilePath(std::string_view(buffer, static_cast<std::size_t>(n)));
}

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return true;
    // Resolve "a/b/../c" by name, as Windows does, so a folder named in a
    // path that climbs back out of it is not created for nothing.
    const std::filesystem::path normal = std::filesystem::path(path).lexically_normal();
    std::error_code error;
    std::filesystem::create_directories(normal, error);
    return DirectoryExists(normal.string());
}

bool RenameFile(const std::string& from, const std::string& to) {
    // Like the Windows rename: never replace an existing file.
    if (::access(to.c_str(), F_OK) == 0) return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace pakmole
