#include "Aes256Ctr.h"

namespace pakmole {

void Aes256Ctr::Apply(const AesCtrIv& iv, uint32_t firstBlock, uint8_t* data, std::size_t size) const {
    while (size) {
        // Blocks left before the number wraps to 0: libcrypto would carry
        // into the IV instead.
        const uint64_t blocksToWrap = (uint64_t{1} << 32) - firstBlock;
        const uint64_t bytesToWrap = blocksToWrap * 16;
        const std::size_t run = bytesToWrap < size ? static_cast<std::size_t>(bytesToWrap) : size;
        ApplyRun(iv, firstBlock, data, run);
        data += run;
        size -= run;
        firstBlock = 0;
    }
}

}  // namespace pakmole
