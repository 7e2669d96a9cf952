// Properties, events and life of the manager: activation, colour changes,
// the default manager, the stored start-up, version notices, borders.
#include <gtest/gtest.h>

#include "skin/manager/CommandSwitches.h"
#include "skin/manager/MainSkinManager.h"
#include "tests/skin/manager/CommandLog.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/support/TestPaths.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole {
namespace {

using test::MarkedOptions;

class SkinManagerStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = app_.App().CreateForm<TForm>();
        form_->HandleNeeded();
        log_.Watch(form_, "form");
    }

    test::RecordingApplication app_;
    TForm* form_ = nullptr;
    test::CommandLog log_;
    test::CaughtMessages messages_;
};

TEST_F(SkinManagerStateTest, DefaultsOfANewManager) {
    auto manager = test::MakeManager();
    EXPECT_TRUE(manager->Active());
    EXPECT_EQ(manager->ClassName(), "TsSkinManager");
    EXPECT_TRUE(manager->SkinnedPopups());
    EXPECT_EQ(manager->HueOffset(), 0);
    EXPECT_EQ(manager->Saturation(), 0);
    EXPECT_EQ(manager->SkinningRules(), srStdForms | srStdDialogs | srThirdParty);
    EXPECT_FALSE(manager->ExtendedBorders());
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_EQ(manager->Version(), "8.40");
    manager->SetVersion("1.0");
    EXPECT_EQ(manager->Version(), "8.40");
    const TvlAnimEffects& anim = manager->AnimEffects();
    EXPECT_EQ(anim.Minimizing.Time, 200);
    EXPECT_EQ(anim.SkinChanging.Time, 100);
    EXPECT_EQ(anim.SkinChanging.Mode, TvlAnimType::atFading);
    EXPECT_EQ(anim.FormShow.Mode, TvlAnimType::atAero);
    EXPECT_FALSE(anim.BlendOnMoving.Active);
    EXPECT_EQ(anim.BlendOnMoving.BlendValue, 170);
    EXPECT_EQ(anim.BlendOnMoving.Time, 1000);
    EXPECT_EQ(anim.Buttons.Events, beMouseEnter | beMouseLeave | beMouseDown | beMouseUp);
    EXPECT_TRUE(manager->ThirdPartyLists().Contains(tpButtons, "TButton"));
    EXPECT_FALSE(manager->ThirdPartyLists().Contains(tpEdits, "TEdit"));
}

TEST_F(SkinManagerStateTest, SkinInfoTellsTheAppliedVersion) {
    test::TempFolder temp;
    test::WriteSkinFolder(temp.Path() + "Skins\\Point", MarkedOptions("P", "7.25"));
    auto manager = test::MakeManager(temp.Path());
    manager->SetSkinDirectory("Skins");
    manager->SetSkinName(kInternalSkinName);
    EXPECT_EQ(manager->SkinInfo(), "8");
    manager->SetSkinInfo("9.99");
    EXPECT_EQ(manager->SkinInfo(), "8");
    manager->SetSkinName("Point");
    EXPECT_EQ(manager->SkinInfo(), "7.25");
    manager->SetActive(false);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
}

TEST_F(SkinManagerStateTest, ActiveOffThenOnReloadsAndDeactivatesOnce) {
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    test::EventCounts events;
    events.Attach(*manager);
    log_.Received.clear();

    manager->SetActive(false);
    EXPECT_FALSE(manager->SkinApplied());
    EXPECT_TRUE(manager->Model().Sections.empty());
    EXPECT_EQ(log_.Commands(), (std::vector<uint16_t>{SKC_REMOVESKIN}));
    manager->SetActive(false);
    EXPECT_EQ(events.Deactivate, 1) << "switching off what is off tells nobody";

    manager->SetSkinName(kInternalSkinName);
    EXPECT_TRUE(manager->Model().Sections.empty()) << "an inactive manager only stores the name";

    log_.Received.clear();
    manager->SetActive(true);
    EXPECT_TRUE(manager->SkinApplied());
    EXPECT_GE(manager->FindSection("FORM"), 0);
    EXPECT_EQ(log_.ReceiversOf(SKC_APPLYSKIN).size(), 1u);
    EXPECT_EQ(events.Deactivate, 1);
    EXPECT_EQ(events.Activate, 1);
}

