#include "Aes256Ecb.h"

#include <string>

#include "Exceptions.h"

namespace pakmole {

void Aes256EcbDecryptor::Decrypt(uint8_t* data, std::size_t size) const {
    if (size % 16 != 0)
        throw Exception("AES decryption needs whole 16-byte blocks, not " + std::to_string(size) + " bytes");
    if (size) DecryptBlocks(data, size);
}

}  // namespace pakmole
