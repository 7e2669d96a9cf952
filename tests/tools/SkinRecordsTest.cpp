// The mask records of the options text, read back by their fixed character
// positions, against the pictures they cut from.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "tests/tools/OptionsIni.h"
#include "tests/tools/SkinImages.h"

namespace pakmole::test {
namespace {

struct Record {
    std::string where;  // section/key
    char syntax = 0;
    std::string file;  // upper-cased picture name
    int left = 0, top = 0, right = 0, bottom = 0;
    int states = 1, maskKind = 0;
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
    int StateWidth() const { return (right - left) / states; }
    int StateHeight() const { return (bottom - top) / (maskKind + 1); }
};

// Strict decimal field: the loader fails the whole skin on anything else.
int Field(const std::string& value, size_t from, size_t count, const std::string& where) {
    if (from + count > value.size()) {
        ADD_FAILURE() << where << ": record too short for its field at " << from + 1;
        return 0;
    }
    const std::string text = value.substr(from, count);
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            ADD_FAILURE() << where << ": field '" << text << "' is not a number";
            return 0;
        }
    return std::stoi(text);
}

std::vector<std::string> Words(const std::string& value) {
    std::vector<std::string> words;
    std::string word;
    for (char c : value.substr(1) + "!") {
        if (c != '!') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

std::optional<Record> ReadRecord(const std::string& where, const std::string& v) {
    Record r;
    r.where = where;
    r.syntax = v.empty() ? 0 : v[0];
    r.file = "MASTER.BMP";
    switch (r.syntax) {
        case '^':
            r.marginLeft = Field(v, 21, 4, where);
            r.marginTop = Field(v, 26, 4, where);
            r.marginRight = Field(v, 31, 4, where);
            r.marginBottom = Field(v, 36, 4, where);
            r.states = Field(v, 41, 1, where);
            r.maskKind = Field(v, 43, 1, where);
            Field(v, 45, 1, where);
            Field(v, 47, 1, where);
            [[fallthrough]];
        case '@':
            if (r.syntax == '@') {
                r.states = Field(v, 21, 1, where);
                r.maskKind = Field(v, 23, 1, where);
            }
            [[fallthrough]];
        case '~':
            r.left = Field(v, 1, 4, where);
            r.top = Field(v, 6, 4, where);
            r.right = Field(v, 11, 4, where);
            r.bottom = Field(v, 16, 4, where);
            if (r.syntax == '~') {
                Field(v, 21, 2, where);
                r.maskKind = v.size() >= 25 ? Field(v, 24, 1, where) : 0;
            }
            return r;
        case '!': {
            const auto w = Words(v);
            if (w.size() < 9) {
                ADD_FAILURE() << where << ": image file record with " << w.size() << " words";
                return std::nullopt;
            }
            r.file = w[0];
            r.states = std::stoi(w[1]);
            r.maskKind = std::stoi(w[2]);
            r.marginLeft = std::stoi(w[4]);
            r.marginTop = std::stoi(w[5]);
            r.marginRight = std::stoi(w[6]);
            r.marginBottom = std::stoi(w[7]);
            const auto it = Emberline().pictures.find(r.file);
            if (it == Emberline().pictures.end()) return std::nullopt;  // no record: not ours to cut
            r.right = it->second.width;
            r.bottom = it->second.height;
            return r;
        }
        default:
            return std::nullopt;
    }
}

std::vector<Record> Records() {
    static const std::vector<Record> records = [] {
        std::vector<Record> out;
        const OptionsIni ini(Emberline().files.at("Options.dat"));
        for (const auto& s : ini.Sections())
            for (const auto& [key, value] : s.keys) {
                if (s.name == "GLOBALINFO" && key == "MASTERBITMAP") continue;
                if (auto r = ReadRecord(s.name + "/" + key, value)) out.push_back(*r);
            }
        return out;
    }();
    return records;
}

const Record& RecordOf(const std::string& where) {
    for (const Record& r : Records())
        if (r.where == where) return r;
    throw std::runtime_error("no record " + where);
}

TEST(EmberlineRecords, LieInsideTheirPictureAndSplitIntoWholeStates) {
    for (const Record& r : Records()) {
        SCOPED_TRACE(r.where);
        const auto it = Emberline().pictures.find(r.file);
        ASSERT_NE(it, Emberline().pictures.end()) << r.file;
        ASSERT_GE(r.states, 1);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LT(r.left, r.right);
        EXPECT_LT(r.top, r.bottom);
        EXPECT_LE(r.right, it->second.width);
        EXPECT_LE(r.bottom, it->second.height);
        EXPECT_EQ((r.right - r.left) % r.states, 0) << "width " << r.right - r.left << ", states " << r.states;
        EXPECT_EQ((r.bottom - r.top) % (r.maskKind + 1), 0) << "height " << r.bottom - r.top;
        EXPECT_LE(r.marginLeft + r.marginRight, r.StateWidth());
        EXPECT_LE(r.marginTop + r.marginBottom, r.StateHeight());
    }
}

TEST(EmberlineRecords, NeverShareMasterPixels) {
    const auto records = Records();
    for (size_t i = 0; i < records.size(); ++i)
        for (size_t j = i + 1; j < records.size(); ++j) {
            const Record& a = records[i];
            const Record& b = records[j];
            if (a.file != "MASTER.BMP" || b.file != "MASTER.BMP") continue;
            const bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
            EXPECT_TRUE(apart) << a.where << " overlaps " << b.where;
        }
}

TEST(EmberlineRecords, KeyedFramesHideTheKeyInTheirCorners) {
    // Edges and centres of keyed frames are copied without keying, so a key
    // pixel there would show as magenta on screen.
    for (const Record& r : Records()) {
        if (r.syntax != '^' || r.maskKind != 0) continue;
        SCOPED_TRACE(r.where);
        const Picture& pic = Emberline().pictures.at(r.file);
        const int fw = r.StateWidth(), fh = r.StateHeight();
        for (int s = 0; s < r.states; ++s)
            for (int y = 0; y < fh; ++y)
                for (int x = 0; x < fw; ++x) {
                    const bool cornerColumn = x < r.marginLeft || x >= fw - r.marginRight;
                    const bool cornerRow = y < r.marginTop || y >= fh - r.marginBottom;
                    if (cornerColumn && cornerRow) continue;
                    EXPECT_FALSE(pic.IsKey(r.left + s * fw + x, r.top + y))
                        << "key at state " << s << " (" << x << ", " << y << ")";
                }
    }
}

TEST(EmberlineRecords, MaskBandsAreGreyAndClearUnderKeyPixels) {
    // The mask band is read per channel; a tinted mask would tint the glyph,
    // and a key image pixel must not be covered by its mask.
    for (const Record& r : Records()) {
        if (r.maskKind != 1) continue;
        SCOPED_TRACE(r.where);
        const Picture& pic = Emberline().pictures.at(r.file);
        const int fh = r.StateHeight();
        for (int y = r.top; y < r.top + fh; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const unsigned char* m = &pic.rgb[(static_cast<size_t>(y + fh) * pic.width + x) * 3];
                ASSERT_TRUE(m[0] == m[1] && m[1] == m[2]) << "tinted mask at (" << x << ", " << y + fh << ")";
                if (pic.IsKey(x, y)) {
                    EXPECT_EQ(m[0], 255) << "(" << x << ", " << y << ")";
                }
            }
    }
}

struct CornerCase {
    const char* where;
    int state;
};

class EmberlineWindowCorner : public ::testing::TestWithParam<CornerCase> {};

TEST_P(EmberlineWindowCorner, IsRoundedByThreeKeyPixels) {
    // The window's region is cut along the key pixels of these corners.
    const Record& r = RecordOf(GetParam().where);
    const Picture& pic = Emberline().pictures.at(r.file);
    const int x0 = r.left + GetParam().state * r.StateWidth(), x1 = x0 + r.StateWidth() - 1, y = r.top;
    for (int x : {x0, x1}) {
        const int inward = x == x0 ? 1 : -1;
        EXPECT_TRUE(pic.IsKey(x, y));
        EXPECT_TRUE(pic.IsKey(x + inward, y));
        EXPECT_TRUE(pic.IsKey(x, y + 1));
        EXPECT_FALSE(pic.IsKey(x + inward, y + 1));
        EXPECT_FALSE(pic.IsKey(x + 2 * inward, y));
        EXPECT_FALSE(pic.IsKey(x, y + 2));
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, EmberlineWindowCorner,
                         ::testing::Values(CornerCase{"FORM/BORDERSMASK", 0}, CornerCase{"FORM/BORDERSMASK", 1},
                                           CornerCase{"FORMTITLE/BORDERSMASK", 0},
                                           CornerCase{"FORMTITLE/BORDERSMASK", 1}));

TEST(EmberlineRecords, ButtonHugeRecordFindsItsFileInThePackage) {
    const Record& r = RecordOf("BUTTON_HUGE/BORDERSMASK");
    EXPECT_EQ(r.file, "BUTTONHUGE.BMP");
    EXPECT_EQ(r.StateWidth(), 96);
    EXPECT_EQ(r.StateHeight(), 96);
}

}  // namespace
}  // namespace pakmole::test
