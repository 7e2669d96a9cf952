// Which adapters take the platform's visual style away from their window.
// The call to SetWindowTheme is observed through the adapters' seam: each
// case makes its adapter the way the engine does and looks whether the seam
// was called for that window, with blank application and class names.
#include <string>
#include <vector>

#include "skin/controls/adapters/vlVisualStyle.h"
#include "skin/controls/menus/sSkinableMenus.h"
#include "skin/controls/menus/vlMnuWnd.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace pakmole::test {
namespace {

struct ThemeCall {
    HWND Window;
    std::wstring App, Class;
};
std::vector<ThemeCall> themeCalls;

HRESULT WINAPI RecordSetWindowTheme(HWND window, LPCWSTR app, LPCWSTR cls) {
    themeCalls.push_back(ThemeCall{window, app ? app : L"(null)", cls ? cls : L"(null)"});
    return S_OK;
}

HWND RawWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VisualStyleTestWindow";
    RegisterClassA(&wc);  // fails harmlessly when made before
    return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 10, 10, 80, 40, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class VisualStyle : public AdapterFixture {
protected:
    void SetUp() override {
        AdapterFixture::SetUp();
        themeCalls.clear();
        ReplaceSetWindowTheme(&RecordSetWindowTheme);
    }
    void TearDown() override {
        ReplaceSetWindowTheme(nullptr);
        AdapterFixture::TearDown();
    }
    // How many calls the seam saw for window, each with " " for both names.
    static int CallsFor(HWND window) {
        int calls = 0;
        for (const ThemeCall& call : themeCalls) {
            if (call.Window != window) continue;
            EXPECT_EQ(call.App, L" ");
            EXPECT_EQ(call.Class, L" ");
            ++calls;
        }
        return calls;
    }
};

TEST_F(VisualStyle, TurnedOffExceptForMenusDialogsAndFormsThatKeepTheirFrame) {
    // A provider on a form of its own: adapters on its state change the state's window.
    TForm* other = app.App().CreateForm<TForm>();
    auto* otherProvider = new TsSkinProvider(other);
    ASSERT_TRUE(otherProvider->DrawNonClientArea());  // the default
    struct Case {
        const char* name;
        std::function<TvlMainWnd*(HWND)> make;
        bool turnedOff;
    } cases[] = {
        {"plain window with its own state",
         [this](HWND w) { return new TvlBtnWnd(w, false, "", manager.get(), nullptr); }, true},
        {"section DIALOG", [this](HWND w) { return new TvlBtnWnd(w, false, "DIALOG", manager.get(), nullptr); },
         false},
        {"made in dialog mode",
         [this](HWND w) {
             SetDialogMode(true);
             TvlMainWnd* made = new TvlBtnWnd(w, false, "", manager.get(), nullptr);
             SetDialogMode(false);
             return made;
         },
         false},
        {"a form provider's state that paints the frame",
         [&](HWND w) {
             otherProvider->SetDrawNonClientArea(true);
             return new TvlScrollWnd(w, false, "", nullptr, &otherProvider->SkinData());
         },
         true},
        {"a form provider's state that leaves the frame to the platform",
         [&](HWND w) {
             otherProvider->SetDrawNonClientArea(false);
             return new TvlScrollWnd(w, false, "", nullptr, &otherProvider->SkinData());
         },
         false},
        {"a popup menu's window", [this](HWND w) { return new TvlMnuWnd(w, TsSkinableMenus::Of(manager.get())); },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND window = RawWindow();
        ASSERT_NE(window, nullptr);
        std::unique_ptr<TvlMainWnd> adapter(c.make(window));
        adapter->Start();
        EXPECT_EQ(CallsFor(window), c.turnedOff ? 1 : 0);
        adapter.reset();
        DestroyWindow(window);
    }
    other->Free();
}

TEST_F(VisualStyle, TheRegistrysButtonAdapterTurnsItOff) {
    auto* later = new TButton(form);
    later->SetParent(form);
    later->SetBounds(190, 110, 100, 22);
    later->HandleNeeded();
    PumpFor(20);
    ASSERT_NE(TvlMainWnd::FromWindow(later->Handle()), nullptr);
    EXPECT_EQ(CallsFor(later->Handle()), 1);
    later->Free();
}

}  // namespace
}  // namespace pakmole::test
