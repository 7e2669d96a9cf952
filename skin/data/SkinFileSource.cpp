#include "skin/data/SkinFileSource.h"

#include <array>
#include <string_view>

#include "base/FileSystem.h"
#include "base/MemoryStream.h"
#include "skin/data/SkinConvertor.h"
#include "skin/data/TextCase.h"

namespace pakmole {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "CON", "com1.bmp", "NUL .png": Windows maps these to devices in any folder.
bool IsDeviceName(std::string_view segment) {
    std::string base = UpperCase(std::string(segment.substr(0, segment.find('.'))));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view device : kPlain)
        if (base == device) return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           (base[3] >= '0' && base[3] <= '9');
}

bool OnlyDotsAndSpaces(std::string_view segment) {
    return segment.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

bool StaysInsideFolder(const std::string& name) {
    if (name.empty() || IsSeparator(name.front()) || name.find(':') != std::string::npos) return false;
    std::size_t pos = 0;
    while (pos <= name.size()) {
        std::size_t end = pos;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        const std::string_view segment = std::string_view(name).substr(pos, end - pos);
        if (!segment.empty() && (OnlyDotsAndSpaces(segment) || IsDeviceName(segment))) return false;
        pos = end + 1;
    }
    return true;
}

const ByteBuffer* TSkinFileSource::FindPackaged(const std::string&) const { return nullptr; }

bool TSkinFileSource::ReadFile(const std::string& path, std::vector<unsigned char>& bytes) const {
    if (path.empty() || !FileExists(path)) return false;
    TMemoryStream file;
    file.LoadFromFile(path);
    bytes.assign(file.Bytes().begin(), file.Bytes().end());
    return true;
}

TSkinPictureSource TSkinFileSource::Locate(const std::string& packageKey, const std::string& fileName,
                                           const std::string& imageFolder, bool allowFile) const {
    TSkinPictureSource source;
    source.Packaged = packageKey.empty() ? nullptr : FindPackaged(packageKey);
    // A skin without a folder of its own (an internal one) has nowhere to
    // look: the current folder is whatever the user's is.
    if (source.Packaged || !allowFile || imageFolder.empty() || !StaysInsideFolder(fileName)) return source;
    source.Path = imageFolder + fileName;
    return source;
}

bool TSkinFileSource::Read(const TSkinPictureSource& source, std::vector<unsigned char>& bytes) const {
    if (source.Packaged) {
        bytes.assign(source.Packaged->begin(), source.Packaged->end());
        return true;
    }
    return ReadFile(source.Path, bytes);
}

bool TSkinFileSource::FindImage(const std::string& packageKey, const std::string& fileName,
                                const std::string& imageFolder, bool allowFile,
                                std::vector<unsigned char>& bytes) const {
    return Read(Locate(packageKey, fileName, imageFolder, allowFile), bytes);
}

const ByteBuffer* TPackageFileSource::FindPackaged(const std::string& key) const {
    for (const TvlImageItem& item : package_.ImageItems)
        if (item.Data && UpperCase(item.FileName) == key) return &item.Data->Bytes();
    return nullptr;
}

}  // namespace pakmole
