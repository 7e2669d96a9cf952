// One whole paint of the skinned "Unpack" button (433 x 25) under Wine: the
// adapter composes its cache from the skin's "BUTTON" section, writes the
// caption and copies the cache to the window. Timed against a reference
// measured in the same run: copying a ready bitmap of the same size to the
// same window, the least any paint has to do. Run: wine button_paint_bench.exe
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/support/WinBenchTiming.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CustomForm.h"

using namespace pakmole;

int main() {
    TApplication application;
    application.Initialize();
    auto* form = application.CreateForm<TForm>();
    form->SetBounds(100, 100, 470, 120);
    TsSkinManager* manager = CreateMainSkinManager(form);
    auto* provider = new TsSkinProvider(form);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(16, 32, 433, 25);
    button->SetCaption("Unpack");
    form->Show();
    bench::PumpMessages();
    if (!manager->SkinApplied() || !provider->Adapter() || provider->Adapter()->IndexOf(button) < 0) {
        std::fprintf(stderr, "the button is not skinned\n");
        return 1;
    }
    const HWND window = button->Handle();
    const double paint = bench::BestMicroseconds(
        [window] { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }, 200);

    TBitmap32 ready(433, 25, 0xFF333333);
    const double copy = bench::BestMicroseconds([window, &ready] {
        HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, ready.Width(), ready.Height(), Bitmap32DC(ready), 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        GdiFlush();
    }, 200);
    std::printf("button paint (cache, caption, copy): %8.1f us\n", paint);
    std::printf("reference (copy of a ready bitmap):  %8.1f us\n", copy);
    std::printf("ratio: %.1f x reference\n", paint / copy);
    form->Free();
    return 0;
}
