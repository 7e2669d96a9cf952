#include <openssl/evp.h>

#include "OpenSsl_openssl.h"
#include "Sha1.h"

namespace pakmole {

struct Sha1Hasher::Impl {
    DigestContext context{EVP_MD_CTX_new()};
};

Sha1Hasher::Sha1Hasher() : impl_(std::make_unique<Impl>()) {
    CheckOpenSsl(impl_->context != nullptr, "EVP_MD_CTX_new");
    CheckOpenSsl(EVP_DigestInit_ex(impl_->context.get(), EVP_sha1(), nullptr) == 1, "EVP_DigestInit_ex");
}

Sha1Hasher::~Sha1Hasher() = default;

void Sha1Hasher::Absorb(const void* data, std::size_t size) {
    CheckOpenSsl(EVP_DigestUpdate(impl_->context.get(), data, size) == 1, "EVP_DigestUpdate");
}

Sha1Digest Sha1Hasher::Finish() {
    Sha1Digest digest{};
    unsigned int length = 0;
    CheckOpenSsl(EVP_DigestFinal_ex(impl_->context.get(), digest.data(), &length) == 1 && length == digest.size(),
                 "EVP_DigestFinal_ex");
    return digest;
}

}  // namespace pakmole
