// The per-control skin state: section and manager assignment, the skin
// commands it answers, update nesting, the cache rebuild, and what the
// component layer's notifications do to it.
#include <gtest/gtest.h>

#include <array>

#include "skin/controls/state/sBoundLabel.h"
#include "skin/controls/state/sCommonData.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/BgQuery_win.h"
#include "skin/render/SkinText_win.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/skin/state/SkinnedBox.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/SpeedButton.h"

namespace pakmole {
namespace {

using test::SkinnedBox;

class SkinStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = test::MakeManager();
        manager->SetIsDefault(true);
        manager->SetSkinName(kInternalSkinName);
        ASSERT_TRUE(manager->Active());
        ASSERT_EQ(TsSkinManager::DefaultManager(), manager.get());
        form = app.App().CreateForm<TForm>();
        form->SetClientSize(300, 200);
        box = new SkinnedBox(form);
        box->SetParent(form);
        box->SetBounds(20, 30, 150, 100);
        form->Show();
        ASSERT_TRUE(box->HandleAllocated());
    }
    LRESULT Send(TWinControl* to, uint16_t command, uint16_t low = 0, LPARAM lParam = 0) {
        return SendMessageA(to->Handle(), SKM_COMMAND, SkinCommandParam(command, low), lParam);
    }
    // A skinned box placed inside parent at {left, top, width, height}, with
    // its section and, unless asked otherwise, its window.
    SkinnedBox* AddBox(TWinControl* parent, int32_t kind, const std::array<int, 4>& bounds, const std::string& section,
                       bool withHandle = true) {
        auto* added = new SkinnedBox(form, kind);
        added->SetParent(parent);
        added->SetBounds(bounds[0], bounds[1], bounds[2], bounds[3]);
        added->SkinData.SetSkinSection(section);
        if (withHandle) added->HandleNeeded();
        return added;
    }
    TsSkinModel& Skin() { return manager->Model(); }
    TsGeneralData& SectionNamed(const std::string& name) {
        const int i = manager->FindSection(name);
        EXPECT_GE(i, 0) << name;
        return Skin().Sections.at(static_cast<std::size_t>(i));
    }
    // The first section of the skin whose normal state is an opaque gradient.
    std::string GradientSection() {
        for (const TsGeneralData& s : Skin().Sections)
            if (s.Props[0].Transparency == 0 && s.Props[0].GradientPercent > 0 && s.Props[0].Gradient &&
                !s.Props[0].Gradient->empty() && !s.SectionName.empty())
                return s.SectionName;
        ADD_FAILURE() << "the built-in skin has no gradient section";
        return "";
    }
    // Makes a section fully transparent and without any art of its own.
    void MakeSeeThrough(const std::string& name) {
        TsGeneralData& s = SectionNamed(name);
        for (TsGenState& props : s.Props) {
            props.Transparency = 100;
            props.GradientPercent = props.ImagePercent = 0;
        }
        s.FrameMask = s.CornerTopLeft = s.CornerTopRight = s.CornerBottomLeft = s.CornerBottomRight = -1;
    }

    ComponentPtr<TsSkinManager> manager;
    test::RecordingApplication app;
    TForm* form = nullptr;
    SkinnedBox* box = nullptr;
};

TEST_F(SkinStateTest, SkinSectionIsStoredUpperCasedAndOnlyAChangeActs) {
    struct Step {
        const char* assign;
        const char* stored;
        int command;  // what the placed control hears: 0 nothing
    } steps[] = {
        {"edit", "EDIT", SKC_REFRESH},
        {"EDIT", "EDIT", 0},
        {"edit", "EDIT", 0},
        {"NoSuchSection", "NOSUCHSECTION", SKC_REMOVESKIN},
        {"", "UNKNOWN", SKC_REMOVESKIN},
        {"button", "BUTTON", SKC_REFRESH},
    };
    for (const Step& step : steps) {
        box->Commands.clear();
        box->SkinData.PaintSuspended = false;
        box->SkinData.SetSkinSection(step.assign);
        EXPECT_EQ(box->SkinData.SkinSection(), step.stored) << step.assign;
        EXPECT_EQ(box->SkinData.SectionIndex, manager->FindSection(step.stored)) << step.assign;
        if (step.command == 0) {
            EXPECT_TRUE(box->Commands.empty()) << step.assign;
        } else {
            ASSERT_EQ(box->Commands.size(), 1u) << step.assign;
            EXPECT_EQ(box->Commands[0].Code, step.command) << step.assign;
            EXPECT_EQ(box->Commands[0].LParam, reinterpret_cast<LPARAM>(manager.get()));
        }
    }
}

