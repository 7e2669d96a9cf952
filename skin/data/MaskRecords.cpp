#include "skin/data/MaskRecords.h"

#include <algorithm>
#include <vector>

#include "skin/data/NumberText.h"
#include "skin/data/SkinImage.h"
#include "skin/data/SkinPictures.h"
#include "skin/data/TextCase.h"

namespace pakmole {
namespace {

// Characters first..first+count-1 (counting from 1); empty past the end.
std::string_view Chars(const std::string& value, std::size_t first, std::size_t count) {
    if (first - 1 >= value.size()) return {};
    return std::string_view(value).substr(first - 1, count);
}

int32_t Field(const std::string& value, std::size_t first, std::size_t count) {
    return StrToInt(Chars(value, first, count));
}

// Words separated by runs of any of the delimiters.
std::vector<std::string> Words(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        pos = text.find_first_not_of(delimiters, pos);
        if (pos == std::string_view::npos) break;
        std::size_t end = text.find_first_of(delimiters, pos);
        if (end == std::string_view::npos) end = text.size();
        words.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

int32_t WordOrZero(const std::vector<std::string>& words, std::size_t index) {
    return index < words.size() ? StrToIntDef(words[index], 0) : 0;
}

int16_t Short(int32_t v) { return SaturateInt16(v); }

void ReadRect(const std::string& value, TRect32& r) {
    r.Left = Field(value, 2, 4);
    r.Top = Field(value, 7, 4);
    r.Right = Field(value, 12, 4);
    r.Bottom = Field(value, 17, 4);
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

int32_t RecordDivide(int32_t dividend, int32_t divisor, const TsMaskData& record) {
    if (divisor == 0)
        throw Exception("Skin record \"" + record.PropertyName + "\" of section \"" + record.SectionName +
                        "\" is not valid: it has no frames or bands to divide its image into");
    return static_cast<int32_t>(int64_t{dividend} / divisor);
}

TsMaskData TsMaskRecordReader::NewRecord(const std::string& section, const std::string& key) const {
    TsMaskData record;
    record.SectionName = section;
    record.PropertyName = key;
    record.Owner = &model_;
    return record;
}

void TsMaskRecordReader::AddRecord(const std::string& section, const std::string& key, const std::string& value) {
    if (value.empty()) return;
    switch (value[0]) {
        case '!': return AddImageFile(section, key, value);
        case '@': return AddImage(section, key, value);
        case '^': return AddFrameMask(section, key, value);
        case '~': return AddTexturePiece(section, key, value);
        default: break;
    }
    if (!Contains(value, "#"))
        AddPlainBitmap(section, key, value);
    else if (value != "#")
        AddLegacy(section, key, value);
}

void TsMaskRecordReader::AddFrameMask(const std::string& section, const std::string& key, const std::string& value) {
    TsMaskData m = NewRecord(section, key);
    ReadRect(value, m.SrcRect);
    m.MarginLeft = Short(Field(value, 22, 4));
    m.MarginTop = Short(Field(value, 27, 4));
    m.MarginRight = Short(Field(value, 32, 4));
    m.MarginBottom = Short(Field(value, 37, 4));
    m.FrameCount = Short(Field(value, 42, 1));
    m.MaskKind = Short(Field(value, 44, 1));
    m.PaintFlags = Short(Field(value, 46, 1));
    m.DefaultMargin = Short(Field(value, 48, 1));
    m.RecordKind = 0;

    if (m.MaskKind > 0 && model_.SkinData.Version < 7.4) {
        // Old skins drew a one-pixel centre by stretching; they did not say so.
        const bool onePixelCentre =
            RecordDivide(m.SrcRect.Width(), m.FrameCount, m) - m.MarginLeft - m.MarginRight == 1 &&
            RecordDivide(m.SrcRect.Height(), m.MaskKind + 1, m) - m.MarginTop - m.MarginBottom == 1;
        m.PaintFlags = Short(onePixelCentre ? (m.PaintFlags | 1) : (m.PaintFlags & ~1));
    }
    if (m.MarginLeft + m.MarginTop + m.MarginRight + m.MarginBottom == 0) {
        if (m.DefaultMargin != 0) {
            m.MarginLeft = m.MarginTop = m.MarginRight = m.MarginBottom = m.DefaultMargin;
        } else {
            m.MarginLeft = m.MarginRight = Short(RecordDivide(m.SrcRect.Width(), m.FrameCount * 3, m));
            m.MarginTop = m.MarginBottom = Short(RecordDivide(m.SrcRect.Height(), (m.MaskKind + 1) * 3, m));
        }
    }
    AnalyseCorners(m);
    model_.Masks.push_back(std::move(m));
}

void TsMaskRecordReader::AddImage(const std::string& section, const std::string& key, const std::string& value) {
    TsMaskData m = NewRecord(section, key);
    ReadRect(value, m.SrcRect);
    m.FrameCount = Short(Field(value, 22, 1));
    m.MaskKind = Short(Field(value, 24, 1));
    m.RecordKind = 2;
    model_.Masks.push_back(std::move(m));
}

void TsMaskRecordReader::AddTexturePiece(const std::string& section, const std::string& key,
                                         const std::string& value) {
    TsMaskData m = NewRecord(section, key);
    ReadRect(value, m.SrcRect);
    m.PaintFlags = Short(Field(value, 22, 2));
    m.MaskKind = value.size() >= 25 ? Short(Field(value, 25, 1)) : 0;
    m.RecordKind = 1;
    m.FrameCount = 1;
    model_.Masks.push_back(std::move(m));
}

void TsMaskRecordReader::AddImageFile(const std::string& section, const std::string& key, const std::string& value) {
    const std::vector<std::string> words = Words(value, "!");
    if (words.empty()) return;
    const std::string& fileName = words[0];
    if (!Contains(fileName, ".BMP") && !Contains(fileName, ".PNG")) return;
    std::shared_ptr<TBitmap32> image = pictures_.FromSkin(fileName, fileName, TPicturePrep::ImageFile);
    if (!image || image->Width() <= 0) return;

    TsMaskData m = NewRecord(section, key);
    m.FrameCount = Short(WordOrZero(words, 1));
    m.MaskKind = Short(WordOrZero(words, 2));
    m.RecordKind = static_cast<uint8_t>(std::clamp(WordOrZero(words, 3), 0, 4));
    m.MarginLeft = Short(WordOrZero(words, 4));
    m.MarginTop = Short(WordOrZero(words, 5));
    m.MarginRight = Short(WordOrZero(words, 6));
    m.MarginBottom = Short(WordOrZero(words, 7));
    m.PaintFlags = Short(WordOrZero(words, 8));
    m.SrcRect = {0, 0, image->Width(), image->Height()};
    if (words.size() < 5) {
        m.MarginLeft = m.MarginRight = Short(RecordDivide(m.SrcRect.Width(), m.FrameCount * 3, m));
        m.MarginTop = m.MarginBottom = Short(RecordDivide(m.SrcRect.Height(), (m.MaskKind + 1) * 3, m));
    }
    if (words.size() < 9) m.PaintFlags = 1;
    m.MaskBitmap = std::move(image);
    if (m.RecordKind == 0) AnalyseCorners(m);
    model_.Masks.push_back(std::move(m));
}

void TsMaskRecordReader::AddPlainBitmap(const std::string& section, const std::string& key,
                                        const std::string& value) {
    const std::string upper = UpperCase(value);
    if (!Contains(upper, ".BMP")) return;
    std::shared_ptr<TBitmap32> image = pictures_.FromSkin(upper, value, TPicturePrep::Opaque);
    if (!image) return;

    TsMaskData m = NewRecord(UpperCase(section), UpperCase(key));
    m.SrcRect = {0, 0, image->Width(), image->Height()};
    m.FrameCount = 3;
    m.MaskKind = 1;
    m.MarginLeft = m.MarginRight = Short(m.SrcRect.Width() / 9);
    m.MarginTop = m.MarginBottom = Short(m.SrcRect.Height() / 6);
    m.RecordKind = 0;
    m.MaskBitmap = std::move(image);
    AnalyseCorners(m);
    model_.Masks.push_back(std::move(m));
}

void TsMaskRecordReader::AddLegacy(const std::string& section, const std::string& key, const std::string& value) {
    const std::vector<std::string> words = Words(value, " ()");
    const std::vector<std::string> rect = words.size() > 1 ? Words(words[1], " ,") : std::vector<std::string>{};
    const std::vector<std::string> frames = words.size() > 2 ? Words(words[2], " ,") : std::vector<std::string>{};

    TsMaskData m = NewRecord(UpperCase(section), UpperCase(key));
    m.SrcRect = {WordOrZero(rect, 0), WordOrZero(rect, 1), WordOrZero(rect, 2), WordOrZero(rect, 3)};
    m.FrameCount = Short(std::max(1, WordOrZero(frames, 0)));
    m.MaskKind = Short(std::max(0, WordOrZero(frames, 1)));
    m.DefaultMargin = frames.size() > 2 ? Short(std::max(0, StrToInt(frames[2]))) : 0;
    m.PaintFlags = frames.size() > 3 ? Short(StrToInt(frames[3])) : 1;
    m.RecordKind = 0;
    if (m.DefaultMargin != 0) {
        m.MarginLeft = m.MarginTop = m.MarginRight = m.MarginBottom = m.DefaultMargin;
    } else {
        m.MarginLeft = m.MarginRight = Short(RecordDivide(m.SrcRect.Width(), m.FrameCount * 3, m));
        m.MarginTop = m.MarginBottom = Short(RecordDivide(m.SrcRect.Height(), m.MaskKind * 3 + 3, m));
    }
    AnalyseCorners(m);
    model_.Masks.push_back(std::move(m));
}

void TsMaskRecordReader::AddOverlayRecord(const std::string& section, const std::string& key,
                                          const std::string& value) {
    const std::string upper = UpperCase(value);
    if (Contains(upper, ".BMP")) {
        std::shared_ptr<TBitmap32> image = pictures_.FromOverlay(value, TPicturePrep::Opaque);
        if (!image || image->Width() <= 0) return;
        TsMaskData m = NewRecord(UpperCase(section), UpperCase(key));
        m.MaskBitmap = std::move(image);
        model_.Masks.push_back(std::move(m));
    } else if (Contains(value, "#") && !model_.MasterBitmap.Empty() && value != "#") {
        AddLegacy(section, key, value);
    }
}

void TsMaskRecordReader::AnalyseCorners(TsMaskData& m) const {
    if (m.SectionName == "BUTTON_HUGE" && m.PropertyName == "BORDERSMASK") {
        m.CornerKind = 2;
        return;
    }
    m.CornerKind = 0;
    if (m.SrcRect.Height() <= 0) return;
    const TBitmap32& bmp = m.MaskBitmap ? *m.MaskBitmap : model_.MasterBitmap;
    // Coordinates of legacy records may be anything, so the corners are
    // worked out in 64 bits.
    const int64_t w = bmp.Width();
    const int64_t h = bmp.Height();
    const int64_t fw = RecordDivide(m.SrcRect.Width(), m.FrameCount, m);
    const int64_t fh = RecordDivide(m.SrcRect.Height(), m.MaskKind + 1, m);
    const int64_t left = m.SrcRect.Left;
    const int64_t top = m.SrcRect.Top;
    const int64_t x1 = left + fw - m.MarginRight;
    const int64_t y1 = top + fh - m.MarginBottom;
    struct Range {
        int64_t from, to;
    };
    const Range xl{left, std::min(left + m.MarginLeft, w - 1)};
    const Range xr{x1, std::min(x1 + m.MarginRight, w - 1)};
    const Range yt{top, std::min(top + m.MarginTop, h - 1)};
    const Range yb{y1, std::min(y1 + m.MarginBottom, h - 1)};
    const auto search = [&](Range xs, Range ys) {
        for (int64_t y = std::max<int64_t>(ys.from, 0); y < ys.to; ++y)
            for (int64_t x = std::max<int64_t>(xs.from, 0); x < xs.to; ++x)
                if (bmp.Pixel(static_cast<int>(x), static_cast<int>(y)) == kKeyPixel) return true;
        return false;
    };
    if (search(xl, yt) || search(xr, yt) || search(xl, yb) || search(xr, yb)) m.CornerKind = 1;
}

}  // namespace pakmole
