#include "PakDecryptor.h"

#include <string>

#include "base/Exceptions.h"

namespace pakmole {

void PakDecryptor::Decrypt(PakEncryption method, const AesCtrIv& iv, uint64_t firstBlock, uint8_t* data,
                           std::size_t size) const {
    switch (method) {
        case PakEncryption::AesEcb: ecb_.Decrypt(data, size); return;
        // The block number is a 32-bit field of the counter block.
        case PakEncryption::AesCtr: ctr_.Apply(iv, static_cast<uint32_t>(firstBlock), data, size); return;
        case PakEncryption::None: break;
    }
    throw Exception("the pak's encryption method " + std::to_string(static_cast<int>(method)) +
                    " is not one Pakmole knows");
}

}  // namespace pakmole
