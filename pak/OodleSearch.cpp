#include "OodleSearch.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "PakCompression.h"
#include "base/FileSystem.h"

namespace pakmole {
namespace {

std::string Lower(std::string text) {
    for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The library file names a game ships, by the pointer size they are for.
// Other sizes are looked for too, to say that only they were found.
bool IsOodleName(const std::string& fileName) {
    const std::string name = Lower(fileName);
#ifdef _WIN32
    const bool win = name.size() > 14 && name.rfind("oo2core_", 0) == 0 &&
                     (name.find("_win32.dll") == name.size() - 10 || name.find("_win64.dll") == name.size() - 10);
    return win;
#else
    return name.rfind("liboo2corelinux", 0) == 0 && name.find(".so") != std::string::npos;
#endif
}

// The program's own platform folder first, where its library would be.
#ifdef _WIN32
const char* const kPlatforms[] = {ProgramBits() == 64 ? "Win64" : "Win32", ProgramBits() == 64 ? "Win32" : "Win64"};
#else
const char* const kPlatforms[] = {"Linux"};
#endif

}  // namespace

std::vector<std::string> OodleFolders(const std::string& pakPath) {
    // The folders of the pak's path, outermost first.
    std::vector<std::string> parts;
    const std::string folder = ExtractFilePath(pakPath);
    std::size_t start = 0;
    for (std::size_t i = 0; i < folder.size(); ++i)
        if (kFolderDelimiters.find(folder[i]) != std::string_view::npos) {
            parts.push_back(folder.substr(start, i + 1 - start));
            start = i + 1;
        }
    // The innermost Content/Paks pair: the pak may lie in a folder below it.
    for (std::size_t i = parts.size(); i-- > 1;) {
        if (Lower(parts[i - 1]).rfind("content", 0) != 0 || parts[i - 1].size() != 8) continue;
        if (Lower(parts[i]).rfind("paks", 0) != 0 || parts[i].size() != 5) continue;
        std::string game, root;
        for (std::size_t k = 0; k + 1 < i; ++k) game += parts[k];
        for (std::size_t k = 0; k + 2 < i; ++k) root += parts[k];
        const char delimiter = kFolderDelimiters.front();
        const std::string binaries = game + "Binaries" + delimiter;
        const std::string engine = root + "Engine" + delimiter + "Binaries" + delimiter + "ThirdParty" + delimiter +
                                   "Oodle" + delimiter;
        std::vector<std::string> folders;
        for (const std::string& base : {binaries, engine}) {
            for (const char* platform : kPlatforms) folders.push_back(base + platform + delimiter);
            folders.push_back(base);
        }
        return folders;
    }
    return {};
}

OodleSearch FindOodleLibrary(const std::string& pakPath, const std::string& given) {
    OodleSearch search;
    if (!given.empty()) {
        try {
            search.library = std::make_unique<OodleLibrary>(given);
        } catch (const std::exception& e) {
            search.unavailable = "the Oodle library \"" + given + "\" cannot be used: " + e.what();
        }
        return search;
    }
    const std::vector<std::string> folders = OodleFolders(pakPath);
    if (folders.empty()) {
        search.unavailable =
            "no Oodle library was looked for, as the pak is not in a game's Content/Paks folder; give one with --oodle";
        return search;
    }
    std::string otherSize, failed;
    for (const std::string& folder : folders) {
        std::error_code error;
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(std::filesystem::path(folder), error))
            if (item.is_regular_file(error) && IsOodleName(item.path().filename().string()))
                names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            const std::string path = folder + name;
            const int bits = LibraryBits(path);
            if (bits != 0 && bits != ProgramBits()) {
                if (otherSize.empty())
                    otherSize = "only a " + std::to_string(bits) + "-bit Oodle library was found (" + path +
                                "), which the " + std::to_string(ProgramBits()) + "-bit program cannot load";
                continue;
            }
            try {
                search.library = std::make_unique<OodleLibrary>(path);
                return search;
            } catch (const std::exception& e) {
                if (failed.empty()) failed = "the Oodle library \"" + path + "\" cannot be used: " + e.what();
            }
        }
    }
    if (!failed.empty()) {
        search.unavailable = failed;
    } else if (!otherSize.empty()) {
        search.unavailable = otherSize;
    } else {
        search.unavailable = "no Oodle library was found in";
        for (std::size_t i = 0; i < folders.size(); ++i) search.unavailable += (i ? ", " : " ") + folders[i];
    }
    return search;
}

bool UsesOodle(const PakIndex& index) {
    return std::any_of(index.entries.begin(), index.entries.end(), [&](const PakEntry& entry) {
        const bool compressed = index.footer.version >= 8 ? entry.method != 0 : entry.method > 0;
        if (!compressed) return false;
        try {
            return Lower(MethodOf(index.footer, entry).name) == "oodle";
        } catch (const std::exception&) {
            return false;
        }
    });
}

}  // namespace pakmole
