#include "tests/support/SkinBuilder.h"

#include <fstream>
#include <stdexcept>

#include "tools/skinpack/VlzWriter.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace pakmole::test {
namespace {

void Append(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* p = static_cast<const unsigned char*>(data);
    out->insert(out->end(), p, p + size);
}

std::vector<unsigned char> ToRgba(const TBitmap32& bitmap, int channels) {
    std::vector<unsigned char> out;
    out.reserve(bitmap.Pixels().size() * static_cast<std::size_t>(channels));
    for (uint32_t p : bitmap.Pixels()) {
        out.push_back(static_cast<unsigned char>(p >> 16));
        out.push_back(static_cast<unsigned char>(p >> 8));
        out.push_back(static_cast<unsigned char>(p));
        if (channels == 4) out.push_back(static_cast<unsigned char>(p >> 24));
    }
    return out;
}

void Check(int ok) {
    if (!ok) throw std::runtime_error("stb_image_write could not encode a test image");
}

}  // namespace

Bytes EncodeBmp24(const TBitmap32& bitmap) {
    Bytes out;
    const auto rgb = ToRgba(bitmap, 3);
    Check(stbi_write_bmp_to_func(Append, &out, bitmap.Width(), bitmap.Height(), 3, rgb.data()));
    return out;
}

Bytes EncodeBmp32(const TBitmap32& bitmap) {
    Bytes out;
    const auto rgba = ToRgba(bitmap, 4);
    Check(stbi_write_bmp_to_func(Append, &out, bitmap.Width(), bitmap.Height(), 4, rgba.data()));
    return out;
}

Bytes EncodePng(const TBitmap32& bitmap) {
    Bytes out;
    const auto rgba = ToRgba(bitmap, 4);
    Check(stbi_write_png_to_func(Append, &out, bitmap.Width(), bitmap.Height(), 4, rgba.data(), bitmap.Width() * 4));
    return out;
}

Bytes EncodeJpeg(int width, int height, uint32_t rgb) {
    Bytes out;
    const auto pixels = ToRgba(TBitmap32(width, height, rgb), 3);
    Check(stbi_write_jpg_to_func(Append, &out, width, height, 3, pixels.data(), 90));
    return out;
}

SkinBuilder& SkinBuilder::Options(std::string text, std::string name) {
    options_ = std::move(text);
    optionsName_ = std::move(name);
    return *this;
}

SkinBuilder& SkinBuilder::File(std::string name, Bytes bytes) {
    files_.emplace_back(std::move(name), std::move(bytes));
    return *this;
}

Bytes SkinBuilder::Package() const {
    std::vector<tools::VlzFile> files;
    files.push_back({optionsName_, Bytes(options_.begin(), options_.end())});
    for (const auto& [name, bytes] : files_) files.push_back({name, bytes});
    return tools::WriteVlz(files);
}

std::string SkinBuilder::PackageString() const {
    const Bytes bytes = Package();
    return std::string(bytes.begin(), bytes.end());
}

void SkinBuilder::WriteFolder(const std::string& folder) const {
    const auto write = [&](const std::string& name, const char* data, std::size_t size) {
        std::ofstream out(folder + name, std::ios::binary);
        out.write(data, static_cast<std::streamsize>(size));
        if (!out) throw std::runtime_error("cannot write " + folder + name);
    };
    write(optionsName_, options_.data(), options_.size());
    for (const auto& [name, bytes] : files_)
        write(name, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace pakmole::test
