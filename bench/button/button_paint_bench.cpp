// One whole paint of the skinned "Unpack" button (433 x 25) under Wine: the
// adapter composes its cache from the skin's "BUTTON" section, writes the
// caption and copies the cache to the window. Timed against a reference
// measured in the same run: copying a ready bitmap of the same size to the
// same window, the least any paint has to do. Run: wine button_paint_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "skin/controls/sSkinProvider.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CustomForm.h"

namespace {

using namespace pakmole;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Microseconds per call: the best of several rounds of many calls.
double Time(const std::function<void()>& once) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        constexpr int kCalls = 200;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kCalls; ++i) once();
        QueryPerformanceCounter(&end);
        best = std::min(best, double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / kCalls);
    }
    return best;
}

}  // namespace

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
    Pump();
    if (!manager->SkinApplied() || !provider->Adapter() || provider->Adapter()->IndexOf(button) < 0) {
        std::fprintf(stderr, "the button is not skinned\n");
        return 1;
    }
    const HWND window = button->Handle();
    const double paint = Time([window] { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });

    TBitmap32 ready(433, 25, 0xFF333333);
    const double copy = Time([window, &ready] {
        HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, ready.Width(), ready.Height(), Bitmap32DC(ready), 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        GdiFlush();
    });
    std::printf("button paint (cache, caption, copy): %8.1f us\n", paint);
    std::printf("reference (copy of a ready bitmap):  %8.1f us\n", copy);
    std::printf("ratio: %.1f x reference\n", paint / copy);
    form->Free();
    return 0;
}
