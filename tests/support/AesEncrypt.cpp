#include "AesEncrypt.h"

#include <openssl/evp.h>

#include <memory>
#include <stdexcept>

namespace pakmole::test {

std::string EncryptAes256Ecb(const std::string& data, const AesKey& key) {
    if (data.size() % 16 != 0) throw std::invalid_argument("AES-ECB needs whole 16-byte blocks");
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    std::string out(data.size() + 16, '\0');
    int written = 0, tail = 0;
    if (!context || EVP_EncryptInit_ex(context.get(), EVP_aes_256_ecb(), nullptr, key.bytes.data(), nullptr) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1 ||
        EVP_EncryptUpdate(context.get(), reinterpret_cast<unsigned char*>(out.data()), &written,
                          reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size())) != 1 ||
        EVP_EncryptFinal_ex(context.get(), reinterpret_cast<unsigned char*>(out.data()) + written, &tail) != 1)
        throw std::runtime_error("AES encryption failed");
    out.resize(static_cast<std::size_t>(written + tail));
    return out;
}

}  // namespace pakmole::test
