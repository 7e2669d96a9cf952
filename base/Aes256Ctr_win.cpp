#include <algorithm>
#include <vector>

#include "Aes256Ctr.h"
#include "Cng_win.h"

namespace pakmole {

// CNG has no counter mode: the counter blocks are encrypted with the ECB
// algorithm and XORed into the data here. As for ECB, each call works on its
// own duplicate of the key.
struct Aes256Ctr::Impl {
    CngKey key;
};

Aes256Ctr::Aes256Ctr(const AesKey& key) : impl_(std::make_unique<Impl>()) { MakeAesKey(key, impl_->key); }

Aes256Ctr::~Aes256Ctr() = default;

void Aes256Ctr::ApplyRun(const AesCtrIv& iv, uint32_t firstBlock, uint8_t* data, std::size_t size) const {
    CngKey key;
    DuplicateKey(impl_->key, key);
    constexpr std::size_t kChunk = 64 * 1024;  // key stream made this much at a time
    std::vector<uint8_t> stream(std::min(kChunk, (size + 15) & ~std::size_t{15}));
    uint32_t number = firstBlock;
    while (size) {
        const std::size_t piece = std::min(size, stream.size());
        const std::size_t blocks = (piece + 15) / 16;
        for (std::size_t b = 0; b < blocks; ++b, ++number) {
            uint8_t* counter = stream.data() + 16 * b;
            std::copy(iv.begin(), iv.end(), counter);
            for (int i = 0; i < 4; ++i) counter[12 + i] = static_cast<uint8_t>(number >> (24 - 8 * i));
        }
        ULONG written = 0;
        const auto bytes = static_cast<ULONG>(blocks * 16);
        CheckCng(BCryptEncrypt(key.Get(), stream.data(), bytes, nullptr, nullptr, 0, stream.data(), bytes, &written, 0),
                 "BCryptEncrypt");
        for (std::size_t i = 0; i < piece; ++i) data[i] ^= stream[i];
        data += piece;
        size -= piece;
    }
}

}  // namespace pakmole
