#include <algorithm>

#include "Cng_win.h"
#include "Sha1.h"

namespace pakmole {

struct Sha1Hasher::Impl {
    CngHash hash;
};

Sha1Hasher::Sha1Hasher() : impl_(std::make_unique<Impl>()) {
    CheckCng(BCryptCreateHash(Sha1Algorithm().Get(), impl_->hash.Receive(), nullptr, 0, nullptr, 0, 0),
             "BCryptCreateHash");
}

Sha1Hasher::~Sha1Hasher() = default;

void Sha1Hasher::Absorb(const void* data, std::size_t size) {
    // CNG counts in ULONG, which is narrower than size_t in 64-bit programs.
    auto* bytes = static_cast<PUCHAR>(const_cast<void*>(data));
    while (size) {
        const ULONG piece = static_cast<ULONG>(std::min<std::size_t>(size, 0x40000000));
        CheckCng(BCryptHashData(impl_->hash.Get(), bytes, piece, 0), "BCryptHashData");
        bytes += piece;
        size -= piece;
    }
}

Sha1Digest Sha1Hasher::Finish() {
    Sha1Digest digest{};
    CheckCng(BCryptFinishHash(impl_->hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0),
             "BCryptFinishHash");
    return digest;
}

}  // namespace pakmole
