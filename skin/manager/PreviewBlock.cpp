#include "skin/manager/PreviewBlock.h"

#include <cstring>

namespace pakmole {
namespace {

std::string FieldText(const unsigned char* block, std::size_t offset, std::size_t size) {
    const auto* begin = reinterpret_cast<const char*>(block + offset);
    const void* zero = std::memchr(begin, 0, size);
    return std::string(begin, zero ? static_cast<const char*>(zero) : begin + size);
}

}  // namespace

std::optional<TsPreviewBlock> ReadPreviewBlock(const void* data, std::size_t size) {
    // A short block would have the texts read past what the sender gave.
    if (!data || size < kPreviewBlockSize) return std::nullopt;
    const auto* block = static_cast<const unsigned char*>(data);
    int32_t signature = 0;
    std::memcpy(&signature, block, sizeof(signature));
    if (signature != kPreviewSignature) return std::nullopt;
    return TsPreviewBlock{FieldText(block, kPreviewNameOffset, kPreviewNameSize),
                          FieldText(block, kPreviewDirectoryOffset, kPreviewDirectorySize),
                          FieldText(block, kPreviewOptionsOffset, kPreviewOptionsSize)};
}

}  // namespace pakmole
