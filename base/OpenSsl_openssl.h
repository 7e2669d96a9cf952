#pragma once
// Owners of libcrypto's contexts, and its errors turned into our exceptions.
#include <openssl/evp.h>

#include <memory>

namespace pakmole {

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

// Throws CryptoError naming `call` and libcrypto's reason when `ok` is false
// (libcrypto's calls answer 1, or a non-null pointer, on success).
void CheckOpenSsl(bool ok, const char* call);

}  // namespace pakmole
