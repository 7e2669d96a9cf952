#pragma once
// Tiny skins built in code for the pixel tests: a master bitmap whose pixels
// tell where they came from, and helpers to add records and sections.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/data/SkinModel.h"

namespace pakmole::test {

// An opaque pixel that names its source position: green = x, blue = y.
inline uint32_t Code(int x, int y) { return 0xFF000000u | static_cast<uint32_t>(x) << 8 | static_cast<uint32_t>(y); }
inline int CodeX(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
inline int CodeY(uint32_t p) { return static_cast<int>(p & 0xFF); }

inline constexpr uint32_t kKey = 0x00FF00FF;
inline constexpr uint32_t kSentinel = 0xFF123456;

// A master bitmap of the given size, every pixel its own Code.
inline void FillCoded(TBitmap32& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.Pixel(x, y) = Code(x, y);
}

struct SkinFixture {
    std::unique_ptr<TsSkinModel> model = std::make_unique<TsSkinModel>();

    SkinFixture(int masterWidth = 64, int masterHeight = 64) {
        model->Loaded = true;
        FillCoded(model->MasterBitmap, masterWidth, masterHeight);
    }

    TsMaskData& AddMask(TRect32 src, int frames, int maskKind, int flags, int l, int t, int r, int b,
                        const std::string& section = "S", const std::string& key = "BORDER", int kind = 0) {
        TsMaskData& m = model->Masks.emplace_back();
        m.SrcRect = src;
        m.FrameCount = static_cast<int16_t>(frames);
        m.MaskKind = static_cast<int16_t>(maskKind);
        m.PaintFlags = static_cast<int16_t>(flags);
        m.MarginLeft = static_cast<int16_t>(l);
        m.MarginTop = static_cast<int16_t>(t);
        m.MarginRight = static_cast<int16_t>(r);
        m.MarginBottom = static_cast<int16_t>(b);
        m.SectionName = section;
        m.PropertyName = key;
        m.RecordKind = static_cast<uint8_t>(kind);
        m.Owner = model.get();
        return m;
    }
    int LastMask() const { return static_cast<int>(model->Masks.size()) - 1; }

    TsGeneralData& AddSection(const std::string& name, int32_t color, int transparency = 0) {
        TsGeneralData& s = model->Sections.emplace_back();
        s.SectionName = name;
        s.States = 3;
        for (auto& p : s.Props) {
            p.Color = color;
            p.Transparency = transparency;
            p.PatternMask = -1;
        }
        return s;
    }
    int LastSection() const { return static_cast<int>(model->Sections.size()) - 1; }
};

}  // namespace pakmole::test
