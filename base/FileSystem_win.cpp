#include <windows.h>

#include "FileSystem.h"

namespace pakmole {

const std::string_view kFolderDelimiters = "\\:";

std::string ToHostPath(std::string_view pakPath) { return std::string(pakPath); }

std::optional<std::string> ToHostPathWide(std::u16string_view) { return std::nullopt; }

std::string ExecutableFolder() {
    char buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return ExtractFilePath(std::string_view(buffer, n));
}

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    // No access asked for: this opens even a file that another handle holds
    // without sharing, such as the pak being read.
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    if (!ok) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

unsigned long CurrentProcessId() { return GetCurrentProcessId(); }

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
    // Windows resolves "..\" by name, so the full path is the folder meant.
    char full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return false;
    std::string folder(full, n);
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    if (DirectoryExists(folder)) return true;
    const std::string parent = ExtractFilePath(folder);
    if (parent.empty() || parent.size() >= folder.size()) return false;
    if (!ForceDirectories(parent)) return false;
    return CreateDirectoryA(folder.c_str(), nullptr) || DirectoryExists(folder);
}

bool RenameFile(const std::string& from, const std::string& to) { return MoveFileA(from.c_str(), to.c_str()); }

bool RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()); }

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace pakmole