TEST_F(SkinManagerStateTest, ColourChangesReloadOnlyWhenTheValueChanges) {
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    test::EventCounts events;
    events.Attach(*manager);

    struct Case {
        const char* Label;
        std::function<void(TsSkinManager&)> Write;
        bool Reloads;
    };
    const Case cases[] = {
        {"same hue", [](TsSkinManager& m) { m.SetHueOffset(0); }, false},
        {"same saturation", [](TsSkinManager& m) { m.SetSaturation(0); }, false},
        {"new hue", [](TsSkinManager& m) { m.SetHueOffset(120); }, true},
        {"that hue again", [](TsSkinManager& m) { m.SetHueOffset(120); }, false},
        {"new saturation", [](TsSkinManager& m) { m.SetSaturation(-50); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        log_.Received.clear();
        const int afterBefore = events.AfterChange;
        c.Write(*manager);
        EXPECT_EQ(events.AfterChange - afterBefore, c.Reloads ? 1 : 0);
        EXPECT_EQ(log_.Commands(), c.Reloads ? (std::vector<uint16_t>{SKC_STOPANIMATION, SKC_REFRESH})
                                             : std::vector<uint16_t>{});
    }
    EXPECT_EQ(events.BeforeChange, 0) << "a colour change keeps the skin";
    EXPECT_EQ(manager->Source(), TsSkinSource::ssInternal);
    EXPECT_GE(manager->FindSection("FORM"), 0);
}

TEST_F(SkinManagerStateTest, HueOffsetWhileInactiveIsOnlyStored) {
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    manager->SetActive(false);
    test::EventCounts events;
    events.Attach(*manager);
    log_.Received.clear();
    manager->SetHueOffset(90);
    EXPECT_EQ(manager->HueOffset(), 90);
    EXPECT_EQ(events.AfterChange, 0);
    EXPECT_TRUE(log_.Received.empty());
}

TEST_F(SkinManagerStateTest, FirstManagerIsTheDefaultAndASecondOneIsNot) {
    auto first = test::MakeManager();
    auto second = test::MakeManager();
    EXPECT_EQ(TsSkinManager::DefaultManager(), first.get());
    EXPECT_TRUE(first->IsDefault());
    EXPECT_FALSE(second->IsDefault());

    second->SetIsDefault(false);
    EXPECT_TRUE(first->IsDefault()) << "writing false on another manager changes nothing";

    first->SetSkinName(kInternalSkinName);
    second->SetSkinName(kInternalSkinName);
    EXPECT_TRUE(first->DialogHookInstalled());
    EXPECT_FALSE(second->DialogHookInstalled()) << "only the default manager hooks dialogs";

    second->SetIsDefault(true);
    EXPECT_TRUE(second->IsDefault());
    EXPECT_FALSE(first->IsDefault());
    EXPECT_TRUE(second->DialogHookInstalled());
    EXPECT_FALSE(first->DialogHookInstalled()) << "the hook goes with the role";

    second.reset();
    EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

TEST_F(SkinManagerStateTest, DialogHookComesWithTheSkinAndGoesWithIt) {
    std::vector<std::string> created;
    std::vector<std::string> secondListener;
    const int first = TsDialogHook::AddWindowCreatingHandler([&](HWND, const CREATESTRUCTA& create) {
        // Only the test's own windows: the system may make others meanwhile.
        if (create.lpszName && !IS_INTRESOURCE(create.lpszName) && std::string(create.lpszName).rfind("hook:", 0) == 0)
            created.push_back(create.lpszName);
    });
    const int second = TsDialogHook::AddWindowCreatingHandler([&](HWND, const CREATESTRUCTA& create) {
        if (create.lpszName && !IS_INTRESOURCE(create.lpszName) && std::string(create.lpszName).rfind("hook:", 0) == 0)
            secondListener.push_back(create.lpszName);
    });
    auto makeWindow = [](const char* title) {
        HWND window = CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        DestroyWindow(window);
    };
    auto manager = test::MakeManager();
    EXPECT_FALSE(manager->DialogHookInstalled());
    makeWindow("hook:before");
    manager->SetSkinName(kInternalSkinName);
    EXPECT_TRUE(manager->DialogHookInstalled());
    makeWindow("hook:while skinned");
    manager->SetActive(false);
    EXPECT_FALSE(manager->DialogHookInstalled());
    makeWindow("hook:after");
    manager->SetActive(true);
    EXPECT_TRUE(manager->DialogHookInstalled());
    manager.reset();
    makeWindow("hook:manager gone");
    EXPECT_EQ(created, (std::vector<std::string>{"hook:while skinned"}));
    EXPECT_EQ(secondListener, created) << "every listener hears of each window";

    TsDialogHook::RemoveWindowCreatingHandler(first);
    TsDialogHook::RemoveWindowCreatingHandler(second);
    manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    makeWindow("hook:listeners gone");
    EXPECT_EQ(created.size(), 1u);
    EXPECT_EQ(secondListener.size(), 1u);
}

TEST_F(SkinManagerStateTest, StoredStartUpLoadsWhileLoadingAndAppliesWhenLoaded) {
    // The form is still loading when its manager applies the skin, so it
    // hears of it through its form provider.
    test::FakeFormLink provider(form_);
    form_->BeginLoad();
    TsSkinManager* manager = CreateMainSkinManager(form_);
    EXPECT_TRUE(manager->IsLoading());
    EXPECT_GE(manager->FindSection("BUTTON_HUGE"), 0) << "the skin is read while the form loads";
    EXPECT_FALSE(manager->SkinApplied());
    EXPECT_TRUE(log_.ReceiversOf(SKC_APPLYSKIN).empty());
    EXPECT_FALSE(manager->DialogHookInstalled());
    int activated = 0;
    manager->OnActivate = [&](TObject* sender) {
        EXPECT_EQ(sender, manager);
        ++activated;
    };

    form_->EndLoad();
    EXPECT_TRUE(manager->SkinApplied());
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(log_.ReceiversOf(SKC_APPLYSKIN), (std::vector<std::string>{"form"}));
    EXPECT_EQ(log_.ReceiversOf(SKC_REFRESH).size(), 0u) << "no refresh at start-up";
    EXPECT_EQ(manager->Name(), "sSkinManager1");
    EXPECT_EQ(manager->SkinName(), kInternalSkinName);
    EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(manager->SkinInfo(), "8");
    EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "ICOLINE");
    EXPECT_TRUE(manager->ThirdPartyLists().Contains(tpButtons, "TButton"));
    EXPECT_EQ(manager->ThirdPartyLists().List(tpEdits), (std::vector<std::string>{" "}));
    EXPECT_TRUE(manager->DialogHookInstalled());
    EXPECT_TRUE(messages_.All().empty());
}

TEST_F(SkinManagerStateTest, EmptySettingsGetTheirDefaultsWhenLoaded) {
    form_->BeginLoad();
    auto* manager = new TsSkinManager(form_);
    manager->ThirdParty().SetText(tpButtons, "");
    manager->ThirdParty().SetText(tpPanels, "TPanel\r\nTMyPanel");
    form_->EndLoad();
    EXPECT_EQ(manager->SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "ICOLINE");
    EXPECT_TRUE(manager->ThirdPartyLists().Contains(tpButtons, "TButton"));
    EXPECT_EQ(manager->ThirdPartyLists().List(tpPanels), (std::vector<std::string>{"TPanel", "TMyPanel"}));
    EXPECT_FALSE(manager->ThirdPartyLists().Contains(tpPanels, "tpanel")) << "class names match exactly";
    EXPECT_FALSE(manager->SkinApplied()) << "no skin name, nothing to apply";
}

TEST_F(SkinManagerStateTest, VersionOutsideTheSupportedRangeIsTold) {
    struct Case {
        const char* Version;
        bool TestSwitch;
        std::size_t Messages;  // the check runs twice per load
        TsSkinMessageKind Kind;
    };
    const Case cases[] = {
        {"8.00", false, 0, TsSkinMessageKind::smError},
        {"8.99", false, 0, TsSkinMessageKind::smError},
        {"7", false, 0, TsSkinMessageKind::smError},
        {"9.00", false, 2, TsSkinMessageKind::smWarning},
        {"6.9", false, 0, TsSkinMessageKind::smError},
        {"6.9", true, 2, TsSkinMessageKind::smInformation},
    };
    test::TempFolder temp;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Version) + (c.TestSwitch ? " with /vltest" : ""));
        test::WriteSkinFolder(temp.Path() + "Skins\\Aged", MarkedOptions("AGED", c.Version));
        OverrideProgramArguments(c.TestSwitch ? std::vector<std::string>{"x.pak", "/VLTEST"}
                                              : std::vector<std::string>{});
        test::CaughtMessages caught;
        auto manager = test::MakeManager(temp.Path());
        manager->SetSkinDirectory("Skins");
        std::vector<TvlSkinningRules> rulesDuringMessage;
        TsSkinMessageSink inner = SetSkinMessageSink(nullptr);
        SetSkinMessageSink([&](TsSkinMessageKind kind, const std::string& text) {
            rulesDuringMessage.push_back(manager->SkinningRules());
            inner(kind, text);
        });
        manager->SetSkinName("Aged");
        SetSkinMessageSink(inner);
        OverrideProgramArguments(std::nullopt);

        ASSERT_EQ(caught.All().size(), c.Messages);
        EXPECT_GE(manager->FindSection("AGED"), 0) << "the skin is used all the same";
        EXPECT_EQ(manager->SkinningRules(), kAllSkinningRules);
        for (std::size_t i = 0; i < caught.All().size(); ++i) {
            EXPECT_EQ(caught.All()[i].Kind, c.Kind);
            if (c.Kind == TsSkinMessageKind::smWarning) {
                EXPECT_EQ(caught.All()[i].Text,
                          "This version of the skin have not complete support by used Velour package release.\r\n"
                          "Components must be updated up to latest version for using this skin.");
                EXPECT_EQ(rulesDuringMessage[i], srStdForms | srThirdParty) << "no skinned box for this warning";
            } else {
                EXPECT_NE(caught.All()[i].Text.find("\"Aged\" skin."), std::string::npos);
            }
        }
    }
}

