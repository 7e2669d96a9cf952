// Skins made to hurt: files that once cost gigabytes or undefined arithmetic,
// and picture names that reach outside the skin.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/MemoryStream.h"
#include "skin/data/SkinConvertor.h"
#include "skin/data/SkinFileSource.h"
#include "skin/data/SkinImage.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/support/SkinBuilder.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::SkinBuilder;

std::string Hostile(const std::string& name) { return test::ReadWholeFile(test::SharedPath("hostile/" + name)); }

TBitmap32 MasterPicture() {
    TBitmap32 master(90, 60, 0x00336699);
    master.Pixel(0, 0) = kKeyPixel;
    return master;
}

// 1500 keys name the master bitmap as a plain picture: one decode, one
// bitmap shared by every record, whichever way the skin is stored.
TEST(HostileSkins, PictureNamedOverAndOverIsDecodedOnce) {
    const SkinBuilder skin = SkinBuilder()
                                 .Options(Hostile("master-bmp-1500-refs.Options.dat"))
                                 .File("MASTER.BMP", test::EncodeBmp24(MasterPicture()));
    test::TempFolder folder;
    const struct {
        const char* source;
        std::unique_ptr<TsSkinModel> model;
    } cases[] = {{"package", test::LoadPackage(skin)}, {"folder", test::LoadFolder(skin, folder.Path())}};
    for (const auto& c : cases) {
        const TsSkinModel& model = *c.model;
        EXPECT_EQ(model.MasterBitmap.Width(), 90) << c.source;
        ASSERT_EQ(model.Masks.size(), 1500u) << c.source;
        std::set<const TBitmap32*> pictures;
        for (const TsMaskData& m : model.Masks) pictures.insert(m.MaskBitmap.get());
        ASSERT_EQ(pictures.size(), 1u) << c.source;
        const TBitmap32& shared = **pictures.begin();
        EXPECT_EQ(shared.Width(), 90) << c.source;
        EXPECT_EQ(shared.Pixel(0, 0), kKeyPixel) << c.source;
        EXPECT_EQ(shared.Pixel(1, 0), 0xFF336699u) << c.source;
    }
}

TEST(HostileSkins, MostNegativeStateCountBecomesOneState) {
    const auto model = test::LoadOptions(Hostile("states-intmin.Options.dat"));
    const TsGeneralData& button = test::Section(*model, "BUTTON");
    EXPECT_EQ(button.States, 1);
    EXPECT_EQ(button.Props[1].Color, button.Props[0].Color);
}

TEST(HostileSkins, MostNegativeFileCountHoldsNoFiles) {
    const std::string bytes = Hostile("file-count-intmin.vlz");
    TMemoryStream source{test::Bytes(bytes.begin(), bytes.end())};
    auto convertor = std::make_unique<TvlSkinConvertor>();
    convertor->SetSourceData(&source);
    TvlSkinConvertor::Unpack(convertor);
    ASSERT_TRUE(convertor);
    EXPECT_EQ(convertor->ImageCount, INT32_MIN);
    EXPECT_TRUE(convertor->ImageItems.empty());
    EXPECT_FALSE(convertor->OptionsData);
}

TEST(HostileSkins, PictureNamesThatLeaveTheFolder) {
    struct Case {
        const char* name;
        bool inside;
    };
    const Case cases[] = {
        {"pic.bmp", true},
        {"sub\\pic.bmp", true},
        {"sub/pic.bmp", true},
        {"..a.bmp", true},
        {"a..b.bmp", true},
        {"COM10.BMP", true},
        {"CONSOLE.BMP", true},
        {"", false},
        {"..\\pic.bmp", false},
        {"../pic.bmp", false},
        {"sub\\..\\..\\pic.bmp", false},
        {"sub/../pic.bmp", false},
        {"...\\pic.bmp", false},
        {".. \\pic.bmp", false},
        {".\\pic.bmp", false},
        {"sub\\..", false},
        {"\\pic.bmp", false},
        {"/etc/pic.bmp", false},
        {"\\\\server\\share\\pic.bmp", false},
        {"//server/share/pic.bmp", false},
        {"\\\\?\\C:\\pic.bmp", false},
        {"C:\\pic.bmp", false},
        {"C:pic.bmp", false},
        {"pic.bmp:stream", false},
        {"CON", false},
        {"con.bmp", false},
        {"sub\\NUL .bmp", false},
        {"Com1.png", false},
        {"LPT9.BMP", false},
        {"CONIN$.bmp", false},
    };
    for (const Case& c : cases) EXPECT_EQ(StaysInsideFolder(c.name), c.inside) << c.name;
}

