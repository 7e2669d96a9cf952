// Draws the two built-in border shadow images: a soft black shadow that
// fades out over the nine pixels around a window, darker for the active
// window. The window's own area is transparent white, which the skin engine
// clears when it loads the images. Run by make_shadows.sh; the PNGs it
// writes are committed beside it.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kInset = 9;   // the shadow's reach beyond the window edge
constexpr int kSize = 40;   // 9 + 22 + 9: room for the corners and a middle to stretch

std::vector<unsigned char> DrawShadow(int strength) {
    std::vector<unsigned char> rgba(static_cast<size_t>(kSize) * kSize * 4);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            // Distance to the window rectangle [kInset, kSize - kInset).
            const double dx = std::max({kInset - x - 0.5, 0.0, x + 0.5 - (kSize - kInset)});
            const double dy = std::max({kInset - y - 0.5, 0.0, y + 0.5 - (kSize - kInset)});
            const double d = std::sqrt(dx * dx + dy * dy);
            unsigned char* p = &rgba[(static_cast<size_t>(y) * kSize + x) * 4];
            if (d == 0) {
                p[0] = p[1] = p[2] = 255;
                p[3] = 0;
                continue;
            }
            const double t = std::clamp(1.0 - d / kInset, 0.0, 1.0);
            p[0] = p[1] = p[2] = 0;
            p[3] = static_cast<unsigned char>(std::lround(strength * t * t));
        }
    return rgba;
}

bool Write(const std::string& path, int strength) {
    const auto rgba = DrawShadow(strength);
    return stbi_write_png(path.c_str(), kSize, kSize, 4, rgba.data(), kSize * 4) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    if (!Write(folder + "ShadowActive.png", 120) || !Write(folder + "ShadowInactive.png", 60)) {
        std::fprintf(stderr, "cannot write the shadow images\n");
        return 1;
    }
    return 0;
}
