#pragma once
// Builds small skins in code: images encoded as BMP, PNG or JPEG, an options
// text, and the whole as a skin package or as a folder of loose files.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/Bitmap32.h"

namespace pakmole::test {

using Bytes = std::vector<unsigned char>;

// Encoders for pixels 0xAARRGGBB.
Bytes EncodeBmp24(const TBitmap32& bitmap);
Bytes EncodeBmp32(const TBitmap32& bitmap);
Bytes EncodePng(const TBitmap32& bitmap);  // with alpha
Bytes EncodeJpeg(int width, int height, uint32_t rgb);

class SkinBuilder {
public:
    // The options file is stored first, under this name.
    SkinBuilder& Options(std::string text, std::string name = "Options.dat");
    SkinBuilder& File(std::string name, Bytes bytes);

    Bytes Package() const;
    std::string PackageString() const;
    // Writes the options and every file into folder (which ends with its delimiter).
    void WriteFolder(const std::string& folder) const;

private:
    std::string optionsName_ = "Options.dat";
    std::string options_;
    std::vector<std::pair<std::string, Bytes>> files_;
};

}  // namespace pakmole::test
