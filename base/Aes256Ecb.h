#pragma once
// AES-256 in ECB mode, the cipher of encrypted pak indexes and entries. The work is
// done by the platform's cryptography (OpenSSL's libcrypto, or CNG on Windows).
#include <cstddef>
#include <cstdint>
#include <memory>

#include "AesKey.h"

namespace pakmole {

// Decrypts AES-256 in ECB mode (each 16-byte block on its own), in place.
class Aes256EcbDecryptor {
public:
    explicit Aes256EcbDecryptor(const AesKey& key);
    ~Aes256EcbDecryptor();
    Aes256EcbDecryptor(const Aes256EcbDecryptor&) = delete;
    Aes256EcbDecryptor& operator=(const Aes256EcbDecryptor&) = delete;

    // size must be a multiple of 16 (throws pakmole::Exception otherwise); 0 does nothing.
    // Safe to call from several threads at once on one object.
    void Decrypt(uint8_t* data, std::size_t size) const;

private:
    // The platform's part: size is a non-zero multiple of 16.
    void DecryptBlocks(uint8_t* data, std::size_t size) const;

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace pakmole
