// The caption label of edit-like controls: where each layout puts it, how
// switching it on and off creates and frees it, and how a width limit wraps it.
#include <gtest/gtest.h>

#include "skin/controls/state/sBoundLabel.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/WinControl.h"

namespace pakmole {
namespace {

TEST(BoundLabelPosition, EveryLayout) {
    // Control at (100, 50), 80 x 20; label 30 x 10; indent 6.
    const RECT control{100, 50, 180, 70};
    struct Case {
        TsCaptionLayout layout;
        int left, top;
    } cases[] = {
        {TsCaptionLayout::sclLeft, 100 - 30 - 6 - 4, 55},
        {TsCaptionLayout::sclTopLeft, 100, 50 - 10 - 6},
        {TsCaptionLayout::sclTopCenter, 125, 34},
        {TsCaptionLayout::sclTopRight, 150, 34},
        {TsCaptionLayout::sclLeftTop, 60, 53},
        {TsCaptionLayout::sclBottomLeft, 100, 76},
        {TsCaptionLayout::sclBottomCenter, 125, 76},
        {TsCaptionLayout::sclBottomRight, 150, 76},
    };
    for (const Case& c : cases) {
        const POINT p = BoundLabelPosition(c.layout, control, 30, 10, 6);
        EXPECT_EQ(p.x, c.left) << static_cast<int>(c.layout);
        EXPECT_EQ(p.y, c.top) << static_cast<int>(c.layout);
    }
    // With no indent the label ends 4 pixels left of the control.
    const POINT p = BoundLabelPosition(TsCaptionLayout::sclLeft, control, 30, 10, 0);
    EXPECT_EQ(p.x + 30, 96);
    // Odd differences round toward zero, as integer halves do.
    EXPECT_EQ(BoundLabelPosition(TsCaptionLayout::sclLeft, RECT{0, 0, 10, 21}, 5, 10, 0).y, 5);
}

class Box : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string ClassName() const override { return "TBox"; }
};

TEST(BoundLabel, ActiveCreatesAPlacedLabelAndClearingFreesIt) {
    test::RecordingApplication app;
    TForm* form = app.App().CreateForm<TForm>();
    form->SetClientSize(300, 200);
    auto* edit = new Box(form);
    edit->SetName("edtPath");
    edit->SetParent(form);
    edit->SetBounds(120, 40, 100, 21);
    TsBoundLabel bound(edit);
    bound.SetIndent(2);
    bound.SetActive(true);
    TsEditLabel* label = bound.Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name(), "edtPathLabel");
    EXPECT_EQ(label->Caption(), "edtPath");
    EXPECT_EQ(bound.Caption(), "edtPath");
    EXPECT_EQ(label->Parent(), form);
    EXPECT_EQ(label->FocusControl, edit);
    EXPECT_TRUE(label->Visible());
    EXPECT_GT(label->Width(), 0);
    EXPECT_EQ(label->Left() + label->Width(), 120 - 2 - 4);
    EXPECT_EQ(label->Top(), 40 + (21 - label->Height()) / 2);

    bound.SetLayout(TsCaptionLayout::sclTopLeft);
    EXPECT_EQ(label->Left(), 120);
    EXPECT_EQ(label->Top(), 40 - label->Height() - 2);

    const int before = form->ComponentCount();
    bound.SetActive(false);
    EXPECT_EQ(bound.Label(), nullptr);
    EXPECT_EQ(form->ControlCount(), 1);
    EXPECT_LE(form->ComponentCount(), before);
}

// A form with an edit-sized box at (150, 60) that carries a bound label.
class BoundLabelWidth : public ::testing::Test {
protected:
    void SetUp() override {
        form = app.App().CreateForm<TForm>();
        form->SetClientSize(400, 200);
        edit = new Box(form);
        edit->SetName("edtPath");
        edit->SetParent(form);
        edit->SetBounds(150, 60, 100, 21);
    }
    test::RecordingApplication app;
    TForm* form = nullptr;
    Box* edit = nullptr;
};

TEST_F(BoundLabelWidth, AWidthLimitWrapsTheCaptionAndKeepsItPlaced) {
    const std::string longCaption = "A caption far too long for the room beside the edit";
    struct Case {
        const char* caption;
        int maxWidth;
        bool wraps;
    } cases[] = {
        {"Path", 200, false},         // well under the limit
        {longCaption.c_str(), 0, false},  // no limit
        {longCaption.c_str(), 60, true},
    };
    int oneLine = 0;
    for (const Case& c : cases) {
        TsBoundLabel bound(edit);
        bound.SetCaption(c.caption);
        bound.SetMaxWidth(c.maxWidth);
        bound.SetIndent(3);
        bound.SetActive(true);
        TsEditLabel* label = bound.Label();
        ASSERT_NE(label, nullptr);
        if (oneLine == 0) oneLine = label->Height();
        EXPECT_EQ(label->MaxWidth(), c.maxWidth) << c.caption;
        EXPECT_EQ(label->WordWrap(), c.wraps) << c.caption;
        if (c.maxWidth > 0) {
            EXPECT_LE(label->Width(), c.maxWidth) << c.caption;
        }
        if (c.wraps) {
            EXPECT_GT(label->Height(), oneLine) << "a wrapped caption takes more than one line";
        } else {
            EXPECT_EQ(label->Height(), oneLine) << c.caption;
        }
        if (c.maxWidth == 0) {
            EXPECT_GT(label->Width(), 60) << c.caption;
        }
        // Placed with its final size: right edge 3 + 4 pixels left of the edit, centred on it.
        EXPECT_EQ(label->Left() + label->Width(), 150 - 3 - 4) << c.caption;
        EXPECT_EQ(label->Top(), 60 + (21 - label->Height()) / 2) << c.caption;
        bound.SetActive(false);
    }
}

TEST_F(BoundLabelWidth, TheLimitHoldsForLaterGrowth) {
    TsBoundLabel bound(edit);
    bound.SetCaption("Path");
    bound.SetMaxWidth(70);
    bound.SetActive(true);
    TsEditLabel* label = bound.Label();
    ASSERT_NE(label, nullptr);
    ASSERT_LT(label->Width(), 70);
    // A larger font and a longer caption set on the label itself, not through the bound label.
    label->Font().SetHeight(-24);
    label->SetCaption("Path to the archive to unpack");
    EXPECT_EQ(label->Width(), 70);
    label->SetBounds(label->Left(), label->Top(), 300, label->Height());
    EXPECT_EQ(label->Width(), 70);
    // Lifting the limit lets it grow again.
    label->SetMaxWidth(0);
    label->SetBounds(label->Left(), label->Top(), 300, label->Height());
    EXPECT_EQ(label->Width(), 300);
    bound.SetActive(false);
}

TEST_F(BoundLabelWidth, RaisingTheLimitUnwrapsAShortEnoughCaption) {
    TsBoundLabel bound(edit);
    bound.SetCaption("Archive path");
    bound.SetMaxWidth(30);
    bound.SetActive(true);
    TsEditLabel* label = bound.Label();
    ASSERT_NE(label, nullptr);
    ASSERT_TRUE(label->WordWrap());
    bound.SetMaxWidth(300);
    EXPECT_FALSE(label->WordWrap());
    EXPECT_GT(label->Width(), 30);
    EXPECT_LT(label->Width(), 300 - 4);
    bound.SetActive(false);
}

}  // namespace
}  // namespace pakmole
