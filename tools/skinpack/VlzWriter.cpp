#include "VlzWriter.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>

namespace pakmole::tools {
namespace {
void PutInt32(std::vector<unsigned char>& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(bits >> (8 * i)));
}
}  // namespace

std::vector<unsigned char> WriteVlz(const std::vector<VlzFile>& files, int zlibLevel) {
    std::vector<unsigned char> out{'V', 'L', 'z', 'f'};
    PutInt32(out, static_cast<int32_t>(files.size()));
    for (const auto& file : files) {
        PutInt32(out, static_cast<int32_t>(file.name.size()));
        out.insert(out.end(), file.name.begin(), file.name.end());
        PutInt32(out, static_cast<int32_t>(file.bytes.size()));
        uLongf packedSize = compressBound(static_cast<uLong>(file.bytes.size()));
        std::vector<unsigned char> packed(packedSize);
        if (compress2(packed.data(), &packedSize, file.bytes.data(), static_cast<uLong>(file.bytes.size()),
                      zlibLevel) != Z_OK)
            throw std::runtime_error("zlib could not compress " + file.name);
        out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
    }
    return out;
}

}  // namespace pakmole::tools
