#pragma once
// Skins stored with a skin manager: each item holds a whole skin package.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/MemoryStream.h"
#include "skin/data/Bitmap32.h"

namespace pakmole {

class TsStoredSkins;

class TsStoredSkin {
public:
    TsStoredSkin() = default;
    TsStoredSkin(const TsStoredSkin&) = delete;
    TsStoredSkin& operator=(const TsStoredSkin&) = delete;

    // Copies the package and every carried value.
    void Assign(const TsStoredSkin& source);

    // The stored binary property "Data": the whole package, always written.
    void ReadData(const std::vector<unsigned char>& bytes);
    std::vector<unsigned char> WriteData() const { return {PackedData.Bytes().begin(), PackedData.Bytes().end()}; }

    // Tells the owning collection that the item changed.
    void Changed();

    std::string Name;
    TBitmap32 MasterBitmap;
    int32_t Shadow1Color = 0;
    int32_t Shadow1Offset = 0;
    int32_t Shadow1Blur = -1;
    int32_t Shadow1Transparency = 0;
    int32_t BorderColor = 0xFF00FF;
    double Version = 0;
    std::string Author;
    std::string Description;
    TMemoryStream PackedData;

private:
    friend class TsStoredSkins;
    TsStoredSkins* collection_ = nullptr;
};

class TsStoredSkins {
public:
    explicit TsStoredSkins(std::function<void()> onChanged = {}) : onChanged_(std::move(onChanged)) {}
    TsStoredSkins(const TsStoredSkins&) = delete;
    TsStoredSkins& operator=(const TsStoredSkins&) = delete;

    TsStoredSkin& Add();
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TsStoredSkin& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TsStoredSkin& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    // The first item whose Name equals name exactly; -1 when none does.
    int IndexOf(const std::string& name) const;

    void NotifyChanged() const {
        if (onChanged_) onChanged_();
    }

private:
    std::vector<std::unique_ptr<TsStoredSkin>> items_;
    std::function<void()> onChanged_;
};

}  // namespace pakmole