// A folder holds OUTSIDE.* and the skin folder "skin" inside it holds
// INSIDE.* and sub/INSIDE.*. Each name is tried in every place a skin names
// a picture, with a skin folder, a packaged skin (which also carries
// PACKED.*) and the common sections.
TEST(HostileSkins, SkinReadsOnlyItsOwnPictures) {
    test::TempFolder root;
    const std::string skinFolder = root.Path() + "skin/";
    const test::Bytes bmp = test::EncodeBmp24(TBitmap32(6, 6, 0x00808080));
    const test::Bytes jpg = test::EncodeJpeg(6, 6, 0x808080);
    const auto write = [](const std::string& path, const test::Bytes& bytes) {
        test::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
    };
    std::filesystem::create_directories(skinFolder + "sub");
    SkinBuilder()
        .File("INSIDE.BMP", bmp)
        .File("INSIDE.JPG", jpg)
        .File("sub/INSIDE.BMP", bmp)
        .File("sub/INSIDE.JPG", jpg)
        .WriteFolder(skinFolder);
    write(root / "OUTSIDE.BMP", bmp);
    write(root / "OUTSIDE.JPG", jpg);
    write(root / "OUT:SIDE.BMP", bmp);
    write(root / "OUT:SIDE.JPG", jpg);

    // "%" stands for the extension.
    struct Case {
        std::string name;
        bool inFolder, inPackage;
    };
    const Case cases[] = {
        {"INSIDE%", true, false},
        {"sub/INSIDE%", true, false},
        {"PACKED%", false, true},
        {"../OUTSIDE%", false, false},
        {"sub/../../OUTSIDE%", false, false},
        {"sub/../INSIDE%", false, false},
        {".../OUTSIDE%", false, false},
        {root.Path() + "OUT:SIDE%", false, false},
        {root.Path() + "OUTSIDE%", false, false},
        {"..\\OUTSIDE%", false, false},
        {"\\\\server\\share\\OUTSIDE%", false, false},
        {"//server/share/OUTSIDE%", false, false},
        {"C:\\OUTSIDE%", false, false},
        {"C:OUTSIDE%", false, false},
        {"INSIDE%:stream", false, false},
        {"NUL%", false, false},
    };
    // How a skin names a picture, how to tell that it got one, and whether
    // the common sections can name a picture that way too.
    struct Reference {
        const char* what;
        const char* ext;
        std::string (*line)(const std::string& name);
        bool (*found)(const TsSkinModel& model);
        bool overlay;
    };
    const auto hasRecord = [](const TsSkinModel& m) { return test::Mask(m, "S", "K") != nullptr; };
    const auto hasTexture = [](const TsSkinModel& m) {
        return test::Mask(m, "S", "K") != nullptr || !m.Patterns.empty();
    };
    const auto plain = [](const std::string& n) { return "[S]\nK=" + n + "\n"; };
    const Reference references[] = {
        {"plain bitmap", ".BMP", plain, hasRecord, true},
        {"image file", ".BMP", [](const std::string& n) { return "[S]\nK=!" + n + "!1!0\n"; }, hasRecord, false},
        {"texture", ".JPG", plain, hasTexture, true},
        {"master bitmap", ".BMP", [](const std::string& n) { return "MASTERBITMAP=" + n + "\n"; },
         [](const TsSkinModel& m) { return !m.MasterBitmap.Empty(); }, false},
    };
    const std::string head = "[GLOBALINFO]\nVERSION=8.00\n";

    for (const Reference& ref : references)
        for (const Case& c : cases) {
            std::string name = c.name;
            name.replace(name.find('%'), 1, ref.ext);
            const std::string options = head + ref.line(name);
            const std::string label = std::string(ref.what) + " " + name;

            // The loose skin lives in skinFolder, beside its pictures.
            SkinBuilder().Options(options).WriteFolder(skinFolder);
            auto fromFolder = std::make_unique<TsSkinModel>();
            fromFolder->SkinData.ImageFolder = skinFolder;
            const TIniText ini(options);
            LoadSkinModel(*fromFolder, ini, TSkinFileSource(), {});
            EXPECT_EQ(ref.found(*fromFolder), c.inFolder) << "folder: " << label;

            // A package file lies in the skin folder, so image names are relative to it.
            const SkinBuilder packed =
                SkinBuilder().Options(options).File(std::string("PACKED") + ref.ext, ref.ext[1] == 'J' ? jpg : bmp);
            auto fromPackage = std::make_unique<TsSkinModel>();
            fromPackage->SkinData.ImageFolder = skinFolder;
            TMemoryStream package{packed.Package()};
            LoadPackagedSkin(*fromPackage, package, {});
            EXPECT_EQ(ref.found(*fromPackage), c.inPackage) << "package: " << label;

            // The common sections are the program's own text: they read files,
            // but only inside the skin's folder, whatever the skin.
            if (ref.overlay) {
                TsSkinLoadSettings settings;
                settings.CommonSections = ref.line(name);
                auto overlaid = std::make_unique<TsSkinModel>();
                overlaid->SkinData.ImageFolder = skinFolder;
                TMemoryStream plainPackage{SkinBuilder().Options(head).Package()};
                LoadPackagedSkin(*overlaid, plainPackage, settings);
                EXPECT_EQ(ref.found(*overlaid), c.inFolder) << "common sections: " << label;
            }
        }
}

}  // namespace
}  // namespace pakmole
