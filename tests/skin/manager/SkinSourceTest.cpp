// Where a skin is loaded from: a package file, a loose folder, or an internal
// skin; the list of skins; load errors.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/manager/MainSkinManager.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::MarkedOptions;

// A program folder with a Skins folder beside the program.
class SkinSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        skins_ = temp_.Path() + "Skins";
        std::filesystem::create_directories(std::filesystem::path(skins_));
        manager_ = test::MakeManager(temp_.Path());
        manager_->SetSkinDirectory(skins_);
    }

    void WritePackage(const std::string& fileName, const std::string& marker) {
        test::WriteBytes(skins_ + "\\" + fileName, test::MakePackage({{"Options.dat", MarkedOptions(marker)}}));
    }

    test::TempFolder temp_;
    std::string skins_;
    test::CaughtMessages messages_;
    ComponentPtr<TsSkinManager> manager_;
};

TEST_F(SkinSourceTest, PackageSuffixInAnyCaseLoadsTheInternalSkin) {
    for (const char* name : {"Emberline (internal).vlz", "Emberline (internal).VLZ", "Emberline (internal).Vlz"}) {
        SCOPED_TRACE(name);
        manager_->SetSkinName("Other");
        manager_->SetSkinName(name);
        EXPECT_EQ(manager_->SkinName(), kInternalSkinName);
        EXPECT_EQ(manager_->Source(), TsSkinSource::ssInternal);
        EXPECT_GE(manager_->FindSection("BUTTON_HUGE"), 0);
    }
    EXPECT_TRUE(messages_.All().empty());
}