TEST_F(SkinManagerStateTest, ExtendedBordersUseTheBuiltInShadowsWhenTheSkinHasNone) {
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    ASSERT_LT(manager->KnownIndexes().ExtBorderMask, 0) << "the built-in skin has no border mask";
    EXPECT_EQ(manager->ExtBorders().Left, 0);

    log_.Received.clear();
    manager->SetExtendedBorders(true);
    ASSERT_TRUE(manager->ExtendedBorders()) << "layered windows exist here";
    const TsExtBorders& borders = manager->ExtBorders();
    EXPECT_EQ(borders.Left, 9);
    EXPECT_EQ(borders.Top, 9);
    EXPECT_EQ(borders.Right, 9);
    EXPECT_EQ(borders.Bottom, 9);
    ASSERT_FALSE(borders.Active.Empty());
    ASSERT_FALSE(borders.Inactive.Empty());
    const int middle = borders.Active.Width() / 2;
    EXPECT_EQ(borders.Active.Pixel(middle, middle), 0u) << "the window's own area is transparent";
    const uint32_t activeEdge = borders.Active.Pixel(middle, 8);
    const uint32_t inactiveEdge = borders.Inactive.Pixel(middle, 8);
    EXPECT_GT(activeEdge >> 24, inactiveEdge >> 24) << "the active window casts the darker shadow";
    EXPECT_GT(inactiveEdge >> 24, 0u);
    EXPECT_EQ(borders.Active.Pixel(middle, 0), 0u) << "the shadow fades out at the outer edge";
    EXPECT_EQ(log_.Commands(), (std::vector<uint16_t>{SKC_STOPANIMATION, SKC_REFRESH}));

    manager->SetExtendedBorders(false);
    EXPECT_EQ(manager->ExtBorders().Left, 0);
    EXPECT_EQ(manager->ExtBorders().Bottom, 0);
}

