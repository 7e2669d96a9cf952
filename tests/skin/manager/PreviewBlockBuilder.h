#pragma once
// Builds the block a skin editor sends through the live preview link.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "skin/manager/PreviewBlock.h"

namespace pakmole::test {

inline std::vector<unsigned char> PreviewBlockBytes(const std::string& name, const std::string& directory,
                                                    const std::string& options,
                                                    int32_t signature = kPreviewSignature) {
    std::vector<unsigned char> block(kPreviewBlockSize, 0);
    std::memcpy(block.data(), &signature, 4);
    std::memcpy(block.data() + kPreviewNameOffset, name.data(), std::min(name.size(), kPreviewNameSize));
    std::memcpy(block.data() + kPreviewDirectoryOffset, directory.data(),
                std::min(directory.size(), kPreviewDirectorySize));
    std::memcpy(block.data() + kPreviewOptionsOffset, options.data(), std::min(options.size(), kPreviewOptionsSize));
    return block;
}

}  // namespace pakmole::test
