#pragma once
// AES-256 in ECB mode the other way round, to write encrypted paks (native
// tests only: the program itself only ever decrypts).
#include <string>

#include "base/AesKey.h"

namespace pakmole::test {

// data: whole 16-byte blocks.
std::string EncryptAes256Ecb(const std::string& data, const AesKey& key);

}  // namespace pakmole::test
