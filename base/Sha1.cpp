#include "Sha1.h"

#include "Exceptions.h"

namespace pakmole {

namespace {
Exception AlreadyFinished() { return Exception("SHA-1: the digest was already taken"); }
}  // namespace

void Sha1Hasher::Update(const void* data, std::size_t size) {
    if (finished_) throw AlreadyFinished();
    if (size) Absorb(data, size);
}

Sha1Digest Sha1Hasher::Final() {
    if (finished_) throw AlreadyFinished();
    finished_ = true;
    return Finish();
}

Sha1Digest Sha1(const void* data, std::size_t size) {
    Sha1Hasher hasher;
    hasher.Update(data, size);
    return hasher.Final();
}

std::string Sha1Hex(const Sha1Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * digest.size());
    for (uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

}  // namespace pakmole
