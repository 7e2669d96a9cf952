#include <openssl/evp.h>

#include <algorithm>
#include <climits>

#include "Aes256Ctr.h"
#include "OpenSsl_openssl.h"

namespace pakmole {

// As for ECB: each call works on its own copy of this keyed context.
struct Aes256Ctr::Impl {
    CipherContext keyed{EVP_CIPHER_CTX_new()};
};

Aes256Ctr::Aes256Ctr(const AesKey& key) : impl_(std::make_unique<Impl>()) {
    EVP_CIPHER_CTX* context = impl_->keyed.get();
    CheckOpenSsl(context != nullptr, "EVP_CIPHER_CTX_new");
    CheckOpenSsl(EVP_EncryptInit_ex(context, EVP_aes_256_ctr(), nullptr, key.bytes.data(), nullptr) == 1,
                 "EVP_EncryptInit_ex");
}

Aes256Ctr::~Aes256Ctr() = default;

void Aes256Ctr::ApplyRun(const AesCtrIv& iv, uint32_t firstBlock, uint8_t* data, std::size_t size) const {
    CipherContext context{EVP_CIPHER_CTX_new()};
    CheckOpenSsl(context != nullptr, "EVP_CIPHER_CTX_new");
    CheckOpenSsl(EVP_CIPHER_CTX_copy(context.get(), impl_->keyed.get()) == 1, "EVP_CIPHER_CTX_copy");
    uint8_t counter[16];
    std::copy(iv.begin(), iv.end(), counter);
    for (int i = 0; i < 4; ++i) counter[12 + i] = static_cast<uint8_t>(firstBlock >> (24 - 8 * i));
    CheckOpenSsl(EVP_EncryptInit_ex(context.get(), nullptr, nullptr, nullptr, counter) == 1, "EVP_EncryptInit_ex");
    // libcrypto counts in int; the counter runs on across the pieces.
    constexpr std::size_t kMostAtOnce = INT_MAX / 16 * 16;
    while (size) {
        const std::size_t piece = std::min(size, kMostAtOnce);
        int written = 0;
        CheckOpenSsl(EVP_EncryptUpdate(context.get(), data, &written, data, static_cast<int>(piece)) == 1 &&
                         static_cast<std::size_t>(written) == piece,
                     "EVP_EncryptUpdate");
        data += piece;
        size -= piece;
    }
}

}  // namespace pakmole
