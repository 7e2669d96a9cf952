#pragma once
// Reader of skin packages: "VLzf", an int32 file count, then per file an int32
// name length, the name, the int32 inflated size and one zlib stream. It turns
// a package into the options file and the named image files, in memory.
#include <memory>
#include <string>
#include <vector>

#include "base/MemoryStream.h"
#include "base/Stream.h"

namespace pakmole {

struct TvlImageItem {
    std::string FileName;  // as stored, case kept
    bool IsBitmap = false;  // the extension, upper-cased, is ".BMP"
    std::unique_ptr<TMemoryStream> Data;
};

using TvlImageItems = std::vector<TvlImageItem>;

class TvlSkinConvertor {
public:
    TvlSkinConvertor() = default;
    ~TvlSkinConvertor() { Clear(); }
    TvlSkinConvertor(const TvlSkinConvertor&) = delete;
    TvlSkinConvertor& operator=(const TvlSkinConvertor&) = delete;

    // Does nothing when no file exists at path. Otherwise loads the whole file
    // as the converter's own source and unpacks it (creating the converter when
    // the reference is empty); with freeSource the source is dropped afterwards.
    static void UnpackFile(const std::string& path, std::unique_ptr<TvlSkinConvertor>& convertor, bool freeSource);

    // Reads the package in SourceData from position 0. On any failure the
    // converter is destroyed, the caller's reference emptied and the error raised.
    static void Unpack(std::unique_ptr<TvlSkinConvertor>& convertor);

    // Frees the image items (last first), the options and an owned source.
    void Clear();

    // The package to read; a borrowed stream stays with its owner.
    void SetSourceData(TStream* borrowed);
    void SetSourceData(std::unique_ptr<TStream> owned);
    TStream* SourceData() const { return source_; }
    bool OwnsSourceData() const { return ownedSource_ != nullptr; }

    // File count minus one, set as soon as the count is read.
    int32_t ImageCount = -1;
    TvlImageItems ImageItems;
    std::unique_ptr<TMemoryStream> OptionsData;

private:
    void ReadEntries();

    TStream* source_ = nullptr;
    std::unique_ptr<TStream> ownedSource_;
};

// The entry name is the options file ("Options.dat", any letter case).
bool IsOptionsFileName(const std::string& name);

}  // namespace pakmole
