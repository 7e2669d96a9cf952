#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/MemoryStream.h"
#include "skin/data/SkinConvertor.h"
#include "skin/data/SkinPackageError.h"
#include "skin/data/StoredSkin.h"
#include "tests/support/SkinBuilder.h"
#include "tests/support/TestPaths.h"
#include "tools/skinpack/VlzWriter.h"

namespace pakmole {
namespace {

using test::Bytes;

const char* const kNotAPackage = "Loaded data is not a packed Velourskin file";

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Bytes that deflate cannot shrink, so a stream spans several 64 KiB chunks.
Bytes Noise(std::size_t size, uint32_t seed) {
    Bytes out(size);
    for (auto& b : out) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<unsigned char>(seed >> 24);
    }
    return out;
}

// Unpacks bytes borrowed from the caller, as the skin manager does for a stored skin.
std::unique_ptr<TvlSkinConvertor> UnpackBytes(TMemoryStream& source) {
    auto convertor = std::make_unique<TvlSkinConvertor>();
    convertor->SetSourceData(&source);
    TvlSkinConvertor::Unpack(convertor);
    return convertor;
}

std::string StreamText(const TMemoryStream& s) { return std::string(s.Bytes().begin(), s.Bytes().end()); }
Bytes StreamBytes(const TMemoryStream& s) { return Bytes(s.Bytes().begin(), s.Bytes().end()); }

void PutInt32(Bytes& bytes, std::size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

TEST(SkinConvertor, UnpacksOptionsAndImagesInStoredOrder) {
    const Bytes package = tools::WriteVlz({{"Glyphs.png", Text("png bytes")},
                                           {"options.DAT", Text("[GLOBALINFO]\r\nVERSION=8.00\r\n")},
                                           {"Skin.Bmp", Text("bmp bytes")}});
    TMemoryStream source{Bytes(package)};
    auto convertor = UnpackBytes(source);
    ASSERT_TRUE(convertor);
    EXPECT_EQ(convertor->ImageCount, 2);
    ASSERT_EQ(convertor->ImageItems.size(), 2u);
    EXPECT_EQ(convertor->ImageItems[0].FileName, "Glyphs.png");
    EXPECT_FALSE(convertor->ImageItems[0].IsBitmap);
    EXPECT_EQ(StreamText(*convertor->ImageItems[0].Data), "png bytes");
    EXPECT_EQ(convertor->ImageItems[1].FileName, "Skin.Bmp");
    EXPECT_TRUE(convertor->ImageItems[1].IsBitmap);
    ASSERT_TRUE(convertor->OptionsData);
    EXPECT_EQ(StreamText(*convertor->OptionsData), "[GLOBALINFO]\r\nVERSION=8.00\r\n");
    EXPECT_EQ(convertor->OptionsData->Position(), 0);
    // The borrowed package stays with its owner, whole.
    EXPECT_FALSE(convertor->OwnsSourceData());
    EXPECT_EQ(StreamBytes(source), package);
}

TEST(SkinConvertor, IsBitmapFollowsTheUpperCasedExtension) {
    struct Case {
        const char* name;
        bool isBitmap;
    };
    const Case cases[] = {{"Skin.Bmp", true}, {"SKIN.BMP", true}, {"skin.bmp", true},  {"Skin.png", false},
                          {"Skin.bmpx", false}, {"Skin.bm", false}, {"bmp", false},     {"Skin.x.BMP", true},
                          {"Skin.BMP.png", false}};
    for (const Case& c : cases) {
        TMemoryStream source{tools::WriteVlz({{c.name, Text("x")}})};
        auto convertor = UnpackBytes(source);
        ASSERT_EQ(convertor->ImageItems.size(), 1u) << c.name;
        EXPECT_EQ(convertor->ImageItems[0].IsBitmap, c.isBitmap) << c.name;
    }
}

TEST(SkinConvertor, FileCountZeroOrNegativeReadsNothingMore) {
    for (int32_t count : {0, -1, -5}) {
        Bytes bytes = {'V', 'L', 'z', 'f', 0, 0, 0, 0, 'j', 'u', 'n', 'k'};
        PutInt32(bytes, 4, count);
        TMemoryStream source{bytes};
        auto convertor = UnpackBytes(source);
        ASSERT_TRUE(convertor);
        EXPECT_EQ(convertor->ImageCount, count - 1);
        EXPECT_TRUE(convertor->ImageItems.empty());
        EXPECT_FALSE(convertor->OptionsData);
    }
}

TEST(SkinConvertor, WrongMagicEmptiesTheReferenceWithTheKnownMessage) {
    for (const std::string head : {"vlzf", "VLZF", "VLz", "", "PK\x03\x04"}) {
        Bytes bytes(head.begin(), head.end());
        bytes.insert(bytes.end(), {0, 0, 0, 0});
        TMemoryStream source{bytes};
        auto convertor = std::make_unique<TvlSkinConvertor>();
        convertor->SetSourceData(&source);
        try {
            TvlSkinConvertor::Unpack(convertor);
            ADD_FAILURE() << "accepted magic '" << head << "'";
        } catch (const ESkinPackageError& e) {
            EXPECT_STREQ(e.what(), kNotAPackage);
        }
        EXPECT_FALSE(convertor);
        EXPECT_EQ(StreamBytes(source), bytes);  // the borrowed bytes survive the failure
    }
}

TEST(SkinConvertor, StreamsLongerThanOneChunkLeaveTheSourceOnTheNextEntry) {
    const Bytes big = Noise(200000, 7);
    const Bytes small = Noise(70000, 11);
    const Bytes package =
        tools::WriteVlz({{"Big.bmp", big}, {"Options.dat", Text("[A]\nK=V\n")}, {"Small.bmp", small}});
    ASSERT_GT(package.size(), 3 * 65536u);
    TMemoryStream source{package};
    auto convertor = UnpackBytes(source);
    ASSERT_EQ(convertor->ImageItems.size(), 2u);
    EXPECT_EQ(StreamBytes(*convertor->ImageItems[0].Data), big);
    EXPECT_EQ(StreamBytes(*convertor->ImageItems[1].Data), small);
    EXPECT_EQ(StreamText(*convertor->OptionsData), "[A]\nK=V\n");
    EXPECT_EQ(source.Position(), static_cast<int64_t>(package.size()));
}

TEST(SkinConvertor, EmptyEntryConsumesItsStream) {
    const Bytes package = tools::WriteVlz({{"Empty.bmp", {}}, {"Options.dat", Text("[A]")}});
    TMemoryStream source{package};
    auto convertor = UnpackBytes(source);
    ASSERT_EQ(convertor->ImageItems.size(), 1u);
    EXPECT_EQ(convertor->ImageItems[0].Data->Size(), 0);
    EXPECT_EQ(StreamText(*convertor->OptionsData), "[A]");
}

TEST(SkinConvertor, EveryProperPrefixIsRejectedCleanly) {
    const Bytes package = test::SkinBuilder()
                              .Options("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=M.BMP\n")
                              .File("M.BMP", test::EncodeBmp24(TBitmap32(5, 3, 0x123456)))
                              .Package();
    for (std::size_t length = 0; length < package.size(); ++length) {
        TMemoryStream source{Bytes(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(length))};
        std::unique_ptr<TvlSkinConvertor> convertor = std::make_unique<TvlSkinConvertor>();
        convertor->SetSourceData(&source);
        EXPECT_THROW(TvlSkinConvertor::Unpack(convertor), Exception) << "prefix of " << length << " bytes";
        EXPECT_FALSE(convertor) << length;
    }
    TMemoryStream whole{package};
    EXPECT_EQ(UnpackBytes(whole)->ImageItems.size(), 1u);
}

TEST(SkinConvertor, DamagedBytesLoadOrFailButNeverCrash) {
    const Bytes package = tools::WriteVlz({{"Options.dat", Text("[GLOBALINFO]\nVERSION=8.00\n")},
                                           {"A.bmp", Noise(300, 3)}});
    for (std::size_t at = 0; at < package.size(); ++at)
        for (unsigned char flip : {0x01, 0x80, 0xFF}) {
            Bytes damaged = package;
            damaged[at] ^= flip;
            TMemoryStream source{damaged};
            auto convertor = std::make_unique<TvlSkinConvertor>();
            convertor->SetSourceData(&source);
            try {
                TvlSkinConvertor::Unpack(convertor);
                ASSERT_TRUE(convertor);
            } catch (const Exception&) {
                EXPECT_FALSE(convertor);
            }
        }
}

TEST(SkinConvertor, SizesThatDisagreeWithTheStreamAreRejected) {
    const Bytes good = tools::WriteVlz({{"A.bmp", Text("abcdef")}});
    const std::size_t sizeField = 8 + 4 + 5;  // magic, count, name length, "A.bmp"
    struct Case {
        const char* what;
        int32_t size;
    };
    const Case cases[] = {{"one byte more", 7},
                          {"one byte less", 5},
                          {"nothing", 0},
                          {"negative", -1},
                          {"beyond what deflate can give", 0x7FFFFFFF}};
    for (const Case& c : cases) {
        Bytes bytes = good;
        PutInt32(bytes, sizeField, c.size);
        TMemoryStream source{bytes};
        auto convertor = std::make_unique<TvlSkinConvertor>();
        convertor->SetSourceData(&source);
        try {
            TvlSkinConvertor::Unpack(convertor);
            ADD_FAILURE() << c.what;
        } catch (const ESkinPackageError& e) {
            EXPECT_STREQ(e.what(), kNotAPackage) << c.what;
        }
    }
}

TEST(SkinConvertor, CountsAndLengthsBeyondThePackageAreRejected) {
    const Bytes good = tools::WriteVlz({{"A.bmp", Text("abc")}});
    struct Case {
        const char* what;
        std::size_t at;
        int32_t value;
    };
    const Case cases[] = {{"file count", 4, 0x7FFFFFFF},
                          {"second entry promised", 4, 2},
                          {"name length", 8, 0x7FFFFFF0},
                          {"negative name length", 8, -3}};
    for (const Case& c : cases) {
        Bytes bytes = good;
        PutInt32(bytes, c.at, c.value);
        TMemoryStream source{bytes};
        auto convertor = std::make_unique<TvlSkinConvertor>();
        convertor->SetSourceData(&source);
        EXPECT_THROW(TvlSkinConvertor::Unpack(convertor), ESkinPackageError) << c.what;
    }
}

TEST(SkinConvertor, CorruptZlibDataCarriesZlibsReason) {
    Bytes bytes = tools::WriteVlz({{"A.bmp", Text("abcabcabcabc")}});
    bytes[8 + 4 + 5 + 4 + 2] = 0xFF;  // first deflate byte: an invalid block type
    TMemoryStream source{bytes};
    auto convertor = std::make_unique<TvlSkinConvertor>();
    convertor->SetSourceData(&source);
    try {
        TvlSkinConvertor::Unpack(convertor);
        FAIL() << "accepted a damaged stream";
    } catch (const ESkinPackageError& e) {
        EXPECT_NE(std::string(e.what()).find("Skin package data error"), std::string::npos) << e.what();
    }
}

TEST(SkinConvertor, UnpackFileReadsAFileAndDoesNothingWithoutOne) {
    test::TempFolder folder;
    std::unique_ptr<TvlSkinConvertor> convertor;
    TvlSkinConvertor::UnpackFile(folder / "Missing.vlz", convertor, true);
    EXPECT_FALSE(convertor);

    const Bytes package = tools::WriteVlz({{"Options.dat", Text("[X]")}, {"B.bmp", Text("b")}});
    test::WriteWholeFile(folder / "Dark.vlz", std::string(package.begin(), package.end()));
    TvlSkinConvertor::UnpackFile(folder / "Dark.vlz", convertor, false);
    ASSERT_TRUE(convertor);
    EXPECT_TRUE(convertor->OwnsSourceData());
    EXPECT_EQ(StreamText(*convertor->OptionsData), "[X]");

    // A converter already there is cleared and reused; freeing the source drops it.
    TvlSkinConvertor* before = convertor.get();
    TvlSkinConvertor::UnpackFile(folder / "Dark.vlz", convertor, true);
    EXPECT_EQ(convertor.get(), before);
    EXPECT_EQ(convertor->ImageItems.size(), 1u);
    EXPECT_EQ(convertor->SourceData(), nullptr);

    test::WriteWholeFile(folder / "Bad.vlz", "vlzf\0\0\0\0");
    EXPECT_THROW(TvlSkinConvertor::UnpackFile(folder / "Bad.vlz", convertor, true), ESkinPackageError);
    EXPECT_FALSE(convertor);
}

TEST(SkinConvertor, ClearEmptiesEverything) {
    TMemoryStream source{tools::WriteVlz({{"Options.dat", Text("[X]")}, {"B.bmp", Text("b")}})};
    auto convertor = UnpackBytes(source);
    convertor->Clear();
    EXPECT_TRUE(convertor->ImageItems.empty());
    EXPECT_FALSE(convertor->OptionsData);
    EXPECT_EQ(convertor->SourceData(), nullptr);
    EXPECT_GT(source.Size(), 0);
}

TEST(StoredSkins, IndexOfIsExactAndFirstWins) {
    int changes = 0;
    TsStoredSkins skins([&] { ++changes; });
    skins.Add().Name = "Emberline (internal)";
    skins.Add().Name = "Dark";
    skins.Add().Name = "Dark";
    EXPECT_EQ(skins.IndexOf("Dark"), 1);
    EXPECT_EQ(skins.IndexOf("Emberline (internal)"), 0);
    EXPECT_EQ(skins.IndexOf("emberline (internal)"), -1);
    EXPECT_EQ(skins.IndexOf("Emberline"), -1);
    EXPECT_EQ(skins.IndexOf(""), -1);
    EXPECT_EQ(changes, 3);
    skins.Delete(0);
    EXPECT_EQ(skins.IndexOf("Dark"), 0);
    EXPECT_THROW(skins.Delete(5), std::out_of_range);
}

TEST(StoredSkins, DataPropertyAndAssignCarryThePackage) {
    TsStoredSkins skins;
    TsStoredSkin& a = skins.Add();
    EXPECT_EQ(a.Shadow1Blur, -1);
    EXPECT_EQ(a.BorderColor, 0xFF00FF);
    EXPECT_TRUE(a.WriteData().empty());
    a.ReadData(Text("VLzf...."));
    a.Name = "A";
    a.Version = 8.0;
    a.Author = "me";
    TsStoredSkin& b = skins.Add();
    b.Assign(a);
    EXPECT_EQ(b.WriteData(), Text("VLzf...."));
    EXPECT_EQ(b.Name, "A");
    EXPECT_EQ(b.Version, 8.0);
    EXPECT_EQ(b.Author, "me");
    a.ReadData(Text("other"));
    EXPECT_EQ(b.WriteData(), Text("VLzf...."));  // a copy, not a share
}

}  // namespace
}  // namespace pakmole
