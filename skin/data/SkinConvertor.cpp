#include "skin/data/SkinConvertor.h"

#include <algorithm>
#include <cstring>

#include "base/FileSystem.h"
#include "skin/data/PackageInflater.h"
#include "skin/data/SkinPackageError.h"
#include "skin/data/TextCase.h"

namespace pakmole {
namespace {

constexpr char kMagic[4] = {'V', 'L', 'z', 'f'};
constexpr int64_t kEntryHeaderSize = 8;  // name length and size, both int32
constexpr int64_t kSmallestZlibStream = 8;

// The extension is everything from the last "." of the name.
bool HasBitmapExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot != std::string::npos && UpperCase(name.substr(dot)) == ".BMP";
}

}  // namespace

bool IsOptionsFileName(const std::string& name) { return UpperCase(name) == "OPTIONS.DAT"; }

void TvlSkinConvertor::SetSourceData(TStream* borrowed) {
    ownedSource_.reset();
    source_ = borrowed;
}

void TvlSkinConvertor::SetSourceData(std::unique_ptr<TStream> owned) {
    ownedSource_ = std::move(owned);
    source_ = ownedSource_.get();
}

void TvlSkinConvertor::Clear() {
    while (!ImageItems.empty()) ImageItems.pop_back();
    OptionsData.reset();
    ownedSource_.reset();
    source_ = nullptr;
}

void TvlSkinConvertor::UnpackFile(const std::string& path, std::unique_ptr<TvlSkinConvertor>& convertor,
                                  bool freeSource) {
    if (!FileExists(path)) return;
    if (convertor)
        convertor->Clear();
    else
        convertor = std::make_unique<TvlSkinConvertor>();
    auto file = std::make_unique<TMemoryStream>();
    file->LoadFromFile(path);
    convertor->SetSourceData(std::move(file));
    Unpack(convertor);
    if (freeSource && convertor) convertor->SetSourceData(nullptr);
}

void TvlSkinConvertor::Unpack(std::unique_ptr<TvlSkinConvertor>& convertor) {
    if (!convertor) return;
    try {
        convertor->ReadEntries();
    } catch (...) {
        convertor.reset();  // destroys it, which clears it
        throw;
    }
}

void TvlSkinConvertor::ReadEntries() {
    ImageItems.clear();
    OptionsData.reset();
    ImageCount = -1;
    if (!source_) throw NotAPackageError();
    TStream& s = *source_;
    s.SetPosition(0);
    char magic[4] = {};
    if (s.Read(magic, 4) != 4 || std::memcmp(magic, kMagic, 4) != 0) throw NotAPackageError();

    if (s.Remaining() < 4) throw NotAPackageError();
    const int32_t count = s.ReadInt32();
    // Worked out in 64 bits: the most negative count must not wrap round to
    // the largest one; it stays the most negative.
    ImageCount = static_cast<int32_t>(std::max<int64_t>(int64_t{count} - 1, INT32_MIN));
    if (count <= 0) return;
    // Every entry needs at least its header and a minimal zlib stream, so the
    // count can never ask for more entries than the bytes could hold.
    if (count > s.Remaining() / (kEntryHeaderSize + kSmallestZlibStream)) throw NotAPackageError();

    for (int32_t i = 0; i < count; ++i) {
        if (s.Remaining() < kEntryHeaderSize) throw NotAPackageError();
        const int32_t nameLength = s.ReadInt32();
        if (nameLength < 0 || nameLength > s.Remaining() - 4) throw NotAPackageError();
        std::string name(static_cast<std::size_t>(nameLength), '\0');
        s.ReadBuffer(name.data(), name.size());
        const int32_t size = s.ReadInt32();

        auto data = std::make_unique<TMemoryStream>();
        TPackageInflater::InflateEntry(s, size, data->MutableBytes());
        data->SetPosition(0);
        if (!IsOptionsFileName(name)) {
            TvlImageItem item;
            item.FileName = name;
            item.IsBitmap = HasBitmapExtension(name);
            item.Data = std::move(data);
            ImageItems.push_back(std::move(item));
        } else {
            OptionsData = std::move(data);
        }
    }
}

}  // namespace pakmole
