#pragma once
// SHA-1, as pak indexes and entries store it to check their bytes. The work is done
// by the platform's cryptography (OpenSSL's libcrypto, or CNG on Windows).
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace pakmole {

using Sha1Digest = std::array<uint8_t, 20>;

// Streaming, for entries of any size: Update as often as needed, then Final once.
// Update or Final after Final throws pakmole::Exception.
class Sha1Hasher {
public:
    Sha1Hasher();
    ~Sha1Hasher();
    Sha1Hasher(const Sha1Hasher&) = delete;
    Sha1Hasher& operator=(const Sha1Hasher&) = delete;

    void Update(const void* data, std::size_t size);
    Sha1Digest Final();

private:
    // The platform's part: no checks, never empty input.
    void Absorb(const void* data, std::size_t size);
    Sha1Digest Finish();

    struct Impl;
    std::unique_ptr<Impl> impl_;
    bool finished_ = false;
};

Sha1Digest Sha1(const void* data, std::size_t size);
// 40 lowercase hex digits.
std::string Sha1Hex(const Sha1Digest& digest);

}  // namespace pakmole
