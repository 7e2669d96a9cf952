#include <openssl/evp.h>

#include <algorithm>
#include <climits>

#include "Aes256Ecb.h"
#include "OpenSsl_openssl.h"

namespace pakmole {

// A context holds the expanded key, but a context in use is not safe to share between
// threads: each call decrypts with its own copy of this keyed one.
struct Aes256EcbDecryptor::Impl {
    CipherContext keyed{EVP_CIPHER_CTX_new()};
};

Aes256EcbDecryptor::Aes256EcbDecryptor(const AesKey& key) : impl_(std::make_unique<Impl>()) {
    EVP_CIPHER_CTX* context = impl_->keyed.get();
    CheckOpenSsl(context != nullptr, "EVP_CIPHER_CTX_new");
    CheckOpenSsl(EVP_DecryptInit_ex(context, EVP_aes_256_ecb(), nullptr, key.bytes.data(), nullptr) == 1,
                 "EVP_DecryptInit_ex");
    // Pak data carries no cipher padding: every byte that goes in comes out.
    CheckOpenSsl(EVP_CIPHER_CTX_set_padding(context, 0) == 1, "EVP_CIPHER_CTX_set_padding");
}

Aes256EcbDecryptor::~Aes256EcbDecryptor() = default;

void Aes256EcbDecryptor::DecryptBlocks(uint8_t* data, std::size_t size) const {
    CipherContext context{EVP_CIPHER_CTX_new()};
    CheckOpenSsl(context != nullptr, "EVP_CIPHER_CTX_new");
    CheckOpenSsl(EVP_CIPHER_CTX_copy(context.get(), impl_->keyed.get()) == 1, "EVP_CIPHER_CTX_copy");
    // libcrypto counts in int; larger regions go through in whole blocks below that.
    constexpr std::size_t kMostAtOnce = INT_MAX / 16 * 16;
    while (size) {
        const std::size_t piece = std::min(size, kMostAtOnce);
        int written = 0;
        CheckOpenSsl(EVP_DecryptUpdate(context.get(), data, &written, data, static_cast<int>(piece)) == 1 &&
                         static_cast<std::size_t>(written) == piece,
                     "EVP_DecryptUpdate");
        data += piece;
        size -= piece;
    }
}

}  // namespace pakmole
