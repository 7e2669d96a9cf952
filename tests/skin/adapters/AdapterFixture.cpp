#include "tests/skin/adapters/AdapterFixture.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/sFade_win.h"

namespace pakmole::test {
namespace {

// The caption "Unpack" lies within this box in the middle of the button.
constexpr int kCaptionHalfWidth = 40;

bool InCaptionBox(int x, int y, int width, int height) {
    return x >= width / 2 - kCaptionHalfWidth && x < width / 2 + kCaptionHalfWidth && y >= 4 && y < height - 4;
}

}  // namespace

void AdapterFixture::SetUp() {
    manager = MakeManager();
    manager->SetIsDefault(true);
    manager->SetSkinName(kInternalSkinName);
    ASSERT_TRUE(manager->Active());
    form = app.App().CreateForm<TForm>();
    form->SetBounds(100, 100, 320, 180);
    provider = new TsSkinProvider(form);
    memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(20, 70, 120, 40);
    button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 160, 25);
    button->SetCaption("Unpack");
    button->OnClick = [this](TObject*) { ++clicks; };
    PointerAway();
    form->Show();
    memo->SetFocus();
    Settle();
}

void AdapterFixture::TearDown() {
    if (form) form->Free();
    form = nullptr;
}

void AdapterFixture::MovePointer(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    PumpUntil([screen] {
        POINT p;
        GetCursorPos(&p);
        return p.x == screen.x && p.y == screen.y;
    }, 2000);
    PumpFor(60);
}

void AdapterFixture::PointerOnButton() {
    RECT r;
    GetWindowRect(button->Handle(), &r);
    MovePointer(POINT{r.left + 10, r.top + 5});
}

void AdapterFixture::Settle() {
    PumpUntil([] { return LiveFadeTimerCount() == 0; }, 3000);
    PumpFor(60);
}

TBitmap32 AdapterFixture::GrabButton() const {
    RECT r;
    GetWindowRect(button->Handle(), &r);
    TBitmap32 picture(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(Bitmap32DC(picture), 0, 0, picture.Width(), picture.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    return picture;
}

TBitmap32 AdapterFixture::SkinPicture(int state) const {
    const TsSkinModel& skin = manager->Model();
    TsControlPaintData data;
    data.Skin = &skin;
    data.SectionIndex = manager->FindSection("BUTTON");
    data.FrameMaskIndex = skin.Sections.at(static_cast<std::size_t>(data.SectionIndex)).FrameMask;
    data.TextureIndex = manager->FindTexture(data.SectionIndex, "BUTTON", "PATTERN");
    data.HotTextureIndex = manager->FindTexture(data.SectionIndex, "BUTTON", "HOTPATTERN");
    TBgSource behind;
    behind.Color = static_cast<int32_t>(ColorToRGB(form->Color()));
    TBitmap32 picture(button->Width(), button->Height());
    PaintControl(data, behind, true, picture, TPoint32{button->Left(), button->Top()},
                 TRect32{0, 0, picture.Width(), picture.Height()}, state);
    return picture;
}

int AdapterFixture::FrameDifferences(const TBitmap32& a, const TBitmap32& b) const {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return a.Width() * a.Height() + 1;
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!InCaptionBox(x, y, a.Width(), a.Height()))
                differences += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF);
    return differences;
}

int AdapterFixture::CaptionDifferences(const TBitmap32& a, const TBitmap32& b) const {
    int differences = 0;
    for (int y = 0; y < std::min(a.Height(), b.Height()); ++y)
        for (int x = 0; x < std::min(a.Width(), b.Width()); ++x)
            if (InCaptionBox(x, y, a.Width(), a.Height()))
                differences += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF);
    return differences;
}

}  // namespace pakmole::test
