#include <algorithm>

#include "Aes256Ecb.h"
#include "Cng_win.h"

namespace pakmole {

// A CNG key is not promised to be safe in several threads at once: each call
// decrypts with its own duplicate of this one.
struct Aes256EcbDecryptor::Impl {
    CngKey key;
};

Aes256EcbDecryptor::Aes256EcbDecryptor(const AesKey& key) : impl_(std::make_unique<Impl>()) { MakeAesKey(key, impl_->key); }

Aes256EcbDecryptor::~Aes256EcbDecryptor() = default;

void Aes256EcbDecryptor::DecryptBlocks(uint8_t* data, std::size_t size) const {
    CngKey key;
    DuplicateKey(impl_->key, key);
    // CNG counts in ULONG, which is narrower than size_t in 64-bit programs.
    while (size) {
        const ULONG piece = static_cast<ULONG>(std::min<std::size_t>(size, 0x40000000));
        ULONG written = 0;
        CheckCng(BCryptDecrypt(key.Get(), data, piece, nullptr, nullptr, 0, data, piece, &written, 0),
                 "BCryptDecrypt");
        data += piece;
        size -= piece;
    }
}

}  // namespace pakmole