TEST_F(SkinStateTest, SkinManagerAssignment) {
    auto other = test::MakeManager();
    other->SetSkinName(kInternalSkinName);
    box->SkinData.SetSkinSection("EDIT");
    struct Step {
        TsSkinManager* assign;
        TsSkinManager* stored;
        TsSkinManager* inEffect;
    } steps[] = {
        {manager.get(), nullptr, manager.get()},  // the default manager itself stores none
        {other.get(), other.get(), other.get()},
        {nullptr, nullptr, manager.get()},
        {manager.get(), nullptr, manager.get()},
    };
    for (const Step& step : steps) {
        box->Commands.clear();
        box->SkinData.SetSkinManager(step.assign);
        EXPECT_EQ(box->SkinData.SkinManager(), step.stored);
        EXPECT_EQ(box->SkinData.ManagerInEffect(), step.inEffect);
        EXPECT_EQ(box->SkinData.SectionIndex, step.inEffect->FindSection("EDIT"));
    }
    // A real change refreshes the placed control with the new manager in lParam.
    box->Commands.clear();
    box->SkinData.SetSkinManager(other.get());
    ASSERT_EQ(box->Commands.size(), 1u);
    EXPECT_EQ(box->Commands[0].Code, SKC_REFRESH);
    EXPECT_EQ(box->Commands[0].LParam, reinterpret_cast<LPARAM>(other.get()));
    box->SkinData.SetSkinManager(nullptr);
}

