// Speed buttons (controls without a window) on a skinned form, painted by
// their handler from "SPEEDBUTTON" (or "SPEEDBUTTON_SMALL" when flat) in the
// normal, hot, pressed and disabled looks; the caption moves one pixel right
// and down while pressed; the button keeps working and is given back whole.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "skin/controls/provider/vlCtrlAdapter.h"
#include "skin/manager/sThirdParty.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "ui/SpeedButton.h"

namespace pakmole::test {
namespace {

class SpeedButtons : public AdapterFixture {
protected:
    void SetUp() override {
        AdapterFixture::SetUp();
        plain = Add(190, 20, 70, 26, false);
        flat = Add(190, 60, 40, 24, true);
        plain->OnClick = [this](TObject*) { ++speedClicks; };
        // The lists are read when the manager is loaded: name the class and load again.
        manager->BeginLoad();
        manager->ThirdParty().SetText(tpSpeedButton, "TSpeedButton");
        manager->EndLoad();
        Settle();
    }
    TSpeedButton* Add(int left, int top, int width, int height, bool isFlat) {
        auto* b = new TSpeedButton(form);
        b->SetParent(form);
        b->SetBounds(left, top, width, height);
        b->SetFlat(isFlat);
        return b;
    }
    TvlGraphItem* ItemOf(const TSpeedButton* button) const {
        TvlCtrlAdapter* registry = provider->Adapter();
        if (!registry) return nullptr;
        for (int i = 0; i < registry->GraphItemCount(); ++i)
            if (registry->GetGraphItem(i)->Control == button) return registry->GetGraphItem(i);
        return nullptr;
    }
    RECT ScreenRect(const TSpeedButton* button) const {
        POINT origin{button->Left(), button->Top()};
        ClientToScreen(form->Handle(), &origin);
        return RECT{origin.x, origin.y, origin.x + button->Width(), origin.y + button->Height()};
    }
    TBitmap32 Shown(const TSpeedButton* button) const { return GrabScreen(ScreenRect(button)); }
    TBitmap32 Skin(const TSpeedButton* button, const char* section, int state) const {
        return SkinSectionPicture(*manager, section, button->Width(), button->Height(),
                                  POINT{button->Left(), button->Top()}, state, FormColor());
    }
    int32_t FormColor() const { return static_cast<int32_t>(ColorToRGB(form->Color())); }
    // Pixels of the whole button unlike expected, once they reach 0 or time runs out.
    int SettledDifferences(const TSpeedButton* button, const TBitmap32& expected) const {
        int differences = 0;
        PumpUntil(
            [&] {
                const TBitmap32 shown = Shown(button);
                differences = FrameDifferences(shown, expected) + CaptionDifferences(shown, expected);
                return differences == 0;
            },
            2000);
        return differences;
    }
    void PointerOn(const TSpeedButton* button) {
        const RECT r = ScreenRect(button);
        MovePointer(POINT{r.left + 5, r.top + 5});
    }
    static void LeftButton(bool down) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        SendInput(1, &input, sizeof(input));
        PumpFor(80);
    }

    TSpeedButton* plain = nullptr;
    TSpeedButton* flat = nullptr;
    int speedClicks = 0;
};

TEST_F(SpeedButtons, EachLookIsTheSkinsPictureOfItsSection) {
    ASSERT_NE(ItemOf(plain), nullptr);
    ASSERT_NE(ItemOf(flat), nullptr);
    EXPECT_EQ(ItemOf(plain)->SkinData->SkinSection(), "SPEEDBUTTON");
    EXPECT_EQ(ItemOf(flat)->SkinData->SkinSection(), "SPEEDBUTTON_SMALL");
    struct Case {
        const char* name;
        TSpeedButton* button;
        const char* section;
        std::function<void()> enter, leave;
        int state;
    } cases[] = {
        {"rest", plain, "SPEEDBUTTON", [] {}, [] {}, 0},
        {"hot", plain, "SPEEDBUTTON", [this] { PointerOn(plain); }, [this] { PointerAway(); }, 1},
        {"pressed", plain, "SPEEDBUTTON", [this] { PointerOn(plain); LeftButton(true); },
         [this] { LeftButton(false); PointerAway(); }, 2},
        {"flat at rest", flat, "SPEEDBUTTON_SMALL", [] {}, [] {}, 0},
        {"flat hot", flat, "SPEEDBUTTON_SMALL", [this] { PointerOn(flat); }, [this] { PointerAway(); }, 1},
        {"flat pressed", flat, "SPEEDBUTTON_SMALL", [this] { PointerOn(flat); LeftButton(true); },
         [this] { LeftButton(false); PointerAway(); }, 2},
    };
    for (const Case& c : cases) {
        // The looks differ, so matching one is telling.
        ASSERT_GT(FrameDifferences(Skin(c.button, c.section, 0), Skin(c.button, c.section, 1)), 0) << c.name;
        ASSERT_GT(FrameDifferences(Skin(c.button, c.section, 1), Skin(c.button, c.section, 2)), 0) << c.name;
        c.enter();
        Settle();
        EXPECT_EQ(SettledDifferences(c.button, Skin(c.button, c.section, c.state)), 0) << c.name;
        SaveShot(Shown(c.button), (std::string("speed-") + std::to_string(&c - cases)).c_str());
        c.leave();
        Settle();
    }
    EXPECT_EQ(speedClicks, 1);
    EXPECT_EQ(SettledDifferences(plain, Skin(plain, "SPEEDBUTTON", 0)), 0);
}

// A speed button whose memory, once freed, is wiped and kept until the test
// looks at it: a later use by the skin either writes into it or calls through
// its wiped table (which ends the program).
class WipedOnFree : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    static void operator delete(void* p, std::size_t size) {
        std::memset(p, 0, size);
        Kept().emplace_back(p, size);
    }
    static std::vector<std::pair<void*, std::size_t>>& Kept() {
        static std::vector<std::pair<void*, std::size_t>> kept;
        return kept;
    }
};