TEST_F(SkinManagerStateTest, ExtendedBordersCutFromTheSkinsBorderMask) {
    constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kWhite = 0xFFFFFFFFu;
    // Two state images of 10 x 10 side by side, each with one white pixel at (1, 1).
    TBitmap32 art(20, 10, kRed);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x) art.Pixel(x, y) = kGreen;
    art.Pixel(1, 1) = art.Pixel(11, 1) = kWhite;

    struct Case {
        const char* Label;
        const char* Version;
        int BorderMode;
        int Frames;
        int Inset;
        uint32_t Inactive;  // at (5, 5)
        uint32_t White;     // at (1, 1) of the first image
    };
    const Case cases[] = {
        {"margins less the form offset", "8.00", 0, 2, 6 - 2, kGreen, kWhite},
        {"the form offset alone", "8.00", 1, 2, 2, kGreen, kWhite},
        {"older skin loses its white", "7.5", 0, 2, 4, kGreen, 0},
        {"one frame serves both states", "8.00", 0, 1, 4, kRed, kWhite},
    };
    test::TempFolder temp;
    auto manager = test::MakeManager(temp.Path());
    manager->SetSkinDirectory("Skins");
    manager->SetExtendedBorders(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        const std::string folder = temp.Path() + "Skins\\Bordered";
        test::WriteSkinFolder(folder, std::string("[GLOBALINFO]\r\nVERSION=") + c.Version +
                                          "\r\nFORMOFFSET=2\r\nBORDERMODE=" + std::to_string(c.BorderMode) +
                                          "\r\nEXBORDER=!BORDER.BMP!" + std::to_string(c.Frames) +
                                          "!0!0!6!6!6!6\r\n");
        test::WriteBytes(folder + "\\BORDER.BMP", test::EncodeBmp24(art));
        manager->SetSkinName("Bordered");
        ASSERT_GE(manager->KnownIndexes().ExtBorderMask, 0);
        const TsExtBorders& borders = manager->ExtBorders();
        EXPECT_EQ(borders.Left, c.Inset);
        EXPECT_EQ(borders.Top, c.Inset);
        EXPECT_EQ(borders.Right, c.Inset);
        EXPECT_EQ(borders.Bottom, c.Inset);
        ASSERT_EQ(borders.Active.Height(), 10);
        ASSERT_EQ(borders.Inactive.Width(), borders.Active.Width());
        EXPECT_EQ(borders.Active.Width(), c.Frames == 1 ? 20 : 10);
        EXPECT_EQ(borders.Active.Pixel(5, 5), kRed);
        EXPECT_EQ(borders.Inactive.Pixel(5, 5), c.Inactive);
        EXPECT_EQ(borders.Active.Pixel(1, 1), c.White);
    }
    EXPECT_TRUE(messages_.All().empty());
}

