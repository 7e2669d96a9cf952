#pragma once
// The data block a skin editor sends with WM_COPYDATA to push an edited skin:
// int32 signature 0xA400, then three zero-padded 8-bit texts of fixed size.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace pakmole {

struct TsPreviewBlock {
    std::string SkinName;
    std::string SkinDirectory;
    std::string Options;  // the whole options file
};

constexpr int32_t kPreviewSignature = 0xA400;
constexpr std::size_t kPreviewNameOffset = 4, kPreviewNameSize = 128;
constexpr std::size_t kPreviewDirectoryOffset = 132, kPreviewDirectorySize = 513;
constexpr std::size_t kPreviewOptionsOffset = 645, kPreviewOptionsSize = 30001;
constexpr std::size_t kPreviewBlockSize = 30646;

// Nothing unless the block is whole and starts with the signature. Each text
// ends at its first zero byte, and at the end of its field when it has none.
std::optional<TsPreviewBlock> ReadPreviewBlock(const void* data, std::size_t size);

}  // namespace pakmole