// A form frees its speed buttons (the last made first) before the provider
// made ahead of them, without telling the provider: its registry must not
// give the freed buttons their message chain back.
TEST_F(SpeedButtons, AFormFreedWithItsSkinnedSpeedButtonsLeavesTheirMemoryAlone) {
    auto* late = new WipedOnFree(form);
    late->SetParent(form);
    late->SetBounds(20, 120, 60, 24);
    manager->BeginLoad();
    manager->EndLoad();
    Settle();
    ASSERT_NE(ItemOf(late), nullptr);
    form->Free();
    form = nullptr;
    provider = nullptr;
    ASSERT_EQ(WipedOnFree::Kept().size(), 1u);
    const auto [memory, size] = WipedOnFree::Kept().front();
    const auto* bytes = static_cast<const unsigned char*>(memory);
    EXPECT_EQ(std::count(bytes, bytes + size, 0), static_cast<std::ptrdiff_t>(size)) << "the freed button was written to";
    ::operator delete(memory);
    WipedOnFree::Kept().clear();
}

// The form tells its children the client part of its window image as what
// lies behind them: the disabled look takes 60 percent of that picture and
// 40 percent of the normal look, d' = round(p - (p - d) * 0.4).
TEST_F(SpeedButtons, DisabledTheNormalLookFadesTowardTheFormsPicture) {
    plain->SetEnabled(false);
    PointerOn(plain);
    Settle();
    const TBitmap32* image = provider->WindowImage();
    ASSERT_NE(image, nullptr);
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    const int ox = origin.x - window.left + plain->Left(), oy = origin.y - window.top + plain->Top();
    TBitmap32 expected = SectionPicture(*manager, "SPEEDBUTTON", plain->Width(), plain->Height(),
                                        POINT{plain->Left(), plain->Top()}, 0,
                                        BgSourceOfBitmap(image, origin.x - window.left, origin.y - window.top));
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x) {
            const uint32_t p = image->Pixel(ox + x, oy + y), d = expected.Pixel(x, y);
            uint32_t mixed = d & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const double pc = (p >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                mixed |= static_cast<uint32_t>(std::nearbyint(pc - (pc - dc) * 0.4)) << shift;
            }
            expected.Pixel(x, y) = mixed;
        }
    EXPECT_EQ(SettledDifferences(plain, expected), 0);
}

TEST_F(SpeedButtons, TheCaptionIsWrittenAndMovesOnePixelWhenPressed) {
    plain->SetCaption("Go");
    Settle();
    const TBitmap32 rest = Shown(plain);
    EXPECT_GT(CaptionDifferences(rest, Skin(plain, "SPEEDBUTTON", 0)), 10);
    PointerOn(plain);
    LeftButton(true);
    Settle();
    const TBitmap32 pressed = Shown(plain);
    SaveShot(rest, "speed-caption");
    SaveShot(pressed, "speed-caption-pressed");
    SaveShot(GrabWindow(form->Handle()), "speed-form-pressed");
    LeftButton(false);
    PointerAway();
    const RECT a = InkBox(rest, Skin(plain, "SPEEDBUTTON", 0));
    const RECT b = InkBox(pressed, Skin(plain, "SPEEDBUTTON", 2));
    EXPECT_EQ(b.left - a.left, 1);
    EXPECT_EQ(b.top - a.top, 1);
}

TEST_F(SpeedButtons, TheButtonFreedFirstOrTheRegistryFreedFirstLeaveNothingBroken) {
    ASSERT_NE(ItemOf(flat), nullptr);
    const TSpeedButton* gone = flat;
    flat->Free();
    flat = nullptr;
    PumpFor(30);
    EXPECT_EQ(ItemOf(gone), nullptr);
    // The form without its provider: the plain button paints itself again and still clicks.
    const TBitmap32 skinned = Shown(plain);
    provider->Free();
    provider = nullptr;
    form->Invalidate();
    PumpFor(100);
    EXPECT_GT(FrameDifferences(Shown(plain), skinned), 0);
    PointerOn(plain);
    LeftButton(true);
    LeftButton(false);
    EXPECT_EQ(speedClicks, 1);
    EXPECT_TRUE(app.Errors().empty());
}

}  // namespace
}  // namespace pakmole::test
