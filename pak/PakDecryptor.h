#pragma once
// The key of an encrypted pak and the two ways paks use it: AES-256-ECB
// (every version), and from version 15 on AES-256-CTR, where each encrypted
// range (an index, an entry's data) has its own IV and counts its blocks
// from its start.
#include <cstddef>
#include <cstdint>

#include "PakFooter.h"
#include "base/Aes256Ctr.h"
#include "base/Aes256Ecb.h"
#include "base/AesKey.h"

namespace pakmole {

class PakDecryptor {
public:
    explicit PakDecryptor(const AesKey& key) : ecb_(key), ctr_(key) {}

    // Decrypts size bytes in place that lie firstBlock 16-byte blocks into
    // their encrypted range. ECB needs whole blocks and ignores iv and
    // firstBlock. Raises for a method that is not AES. Safe on several
    // threads at once.
    void Decrypt(PakEncryption method, const AesCtrIv& iv, uint64_t firstBlock, uint8_t* data,
                 std::size_t size) const;

private:
    Aes256EcbDecryptor ecb_;
    Aes256Ctr ctr_;
};

}  // namespace pakmole
