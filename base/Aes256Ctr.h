#pragma once
// AES-256 in counter mode, as paks of version 15 use it: the counter block is
// a 12-byte IV followed by a big-endian 32-bit block number; each counter
// block is encrypted and XORed into the data, so decrypting and encrypting
// are one and the same operation. The work is done by the platform's
// cryptography (OpenSSL's libcrypto, or CNG on Windows).
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "AesKey.h"

namespace pakmole {

using AesCtrIv = std::array<uint8_t, 12>;

class Aes256Ctr {
public:
    explicit Aes256Ctr(const AesKey& key);
    ~Aes256Ctr();
    Aes256Ctr(const Aes256Ctr&) = delete;
    Aes256Ctr& operator=(const Aes256Ctr&) = delete;

    // XORs the key stream into data in place, starting with the counter
    // block of number firstBlock; any size (the last block may be partial).
    // The block number wraps from 2^32 - 1 to 0, as a 32-bit field does.
    // Safe to call from several threads at once on one object.
    void Apply(const AesCtrIv& iv, uint32_t firstBlock, uint8_t* data, std::size_t size) const;

private:
    // The platform's part: a run whose block numbers do not wrap.
    void ApplyRun(const AesCtrIv& iv, uint32_t firstBlock, uint8_t* data, std::size_t size) const;

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pakmole
