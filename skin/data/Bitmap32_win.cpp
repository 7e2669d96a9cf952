// DIB-section storage of a bitmap on Windows.
#include "skin/data/Bitmap32_win.h"

#include <memory>
#include <new>

namespace pakmole {

struct TBitmap32Storage {
    HDC DC = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ OldBitmap = nullptr;

    TBitmap32Storage() = default;
    TBitmap32Storage(const TBitmap32Storage&) = delete;
    TBitmap32Storage& operator=(const TBitmap32Storage&) = delete;
    ~TBitmap32Storage() {
        if (DC && OldBitmap) SelectObject(DC, OldBitmap);
        if (Bitmap) DeleteObject(Bitmap);
        if (DC) DeleteDC(DC);
    }
};

TBitmap32Storage* CreateBitmap32Storage(int width, int height, uint32_t*& bits) {
    auto storage = std::make_unique<TBitmap32Storage>();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    storage->Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!storage->Bitmap || !pixels) throw std::bad_alloc();
    bits = static_cast<uint32_t*>(pixels);
    return storage.release();
}

void TBitmap32StorageDeleter::operator()(TBitmap32Storage* storage) const { delete storage; }

// The DC is made on first use: most bitmaps (skin images, masks) are never
// drawn into by GDI, and a process has a limited number of GDI objects.
HDC Bitmap32DC(const TBitmap32& bitmap) {
    TBitmap32Storage* storage = bitmap.Storage();
    if (!storage) return nullptr;
    if (!storage->DC) {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc) return nullptr;
        storage->OldBitmap = SelectObject(dc, storage->Bitmap);
        storage->DC = dc;
    }
    return storage->DC;
}

HBITMAP Bitmap32Handle(const TBitmap32& bitmap) { return bitmap.Storage() ? bitmap.Storage()->Bitmap : nullptr; }

}  // namespace pakmole
