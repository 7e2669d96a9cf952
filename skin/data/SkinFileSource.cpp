#include "skin/data/SkinFileSource.h"

#include "base/FileSystem.h"
#include "base/MemoryStream.h"
#include "skin/data/SkinConvertor.h"
#include "skin/data/TextCase.h"

namespace pakmole {

const std::vector<unsigned char>* TSkinFileSource::FindPackaged(const std::string&) const { return nullptr; }

bool TSkinFileSource::ReadFile(const std::string& path, std::vector<unsigned char>& bytes) const {
    if (path.empty() || !FileExists(path)) return false;
    TMemoryStream file;
    file.LoadFromFile(path);
    bytes = file.Bytes();
    return true;
}

bool TSkinFileSource::FindImage(const std::string& packageKey, const std::string& fileName,
                                const std::string& imageFolder, bool allowFile,
                                std::vector<unsigned char>& bytes) const {
    if (const auto* packaged = packageKey.empty() ? nullptr : FindPackaged(packageKey)) {
        bytes = *packaged;
        return true;
    }
    if (!allowFile) return false;
    const bool relative = fileName.find(':') == std::string::npos;
    // A skin without a folder of its own (an internal one) has nowhere to
    // look for a relative name: the current folder is whatever the user's is.
    if (relative && imageFolder.empty()) return false;
    const std::string path = relative ? imageFolder + fileName : fileName;
    return ReadFile(path, bytes);
}

const std::vector<unsigned char>* TPackageFileSource::FindPackaged(const std::string& key) const {
    for (const TvlImageItem& item : package_.ImageItems)
        if (item.Data && UpperCase(item.FileName) == key) return &item.Data->Bytes();
    return nullptr;
}

}  // namespace pakmole
