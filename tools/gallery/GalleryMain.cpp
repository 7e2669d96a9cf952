// skin_gallery <skin.vlz> <gallery.png>: renders every section of a skin
// package with the skin renderer into one picture.
#include <cstdio>
#include <exception>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"
#include "tools/gallery/GallerySheet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skin_gallery <skin.vlz> <gallery.png>\n");
        return 2;
    }
    try {
        pakmole::TMemoryStream package;
        package.LoadFromFile(argv[1]);
        pakmole::TsSkinModel skin;
        pakmole::LoadPackagedSkin(skin, package, {});
        const pakmole::TBitmap32 sheet = pakmole::gallery::RenderGallery(skin);
        std::vector<unsigned char> rgb;
        rgb.reserve(static_cast<std::size_t>(sheet.Width()) * static_cast<std::size_t>(sheet.Height()) * 3);
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x) {
                const uint32_t p = sheet.Pixel(x, y);
                rgb.push_back(static_cast<unsigned char>(p >> 16));
                rgb.push_back(static_cast<unsigned char>(p >> 8));
                rgb.push_back(static_cast<unsigned char>(p));
            }
        if (!stbi_write_png(argv[2], sheet.Width(), sheet.Height(), 3, rgb.data(), sheet.Width() * 3)) {
            std::fprintf(stderr, "skin_gallery: cannot write %s\n", argv[2]);
            return 1;
        }
        std::printf("skin_gallery: %d sections, %d x %d pixels\n", static_cast<int>(skin.Sections.size()),
                    sheet.Width(), sheet.Height());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