TEST_F(SkinManagerStateTest, CommonSectionsLoseTheirBlanksAndReloadTheSkin) {
    auto manager = test::MakeManager();
    manager->SetSkinName(kInternalSkinName);
    test::EventCounts events;
    events.Attach(*manager);
    manager->SetCommonSections({"; a comment keeps its blanks", "[MY SECTION]", "PARENT CLASS = FORM", ""});
    EXPECT_EQ(manager->CommonSections(),
              (std::vector<std::string>{"; a comment keeps its blanks", "[MYSECTION]", "PARENTCLASS=FORM", ""}));
    EXPECT_EQ(events.AfterChange, 1);
    EXPECT_GE(manager->FindSection("MYSECTION"), 0) << "the overlay became part of the skin";
}

TEST_F(SkinManagerStateTest, HotWindowHearsEnterAndLeave) {
    auto manager = test::MakeManager();
    auto* other = app_.App().CreateForm<TForm>();
    other->HandleNeeded();
    log_.Watch(other, "other");
    manager->SetHotWindow(form_->Handle());
    manager->SetHotWindow(form_->Handle());
    manager->SetHotWindow(other->Handle());
    manager->SetHotWindow(nullptr);
    const LPARAM m = reinterpret_cast<LPARAM>(manager.get());
    EXPECT_EQ(log_.Received, (std::vector<test::ReceivedCommand>{{"form", SKC_MOUSEENTER, m},
                                                                 {"form", SKC_MOUSELEAVE, m},
                                                                 {"other", SKC_MOUSEENTER, m},
                                                                 {"other", SKC_MOUSELEAVE, m}}));
}

}  // namespace
}  // namespace pakmole
