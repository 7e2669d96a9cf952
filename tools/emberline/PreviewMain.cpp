// emberline_preview <file.png>: writes the review sheet of the skin.
#include <cstdio>
#include <exception>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "tools/emberline/PreviewSheet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: emberline_preview <file.png>\n");
        return 2;
    }
    try {
        const pakmole::emberline::Image24 sheet = pakmole::emberline::RenderPreviewSheet();
        std::vector<unsigned char> rgb;
        rgb.reserve(static_cast<size_t>(sheet.Width()) * sheet.Height() * 3);
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x) {
                const uint32_t c = sheet.Get(x, y);
                rgb.push_back(static_cast<unsigned char>(c >> 16));
                rgb.push_back(static_cast<unsigned char>(c >> 8));
                rgb.push_back(static_cast<unsigned char>(c));
            }
        if (!stbi_write_png(argv[1], sheet.Width(), sheet.Height(), 3, rgb.data(), sheet.Width() * 3)) {
            std::fprintf(stderr, "emberline_preview: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "emberline_preview: %s\n", e.what());
        return 1;
    }
    return 0;
}