TEST_F(SkinStateTest, CommandReplies) {
    box->SkinData.SetSkinSection("EDIT");
    const int edit = manager->FindSection("EDIT");
    ASSERT_GE(edit, 0);

    EXPECT_EQ(Send(box, SKC_ISSKINNED), 1);
    int32_t index = -1;
    EXPECT_EQ(Send(box, SKC_GETSKININDEX, 0, reinterpret_cast<LPARAM>(&index)), 1);
    EXPECT_EQ(index, edit);
    EXPECT_EQ(Send(box, SKC_GETSKINDATA),
              reinterpret_cast<LRESULT>(static_cast<TsSkinStateCore*>(&box->SkinData)));
    EXPECT_EQ(Send(box, SKC_GETPROVIDER), 0);

    // Stale until the cache is prepared; updating while suspended.
    box->SkinData.BackgroundStale = true;
    EXPECT_EQ(Send(box, SKC_ISUPDATING), 1);
    Send(box, SKC_PREPARECACHE);
    EXPECT_FALSE(box->SkinData.BackgroundStale);
    EXPECT_EQ(Send(box, SKC_ISUPDATING), 0);
    Send(box, SKC_SETUPDATING, 1);
    EXPECT_EQ(Send(box, SKC_ISUPDATING), 1);
    Send(box, SKC_SETUPDATING, 0);
    EXPECT_FALSE(box->SkinData.PaintSuspended);
    Send(box, SKC_SETBGCHANGED);
    EXPECT_TRUE(box->SkinData.BackgroundStale);

    HDC printer = reinterpret_cast<HDC>(0x1234);
    Send(box, SKC_SETPRINTDC, 0, reinterpret_cast<LPARAM>(printer));
    EXPECT_NE(box->SkinData.StateBits & sbPrinting, 0);
    EXPECT_EQ(box->SkinData.PrintTarget, printer);
    Send(box, SKC_SETPRINTDC, 0, 0);
    EXPECT_EQ(box->SkinData.StateBits & sbPrinting, 0);

    EXPECT_EQ(Send(box, SKC_UPDATEFLATBG, 0, 1), box->SkinData.StateBits);

    // The opaque, plain section colour is what the children see behind them.
    const TsGeneralData& section = Skin().Sections[static_cast<std::size_t>(edit)];
    if (section.Props[0].Transparency == 0) {
        EXPECT_EQ(Send(box, SKC_GETBGCOLOR, 0, 0xFF00FF), section.Props[0].Color);
    }

    // Commands that name a manager are for that manager's controls only.
    auto other = test::MakeManager();
    Send(box, SKC_REMOVESKIN, 0, reinterpret_cast<LPARAM>(other.get()));
    EXPECT_EQ(box->SkinData.SectionIndex, edit);
    box->SkinData.BuildCache(0);
    ASSERT_FALSE(box->SkinData.CacheBitmap->Empty());
    Send(box, SKC_REMOVESKIN, 0, reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_EQ(box->SkinData.SectionIndex, -1);
    EXPECT_EQ(box->SkinData.FrameMaskIndex, -1);
    EXPECT_TRUE(box->SkinData.PaintSuspended);
    EXPECT_TRUE(box->SkinData.CacheBitmap->Empty());
    EXPECT_EQ(Send(box, SKC_ISSKINNED), 0);
    Send(box, SKC_APPLYSKIN, 0, reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_EQ(box->SkinData.SectionIndex, edit);
}

TEST_F(SkinStateTest, DropCacheEmptiesTheCachesDownTheTree) {
    box->SkinData.SetSkinSection("PANEL");
    auto* inner = AddBox(box, ckPanel, {5, 5, 40, 30}, "BUTTON");
    box->SkinData.BuildCache(0);
    inner->SkinData.BuildCache(0);
    ASSERT_FALSE(inner->SkinData.CacheBitmap->Empty());
    Send(box, SKC_DROPCACHE);
    EXPECT_TRUE(box->SkinData.CacheBitmap->Empty());
    EXPECT_TRUE(inner->SkinData.CacheBitmap->Empty());
    EXPECT_TRUE(inner->SkinData.BackgroundStale);
    EXPECT_TRUE(inner->SkinData.PaintSuspended);
}

TEST_F(SkinStateTest, UpdatesNestAndTellTheOwner) {
    box->SkinData.SetSkinSection("PANEL");
    box->Commands.clear();
    box->SkinData.BeginUpdate();
    box->SkinData.BeginUpdate();
    EXPECT_TRUE(box->SkinData.PaintSuspended);
    EXPECT_NE(box->SkinData.StateBits & sbUpdating, 0);
    box->SkinData.EndUpdate(false);
    EXPECT_TRUE(box->SkinData.PaintSuspended) << "the outer update still holds";
    EXPECT_FALSE(box->Received(SKC_ENDUPDATE));
    box->SkinData.EndUpdate(true);
    EXPECT_FALSE(box->SkinData.PaintSuspended);
    EXPECT_EQ(box->SkinData.StateBits & sbUpdating, 0);
    EXPECT_EQ(box->SkinData.UpdateDepth, 0);
    std::vector<uint16_t> codes;
    for (const auto& c : box->Commands) codes.push_back(c.Code);
    EXPECT_EQ(codes, (std::vector<uint16_t>{SKC_BEGINUPDATE, SKC_BEGINUPDATE, SKC_ENDUPDATE}));
    EXPECT_TRUE(box->SkinData.BackgroundStale);
}

TEST_F(SkinStateTest, AChildIsUpdatingWhileItsParentIs) {
    box->SkinData.SetSkinSection(GradientSection());
    auto* inner = AddBox(box, ckButton, {5, 5, 40, 30}, "BUTTON");
    box->SkinData.BackgroundStale = false;
    box->SkinData.PaintSuspended = false;
    EXPECT_FALSE(inner->SkinData.IsUpdating());
    box->SkinData.PaintSuspended = true;
    EXPECT_TRUE(inner->SkinData.IsUpdating());
    EXPECT_TRUE(inner->SkinData.CheckUpdating(true));
    EXPECT_TRUE(inner->SkinData.PaintSuspended);
    box->SkinData.PaintSuspended = false;
    EXPECT_FALSE(inner->SkinData.CheckUpdating(true));
    EXPECT_FALSE(inner->SkinData.PaintSuspended);
}

TEST_F(SkinStateTest, CacheRebuildPaintsWhatPaintControlPaints) {
    box->SkinData.SetSkinSection(GradientSection());
    auto* child = AddBox(box, ckButton, {12, 9, 70, 26}, "BUTTON");

    // The parent's picture is not there yet: the child waits.
    EXPECT_FALSE(child->SkinData.BuildCache(0));
    EXPECT_TRUE(child->SkinData.PaintSuspended);
    EXPECT_TRUE(child->SkinData.BackgroundStale);

    ASSERT_TRUE(box->SkinData.BuildCache(0));
    EXPECT_FALSE(box->SkinData.BackgroundStale);
    child->SkinData.PaintSuspended = false;
    for (int state : {0, 1}) {
        child->SkinData.BackgroundStale = true;
        ASSERT_TRUE(child->SkinData.BuildCache(state));
        EXPECT_FALSE(child->SkinData.BackgroundStale);

        TBgQuery query;
        GetParentBg(query, box, false);
        ASSERT_EQ(query.BgKind, bgkBitmap);
        ASSERT_EQ(query.Bitmap, box->SkinData.CacheBitmap.get());
        TBitmap32 expected(70, 26);
        PaintControl(child->SkinData.PaintData(), BgSourceOfQuery(query), false, expected, TPoint32{12, 9},
                     TRect32{0, 0, 70, 26}, state);
        EXPECT_EQ(child->SkinData.CacheBitmap->Pixels(), expected.Pixels()) << "state " << state;
    }
    // A fresh cache is not painted again.
    child->SkinData.CacheBitmap->Pixel(0, 0) = 0x12345678;
    EXPECT_TRUE(child->SkinData.BuildCache(0));
    EXPECT_EQ(child->SkinData.CacheBitmap->Pixel(0, 0), 0x12345678u);
}

TEST_F(SkinStateTest, ASeeThroughControlShowsItsParentsCache) {
    box->SkinData.SetSkinSection(GradientSection());
    MakeSeeThrough("BUTTON");
    auto* child = AddBox(box, ckButton, {30, 40, 50, 20}, "BUTTON");
    ASSERT_TRUE(box->SkinData.BuildCache(0));
    ASSERT_TRUE(child->SkinData.BuildCache(0));
    const TBitmap32& parent = *box->SkinData.CacheBitmap;
    const TBitmap32& own = *child->SkinData.CacheBitmap;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 50; ++x) ASSERT_EQ(own.Pixel(x, y), parent.Pixel(30 + x, 40 + y)) << x << "," << y;
}

TEST_F(SkinStateTest, ASeeThroughControlWithoutCachePassesTheQuestionOnWithItsPosition) {
    box->SkinData.SetSkinSection(GradientSection());
    ASSERT_TRUE(box->SkinData.BuildCache(0));
    MakeSeeThrough("BUTTON");
    auto* child = AddBox(box, ckButton, {30, 40, 50, 20}, "BUTTON", false);
    child->SkinData.CacheBitmap.reset();
    TBgQuery query;
    query.OffsetX = 3, query.OffsetY = 4;
    child->SkinData.GetBgInfo(query, 0);
    EXPECT_EQ(query.BgKind, bgkBitmap);
    EXPECT_EQ(query.Bitmap, box->SkinData.CacheBitmap.get());
    EXPECT_EQ(query.OffsetX, 33);
    EXPECT_EQ(query.OffsetY, 44);
}

TEST_F(SkinStateTest, EnablingAndShowingMakeTheCacheStale) {
    box->SkinData.SetSkinSection("PANEL");
    auto* inner = AddBox(box, ckButton, {5, 5, 40, 30}, "BUTTON");
    ASSERT_TRUE(box->SkinData.BuildCache(0));
    ASSERT_TRUE(inner->SkinData.BuildCache(0));

    box->SkinData.MouseOver = box->SkinData.HasFocus = true;
    box->SetEnabled(false);
    EXPECT_TRUE(box->SkinData.BackgroundStale);
    EXPECT_FALSE(box->SkinData.MouseOver);
    EXPECT_FALSE(box->SkinData.HasFocus);

    ASSERT_TRUE(box->SkinData.BuildCache(0));
    box->SetVisible(false);
    EXPECT_TRUE(box->SkinData.BackgroundStale);
    EXPECT_TRUE(box->SkinData.CacheBitmap->Empty());
    EXPECT_TRUE(inner->SkinData.CacheBitmap->Empty()) << "children drop their caches too";
    box->SkinData.PaintSuspended = true;
    box->SetVisible(true);
    EXPECT_FALSE(box->SkinData.PaintSuspended);
}

TEST_F(SkinStateTest, ADisabledControlGetsTheDisabledLook) {
    box->SkinData.SetSkinSection(GradientSection());
    auto* child = AddBox(box, ckButton, {12, 9, 70, 26}, "BUTTON");
    ASSERT_TRUE(box->SkinData.BuildCache(0));
    ASSERT_TRUE(child->SkinData.BuildCache(0));
    TBitmap32 enabled = *child->SkinData.CacheBitmap;
    child->SetEnabled(false);
    ASSERT_TRUE(child->SkinData.BuildCache(0));
    TBitmap32 expected = enabled;
    TBgQuery query;
    GetParentBg(query, box, false);
    PaintDisabledBlended(expected, BgSourceOfQuery(query), TPoint32{12, 9}, 0);
    EXPECT_EQ(child->SkinData.CacheBitmap->Pixels(), expected.Pixels());
    EXPECT_NE(expected.Pixels(), enabled.Pixels());
}

TEST_F(SkinStateTest, EveryEditKindCodeIsEditLikeAndNoOtherIs) {
    const struct {
        int32_t kind;
        bool editLike;
    } cases[] = {
        {3, true}, {132, true}, {133, true}, {134, true}, {138, true}, {231, true},
        {ckButton, false}, {ckPanel, false}, {ckAdapterItem, false}, {ckFormProvider, false}, {1, false},
    };
    const TsGeneralData& section = SectionNamed("EDIT");
    for (const auto& c : cases) {
        auto* control = AddBox(form, c.kind, {10, 150, 120, 21}, "EDIT");
        control->SetColor(0x0000FF);
        control->Perform(WM_SETFOCUS);
        EXPECT_EQ(control->Color() == section.Props[1].Color, c.editLike) << c.kind;
        control->Free();
    }
}

TEST_F(SkinStateTest, EditLikeControlsTakeTheHotColourWhileFocused) {
    auto* edit = AddBox(form, ckEdit, {10, 150, 120, 21}, "EDIT");
    const TsGeneralData& section = SectionNamed("EDIT");
    ASSERT_GE(section.States, 2);
    struct Case {
        bool customColor;
        int32_t focused, unfocused;
    } cases[] = {
        {false, section.Props[1].Color, section.Props[0].Color},
        {true, 0x0000FF, 0x0000FF},
    };
    for (const Case& c : cases) {
        edit->SkinData.CustomColor = c.customColor;
        edit->SetColor(0x0000FF);
        edit->Perform(WM_SETFOCUS);
        EXPECT_TRUE(edit->SkinData.HasFocus);
        EXPECT_EQ(edit->SkinData.PaintState(), 1);
        EXPECT_EQ(edit->Color(), c.focused);
        edit->Perform(WM_KILLFOCUS);
        EXPECT_FALSE(edit->SkinData.HasFocus);
        EXPECT_EQ(edit->SkinData.PaintState(), 0);
        EXPECT_EQ(edit->Color(), c.unfocused);
    }
}

TEST_F(SkinStateTest, MovingAControlThatShowsItsParentTellsIt) {
    box->SkinData.SetSkinSection(GradientSection());
    MakeSeeThrough("BUTTON");
    auto* child = AddBox(box, ckButton, {30, 40, 50, 20}, "BUTTON");
    ASSERT_TRUE(child->SkinData.DependsOnParent());
    child->SkinData.BackgroundStale = false;
    child->Commands.clear();
    child->SetBounds(35, 40, 50, 20);
    EXPECT_TRUE(child->SkinData.BackgroundStale);
    EXPECT_TRUE(child->Received(SKC_PARENTBGCHANGED));

    // An opaque control on a plain parent does not depend on it.
    box->SkinData.SetSkinSection("PANEL");
    auto* solid = AddBox(box, ckButton, {5, 5, 20, 20}, "EDIT");
    for (TsGenState& props : SectionNamed("EDIT").Props) props.Transparency = 0;
    EXPECT_FALSE(solid->SkinData.DependsOnParent());
    solid->Commands.clear();
    solid->SetBounds(6, 5, 20, 20);
    EXPECT_FALSE(solid->Received(SKC_PARENTBGCHANGED));
}

TEST_F(SkinStateTest, TextOverATransparentPanelFollowsTheSectionBehindIt) {
    // form > box (outer section) > panel (panel section) > the control asking.
    const std::string outerName = "EDIT", panelName = "PANEL", ownName = "BUTTON";
    const int outer = manager->FindSection(outerName), panelIndex = manager->FindSection(panelName);
    const int own = manager->FindSection(ownName);
    ASSERT_GE(outer, 0);
    ASSERT_GE(panelIndex, 0);
    ASSERT_GE(own, 0);
    box->SkinData.SetSkinSection(outerName);
    auto* panel = AddBox(box, ckPanel, {5, 5, 100, 60}, panelName, false);
    auto* control = new SkinnedBox(form, ckButton);
    control->SetParent(panel);
    control->SetBounds(5, 5, 40, 20);

    TsGeneralData& outerSection = SectionNamed(outerName);
    TsGeneralData& panelSection = SectionNamed(panelName);
    for (TsGenState& props : outerSection.Props) props.Transparency = 0;
    panelSection.FrameMask = -1;  // a frame that does not paint the centre
    struct Case {
        const char* name;
        int panelTransparency;
        bool panelOwnFont, outerOwnFont;
        int expected;
    } cases[] = {
        {"see-through panel, outer gives its font", 100, true, true, outer},
        {"see-through panel, outer keeps it", 100, true, false, own},
        {"half panel gives its font", 50, true, true, panelIndex},
        {"half panel keeps it", 50, false, true, own},
        {"opaque panel", 0, true, true, panelIndex},
    };
    for (const Case& c : cases) {
        for (TsGenState& props : panelSection.Props) props.Transparency = c.panelTransparency;
        panelSection.GiveOwnFont = c.panelOwnFont;
        outerSection.GiveOwnFont = c.outerOwnFont;
        EXPECT_EQ(BackgroundSectionOf(control, own, manager.get(), 0), c.expected) << c.name;
    }
    // A frame mask that paints its centre makes even a see-through panel opaque.
    for (int i = 0; i < static_cast<int>(Skin().Masks.size()); ++i)
        if (Skin().Masks[static_cast<std::size_t>(i)].PaintFlags & 4) {
            panelSection.FrameMask = i;
            break;
        }
    if (panelSection.FrameMask >= 0) {
        for (TsGenState& props : panelSection.Props) props.Transparency = 100;
        panelSection.GiveOwnFont = true;
        EXPECT_EQ(BackgroundSectionOf(control, own, manager.get(), 0), panelIndex);
    }
}

TEST_F(SkinStateTest, EnteringAControlReleasesPressedSpeedButtonsBesideIt) {
    struct Case {
        const char* section;
        bool released;  // only a skinned control releases its siblings
    } cases[] = {{"EDIT", true}, {"NoSuchSection", false}};
    for (const Case& c : cases) {
        box->SkinData.SetSkinSection(c.section);
        auto* sibling = new TSpeedButton(form);
        sibling->SetParent(form);
        sibling->SetBounds(200, 30, 23, 22);
        auto* inside = new TSpeedButton(form);  // a child of the control, not a sibling
        inside->SetParent(box);
        auto* resting = new TSpeedButton(form);
        resting->SetParent(form);
        resting->SetBounds(230, 30, 23, 22);
        for (TSpeedButton* b : {sibling, inside}) {
            b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            ASSERT_TRUE(b->Down()) << c.section;
        }

        box->Perform(CM_MOUSEENTER, 0, 0);
        EXPECT_EQ(sibling->Down(), !c.released) << c.section;
        EXPECT_TRUE(inside->Down()) << c.section;
        EXPECT_FALSE(resting->Down()) << c.section;
        EXPECT_EQ(resting->ButtonState(), TButtonState::bsUp) << c.section;
        // A released button stays up while the mouse moves over it again.
        sibling->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
        EXPECT_EQ(sibling->Down(), !c.released) << c.section;
        sibling->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        inside->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        for (TSpeedButton* b : {sibling, inside, resting}) b->Free();
    }
}

TEST_F(SkinStateTest, AFormDrawnWithABorderWindowHasNoFlatBackground) {
    // A plain section: opaque, no gradient, texture, corners or frame.
    TsGeneralData& plain = SectionNamed("EDIT");
    for (TsGenState& props : plain.Props) {
        props.Transparency = 0;
        props.GradientPercent = props.ImagePercent = 0;
    }
    plain.FrameMask = plain.CornerTopLeft = plain.CornerTopRight = plain.CornerBottomLeft = plain.CornerBottomRight = -1;
    const HWND someWindow = form->Handle();

    struct Case {
        bool provider;
        HWND borderWindow;
        bool flat;
    } cases[] = {
        {true, nullptr, true},
        {true, someWindow, false},
        {false, someWindow, true},  // only a form provider has a border window of its own
    };
    for (const Case& c : cases) {
        TsCommonData state(form, false);
        state.ControlKind = ckPanel;
        if (c.provider) state.ProviderForm = form;
        state.BorderWindow = c.borderWindow;
        state.SetSkinSection("EDIT");
        ASSERT_TRUE(state.Skinned()) << c.provider;
        EXPECT_EQ(state.FlatBg(), c.flat) << c.provider << " " << c.borderWindow;
        EXPECT_EQ(state.StateBits & sbNotComputed, 0) << c.provider;
        // Losing the border window makes the form flat again at the next recomputation.
        state.BorderWindow = nullptr;
        state.UpdateFlatBg();
        EXPECT_TRUE(state.FlatBg()) << c.provider;
    }
}

TEST_F(SkinStateTest, ABoundLabelTakesItsColourFromTheSkinWhenAsked) {
    const int32_t ownColour = 0x0000C0, paletteColour = 0x123456, panelColour = 0x654321;
    Skin().Palette[pcLabelText] = paletteColour;
    TsGeneralData& panelSection = SectionNamed("EDIT");
    panelSection.GiveOwnFont = true;
    panelSection.Props[0].FontColor = panelColour;
    panelSection.Props[0].Transparency = 0;

    // On the plain form, and inside a skinned panel whose section gives its own font.
    box->SkinData.SetSkinSection("EDIT");
    auto* onForm = new SkinnedBox(form, ckEdit);
    onForm->SetParent(form);
    onForm->SetBounds(240, 100, 50, 21);
    auto* inPanel = new SkinnedBox(form, ckEdit);
    inPanel->SetParent(box);
    inPanel->SetBounds(80, 40, 50, 21);

    struct Case {
        const char* name;
        SkinnedBox* control;
        const char* section;
        bool useSkinColor;
        int32_t colour;
    } cases[] = {
        {"own colour", onForm, "BUTTON", false, ownColour},
        {"palette", onForm, "BUTTON", true, paletteColour},
        {"section behind", inPanel, "BUTTON", true, panelColour},
        {"unskinned control", inPanel, "NoSuchSection", true, ownColour},
    };
    for (const Case& c : cases) {
        c.control->SkinData.SetSkinSection(c.section);
        TsBoundLabel bound(c.control);
        bound.Font().SetColor(ownColour);
        bound.SetUseSkinColor(c.useSkinColor);
        bound.SetActive(true);
        ASSERT_NE(bound.Label(), nullptr) << c.name;
        EXPECT_EQ(bound.Label()->Font().Color(), c.colour) << c.name;
        // Switching it over later acts at once, both ways.
        bound.SetUseSkinColor(!c.useSkinColor);
        bound.SetUseSkinColor(c.useSkinColor);
        EXPECT_EQ(bound.Label()->Font().Color(), c.colour) << c.name;
        bound.SetActive(false);
    }

    // The skin taken away from the control: the label's own colour returns.
    TsBoundLabel bound(onForm);
    bound.Font().SetColor(ownColour);
    bound.SetUseSkinColor(true);
    bound.SetActive(true);
    EXPECT_EQ(bound.Label()->Font().Color(), paletteColour);
    onForm->SkinData.SetSkinSection("NoSuchSection");
    bound.UpdateSkinColor();
    EXPECT_EQ(bound.Label()->Font().Color(), ownColour);
    bound.SetActive(false);
}

}  // namespace
}  // namespace pakmole
