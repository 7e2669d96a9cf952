#include "TestPaths.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pakmole::test {
namespace fs = std::filesystem;

namespace {
std::string HostFromSource(std::string path) {
#ifdef _WIN32
    for (auto& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
#else
    return path;
#endif
}
constexpr char kDelimiter = fs::path::preferred_separator;
}  // namespace

std::string SourcePath(const std::string& relative) {
    return HostFromSource(std::string(PAKMOLE_SOURCE_DIR) + "/" + relative);
}

std::string SharedPath(const std::string& relative) {
    return HostFromSource(std::string(PAKMOLE_SHARED_DIR) + "/" + relative);
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const fs::path base = fs::temp_directory_path() / "pakmole-tests";
    fs::path folder;
    do {
        folder = base / (std::to_string(static_cast<unsigned long>(
                             std::hash<std::string>{}(std::to_string(reinterpret_cast<std::uintptr_t>(this))))) +
                         "-" + std::to_string(counter++));
    } while (fs::exists(folder));
    fs::create_directories(folder);
    path_ = folder.string() + kDelimiter;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempFolder::operator/(const std::string& name) const { return path_ + name; }

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pakmole::test
