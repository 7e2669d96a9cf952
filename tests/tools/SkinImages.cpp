#include "tests/tools/SkinImages.h"

#include <cctype>

#include "base/Exceptions.h"
#include "skin/data/SkinImage.h"
#include "tools/emberline/SkinFiles.h"

namespace pakmole::test {

Picture DecodeBmp(const std::string& bytes) {
    // The program's own image decoder: what it reads is what the skin shows.
    Picture p;
    TDecodedImage image;
    try {
        image = DecodeSkinImage(std::vector<unsigned char>(bytes.begin(), bytes.end()), "test image");
    } catch (const Exception&) {
        return p;
    }
    p.width = image.Bitmap.Width();
    p.height = image.Bitmap.Height();
    const uint32_t* pixels = image.Bitmap.Pixels().data();
    const std::size_t count = image.Bitmap.Pixels().size();
    p.rgb.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t argb = pixels[i];
        p.rgb.push_back(static_cast<unsigned char>(argb >> 16));
        p.rgb.push_back(static_cast<unsigned char>(argb >> 8));
        p.rgb.push_back(static_cast<unsigned char>(argb));
    }
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
