#include <windows.h>

#include "FileSystem.h"
#include "Utf8.h"
#include "WidePath_win.h"

namespace pakmole {

const std::string_view kFolderDelimiters = "\\:";

namespace {

bool CodePageIsUtf8() { return GetACP() == CP_UTF8; }

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(WidePath(path).c_str()); }

}  // namespace

std::string ToHostPath(std::string_view pakPath) {
    // Bytes above 127 are Latin-1 in the pak; an ANSI code page takes them as
    // they are, a UTF-8 one needs them spelled out.
    return CodePageIsUtf8() ? Latin1ToUtf8(pakPath) : std::string(pakPath);
}

std::optional<std::string> ToHostPathWide(std::u16string_view pakPath) {
    std::wstring wide(pakPath.begin(), pakPath.end());
    if (CodePageIsUtf8()) return NarrowText(wide);
    // An ANSI code page: the real characters when it has them all.
    BOOL lost = FALSE;
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lost);
    if (lost || n <= 0) return std::nullopt;
    return NarrowText(wide);
}

std::string ExecutableFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return ExtractFilePath(NarrowText(buffer));
}

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    // No access asked for: this opens even a file that another handle holds
    // without sharing, such as the pak being read.
    HANDLE h = CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
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
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
    // Windows resolves "..\" by name, so the full path is the folder meant.
    const std::optional<std::wstring> full = FullPathOf(WideText(path));
    if (!full) return false;
    std::string folder = NarrowText(*full);
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    if (DirectoryExists(folder)) return true;
    const std::string parent = ExtractFilePath(folder);
    if (parent.empty() || parent.size() >= folder.size()) return false;
    if (!ForceDirectories(parent)) return false;
    return CreateDirectoryW(WidePath(folder).c_str(), nullptr) || DirectoryExists(folder);
}

bool RenameFile(const std::string& from, const std::string& to) {
    return MoveFileW(WidePath(from).c_str(), WidePath(to).c_str());
}

bool RemoveFile(const std::string& path) { return ::DeleteFileW(WidePath(path).c_str()); }

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace pakmole