TEST_F(SkinSourceTest, PackageFileOrFolderTakesPrecedenceOverTheInternalSkinOfTheSameName) {
    struct Case {
        const char* Label;
        bool Package;
        bool Folder;
        TsSkinSource Expected;
        const char* Marker;  // a section only that source has
    };
    const Case cases[] = {
        {"nothing on disk", false, false, TsSkinSource::ssInternal, "BUTTON_HUGE"},
        {"a folder", false, true, TsSkinSource::ssFolder, "FROMFOLDER"},
        {"a package", true, false, TsSkinSource::ssPackageFile, "FROMPACKAGE"},
        {"both", true, true, TsSkinSource::ssPackageFile, "FROMPACKAGE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        const std::string folder = skins_ + "\\" + kInternalSkinName;
        const std::string package = folder + ".vlz";
        std::filesystem::remove_all(std::filesystem::path(folder));
        std::filesystem::remove(std::filesystem::path(package));
        if (c.Folder) test::WriteSkinFolder(folder, MarkedOptions("FROMFOLDER"));
        if (c.Package) WritePackage(std::string(kInternalSkinName) + ".vlz", "FROMPACKAGE");

        manager_->SetSkinName(kInternalSkinName);
        EXPECT_EQ(manager_->Source(), c.Expected);
        EXPECT_EQ(manager_->FromPackage(), c.Expected != TsSkinSource::ssFolder);
        EXPECT_GE(manager_->FindSection(c.Marker), 0);
        EXPECT_EQ(manager_->SkinName(), kInternalSkinName);
        EXPECT_TRUE(manager_->SkinApplied());
    }
    EXPECT_TRUE(messages_.All().empty());
}

TEST_F(SkinSourceTest, ImageFolderFollowsTheSource) {
    WritePackage("Pack.vlz", "FROMPACKAGE");
    test::WriteSkinFolder(skins_ + "\\Loose", MarkedOptions("FROMFOLDER"));
    manager_->SetSkinName("Pack");
    EXPECT_EQ(manager_->Model().SkinData.ImageFolder, skins_ + "\\");
    manager_->SetSkinName("Loose");
    EXPECT_EQ(manager_->Model().SkinData.ImageFolder, skins_ + "\\Loose\\");
    manager_->SetSkinName(kInternalSkinName);
    EXPECT_EQ(manager_->Model().SkinData.ImageFolder, "");
}

TEST_F(SkinSourceTest, UnknownNameFallsBackToTheFirstInternalSkin) {
    TsStoredSkin& second = manager_->InternalSkins().Add();
    second.Name = "Second";
    second.ReadData(test::MakePackage({{"Options.dat", MarkedOptions("SECOND")}}));
    for (const char* name : {"No Such Skin", "Second ", "second"}) {
        SCOPED_TRACE(name);
        manager_->SetSkinName(name);
        EXPECT_EQ(manager_->SkinName(), kInternalSkinName);
        EXPECT_EQ(manager_->Source(), TsSkinSource::ssInternal);
        EXPECT_GE(manager_->FindSection("BUTTON_HUGE"), 0);
    }
    manager_->SetSkinName("Second");
    EXPECT_EQ(manager_->SkinName(), "Second");
    EXPECT_GE(manager_->FindSection("SECOND"), 0);
    EXPECT_TRUE(messages_.All().empty());
}

TEST_F(SkinSourceTest, UpperCasePackageIsNotListedButLoadsByName) {
    WritePackage("Dark.VLZ", "DARK");
    WritePackage("Pack.vlz", "PACK");
    WritePackage("Two.Parts.vlz", "TWO");
    test::WriteSkinFolder(skins_ + "\\Loose", MarkedOptions("LOOSE"));
    std::filesystem::create_directories(std::filesystem::path(skins_ + "\\NoOptions"));
    test::WriteSkinFolder(skins_ + "\\.Hidden", MarkedOptions("HIDDEN"));

    struct Case {
        int Mode;
        std::vector<std::string> Names;
    };
    const Case cases[] = {
        {0, {kInternalSkinName, "Loose"}},
        {1, {kInternalSkinName, "Pack", "Two"}},
        {2, {kInternalSkinName, "Loose", "Pack", "Two"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Mode);
        std::vector<std::string> list{"stale"};
        std::string first;
        manager_->ListSkins(list, c.Mode, first);
        EXPECT_EQ(list, c.Names);
        EXPECT_EQ(first, kInternalSkinName);
    }

    manager_->SetSkinName("Dark");
    EXPECT_EQ(manager_->SkinName(), "Dark");
    EXPECT_EQ(manager_->Source(), TsSkinSource::ssPackageFile);
    EXPECT_GE(manager_->FindSection("DARK"), 0);
}

TEST_F(SkinSourceTest, ListIsSortedWithoutRegardToCaseWhileFirstNameIsTheFirstFound) {
    auto bare = test::MakeManager(temp_.Path(), false);
    bare->SetSkinDirectory(skins_);
    WritePackage("beta.vlz", "B");
    WritePackage("Alpha.vlz", "A");
    WritePackage("gamma.vlz", "G");
    std::vector<std::string> list;
    std::string first = "kept";
    bare->ListSkins(list, 1, first);
    EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(first, "kept") << "a first name given is not replaced";
}

TEST_F(SkinSourceTest, RelativeDirectoryFindsPackagesHereAndFoldersBesideTheProgram) {
    // Packages: relative to the current folder; loose folders: to the program's.
    const std::string current = temp_.Path() + "work";
    const std::string program = temp_.Path() + "program\\";
    test::WriteSkinFolder(program + "Skins\\Loose", MarkedOptions("LOOSE"));
    std::filesystem::create_directories(std::filesystem::path(current + "\\Skins"));
    test::WriteBytes(current + "\\Skins\\Rel.vlz", test::MakePackage({{"Options.dat", MarkedOptions("REL")}}));

    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
    manager_->SetProgramFolder(program);
    manager_->SetSkinDirectory("Skins");
    manager_->SetSkinName("Rel");
    const TsSkinSource relSource = manager_->Source();
    const bool relLoaded = manager_->FindSection("REL") >= 0;
    manager_->SetSkinName("Loose");
    const TsSkinSource looseSource = manager_->Source();
    const bool looseLoaded = manager_->FindSection("LOOSE") >= 0;
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(relSource, TsSkinSource::ssPackageFile);
    EXPECT_TRUE(relLoaded);
    EXPECT_EQ(looseSource, TsSkinSource::ssFolder);
    EXPECT_TRUE(looseLoaded);
}

TEST_F(SkinSourceTest, LoadErrorIsReportedAndTheOldNameKept) {
    struct Case {
        const char* Label;
        const char* Name;
        std::function<void(const std::string& skins)> Make;
    };
    const Case cases[] = {
        {"package cut short", "Broken",
         [](const std::string& skins) {
             test::Bytes bytes = test::MakePackage({{"Options.dat", MarkedOptions("BROKEN")}});
             bytes.resize(bytes.size() / 2);
             test::WriteBytes(skins + "\\Broken.vlz", bytes);
         }},
        {"not a package", "Garbage",
         [](const std::string& skins) { test::WriteBytes(skins + "\\Garbage.vlz", {'P', 'K', 3, 4, 0, 0, 0, 0}); }},
        {"package without options", "Empty",
         [](const std::string& skins) {
             test::WriteBytes(skins + "\\Empty.vlz", test::MakePackage({{"Readme.txt", "nothing"}}));
         }},
        {"number that is none", "BadNumber",
         [](const std::string& skins) {
             test::WriteSkinFolder(skins + "\\BadNumber",
                                   "[GLOBALINFO]\r\nVERSION=8.00\r\nSHADOW1OFFSET=lots\r\n");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        c.Make(skins_);
        manager_->SetSkinName(kInternalSkinName);
        test::EventCounts events;
        events.Attach(*manager_);
        const std::size_t before = messages_.All().size();
        manager_->SetSkinName(c.Name);
        ASSERT_EQ(messages_.All().size(), before + 1);
        EXPECT_EQ(messages_.All().back().Kind, TsSkinMessageKind::smError);
        EXPECT_FALSE(messages_.All().back().Text.empty());
        EXPECT_EQ(manager_->SkinName(), kInternalSkinName);
        EXPECT_EQ(events.AfterChange, 1) << "the load still ends as usual";
        EXPECT_TRUE(manager_->SkinApplied()) << "what was built is applied";
    }
}

TEST_F(SkinSourceTest, EmptyInternalSkinIsAReportedLoadError) {
    auto manager = test::MakeManager(temp_.Path(), false);
    manager->InternalSkins().Add().Name = "Hollow";
    manager->SetSkinName("Hollow");
    ASSERT_EQ(messages_.All().size(), 1u);
    EXPECT_EQ(messages_.All()[0].Kind, TsSkinMessageKind::smError);
    EXPECT_EQ(manager->SkinName(), "");
}

TEST_F(SkinSourceTest, NoSourceAtAllSwitchesSkinningOffWithoutDeactivateEvent) {
    auto manager = test::MakeManager(temp_.Path(), false);
    manager->SetSkinDirectory(skins_);
    test::EventCounts events;
    events.Attach(*manager);
    manager->SetSkinName("Nowhere");
    EXPECT_FALSE(manager->Active());
    EXPECT_FALSE(manager->SkinApplied());
    EXPECT_EQ(events.Deactivate, 0);
    EXPECT_EQ(events.Activate, 1);
    EXPECT_EQ(events.AfterChange, 1);
    EXPECT_TRUE(manager->Model().Sections.empty());
    EXPECT_TRUE(messages_.All().empty());
}

}  // namespace
}  // namespace pakmole
