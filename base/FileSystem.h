#pragma once
// File-system operations the jobs need, implemented per platform
// (FileSystem_posix.cpp, FileSystem_win.cpp). Paths are host paths.
#include <optional>
#include <string>
#include <string_view>

#include "FileHandle.h"

namespace pakmole {

// The characters after which a path's folder part ends ("\\:" on Windows, "/" elsewhere).
extern const std::string_view kFolderDelimiters;

// The folder part of a path: up to and including its last folder delimiter ("" when none).
std::string ExtractFilePath(std::string_view path);

// Maps a pak-style relative path (backslashes, 8-bit characters taken as
// Latin-1) to the host: backslashes become slashes where they are no folder
// delimiter, and bytes above 127 are spelled out in UTF-8 where host paths are
// UTF-8 (everywhere but under an ANSI code page on Windows).
std::string ToHostPath(std::string_view pakPath);

// The host path of a pak-style relative path stored with 16-bit characters,
// with its real characters; nullopt when the host's narrow paths cannot hold
// them all (an ANSI code page on Windows): the narrowed name is taken instead.
std::optional<std::string> ToHostPathWide(std::u16string_view pakPath);

// The folder of the running program, ending with its delimiter.
std::string ExecutableFolder();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// Renames, replacing a file already at the new name.
bool MoveFileReplacing(const std::string& from, const std::string& to);

// The file a path names, when it exists; works on files others hold open.
std::optional<FileIdentity> IdentityOfFile(const std::string& path);

unsigned long CurrentProcessId();

}  // namespace pakmole
