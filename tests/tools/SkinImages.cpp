#include "tests/tools/SkinImages.h"

#include <cctype>

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include "tools/emberline/SkinFiles.h"

namespace pakmole::test {

Picture DecodeBmp(const std::string& bytes) {
    Picture p;
    int channels = 0;
    unsigned char* data = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                                static_cast<int>(bytes.size()), &p.width, &p.height, &channels, 3);
    if (!data) return p;
    p.rgb.assign(data, data + static_cast<size_t>(p.width) * p.height * 3);
    stbi_image_free(data);
    return p;
}

const GeneratedSkin& Emberline() {
    static const GeneratedSkin skin = [] {
        GeneratedSkin s;
        for (const auto& f : emberline::BuildEmberlineFiles()) {
            std::string bytes(f.bytes.begin(), f.bytes.end());
            std::string upper = f.name;
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (upper.ends_with(".BMP")) s.pictures[upper] = DecodeBmp(bytes);
            s.order.push_back(f.name);
            s.files[f.name] = std::move(bytes);
        }
        return s;
    }();
    return skin;
}

}  // namespace pakmole::test
