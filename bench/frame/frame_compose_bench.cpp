// One whole frame of a window of the main window's size (459 x 84 client,
// single border with system menu and minimize button) under Wine: the form
// provider composes borders, caption strip, icon, caption text with its glow
// and the title buttons from the skin, then copies the frame to the window.
// Timed against a reference measured in the same run: copying a ready
// picture of the whole window to the window, the least any frame paint has
// to do. Run: wine frame_compose_bench.exe
#include <windows.h>

#include <cstdio>

#include "bench/support/WinBenchTiming.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"

using namespace pakmole;

int main() {
    TApplication application;
    application.Initialize();
    auto* form = application.CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetCaption("Pakmole by Tanuki - UE4 pak unpacker");
    form->SetBounds(100, 100, 475, 122);
    TsSkinManager* manager = CreateMainSkinManager(form);
    auto* provider = new TsSkinProvider(form);
    form->Show();
    form->SetClientSize(459, 84);
    bench::PumpMessages();
    const HWND window = form->Handle();
    if (!manager->SkinApplied() || !provider->WindowImage()) {
        std::fprintf(stderr, "the frame is not skinned\n");
        return 1;
    }
    // Activation changes the frame's look: the whole frame is composed again and copied.
    bool active = true;
    const double frame = bench::BestMicroseconds([&] {
        active = !active;
        SendMessageA(window, WM_NCACTIVATE, active, 0);
        GdiFlush();
    }, 100);
    RECT r;
    GetWindowRect(window, &r);
    TBitmap32 ready(r.right - r.left, r.bottom - r.top, 0xFF333333);
    const double copy = bench::BestMicroseconds([&] {
        HDC dc = GetWindowDC(window);
        BitBlt(dc, 0, 0, ready.Width(), ready.Height(), Bitmap32DC(ready), 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        GdiFlush();
    }, 100);
    std::printf("window %ldx%ld\n", r.right - r.left, r.bottom - r.top);
    std::printf("frame composed and copied: %8.1f us\n", frame);
    std::printf("reference (copy of a ready picture): %8.1f us\n", copy);
    std::printf("ratio: %.1f x reference\n", frame / copy);
    form->Free();
    return 0;
}
