#pragma once
// The generated skin files, made once per test run, with decoded pictures.
#include <map>
#include <string>
#include <vector>

namespace pakmole::test {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // decoded by the skin's image decoder, bytes red, green, blue
    bool IsKey(int x, int y) const {
        const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return p[0] == 255 && p[1] == 0 && p[2] == 255;
    }
};

struct GeneratedSkin {
    std::map<std::string, std::string> files;  // by name as packed
    std::vector<std::string> order;
    std::map<std::string, Picture> pictures;  // by name upper-cased
};

const GeneratedSkin& Emberline();
Picture DecodeBmp(const std::string& bytes);

}  // namespace pakmole::test
