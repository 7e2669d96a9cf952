#include "tests/skin/adapters/AdapterFixture.h"

#include "skin/manager/MainSkinManager.h"
#include "skin/render/sFade_win.h"
#include "tests/skin/adapters/ButtonPictures.h"

namespace pakmole::test {

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

void AdapterFixture::PointerAway() {
    MovePointer(POINT{2, 2});
    PumpUntil([this] { return !button || !button->HandleAllocated() || manager->HotWindow() != button->Handle(); },
              2000);
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

TBitmap32 AdapterFixture::SkinPicture(int state) const {
    return SkinButtonPicture(*manager, button->Width(), button->Height(), POINT{button->Left(), button->Top()}, state,
                             static_cast<int32_t>(ColorToRGB(form->Color())));
}

TBitmap32 AdapterFixture::DisabledPicture() const {
    return DisabledButtonPicture(*manager, button->Width(), button->Height(), POINT{button->Left(), button->Top()},
                                 static_cast<int32_t>(ColorToRGB(form->Color())));
}

}  // namespace pakmole::test
