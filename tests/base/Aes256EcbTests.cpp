#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "HexBytes.h"
#include "base/Aes256Ecb.h"
#include "base/AesKey.h"
#include "base/Exceptions.h"

namespace pakmole {
namespace {

using test::HexBytes;

AesKey KeyFromHex(const std::string& hex) { return ParseAesKey("0x" + hex); }

std::vector<uint8_t> Repeated(const std::vector<uint8_t>& bytes, int times) {
    std::vector<uint8_t> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

struct KnownAnswer {
    const char* name;
    std::string keyHex;
    std::string cipherHex;
    std::string plainHex;
    // Copies of the text decrypted in one call: equal blocks must give equal
    // blocks wherever they stand, since nothing chains them.
    int repeat;
};

class Aes256EcbKnownAnswer : public ::testing::TestWithParam<KnownAnswer> {};

TEST_P(Aes256EcbKnownAnswer, DecryptsInPlace) {
    const KnownAnswer& c = GetParam();
    std::vector<uint8_t> data = Repeated(HexBytes(c.cipherHex), c.repeat);
    Aes256EcbDecryptor(KeyFromHex(c.keyHex)).Decrypt(data.data(), data.size());
    EXPECT_EQ(data, Repeated(HexBytes(c.plainHex), c.repeat));
}

const std::string kFipsKey = "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f";
const std::string kEcbKey = "603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4";
const std::string kEcbCipher =
    "f3eed1bdb5d2a03c064b5a7e3db181f8 591ccb10d410ed26dc5ba74a31362870 "
    "b6ed21b99ca6f4f9f153e7b1beafed1d 23304b7a39f9f3ff067d8d8f9e24ecc7";
const std::string kEcbPlain =
    "6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51 "
    "30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710";
const std::string kRealKeyHex = "94D25BC3AEB420E0BE914EDC9D5435A1EAAB5F2864E09E94019AC205B727A7DE";

INSTANTIATE_TEST_SUITE_P(
    Vectors, Aes256EcbKnownAnswer,
    ::testing::Values(
        // The AES-256 example of the AES standard (FIPS-197, appendix C.3).
        KnownAnswer{"Fips197", kFipsKey, "8ea2b7ca516745bfeafc49904b496089", "00112233445566778899aabbccddeeff", 1},
        // The four-block ECB-AES256 example of NIST SP 800-38A (F.1.6).
        KnownAnswer{"Sp80038aFourBlocks", kEcbKey, kEcbCipher, kEcbPlain, 1},
        KnownAnswer{"Sp80038aRepeatedPast64KiB", kEcbKey, kEcbCipher, kEcbPlain, 1100},
        // The first index bytes of a real encrypted v5 pak: the String length 21 and
        // the start of "../mount/point/root/".
        KnownAnswer{"RealPakIndexStart", kRealKeyHex, "C38BA74C4F1092F071C874CC0BF0B629",
                    "150000002E2E2F6D6F756E742F706F69", 1}),
    [](const auto& info) { return std::string(info.param.name); });

class Aes256EcbSize : public ::testing::TestWithParam<std::size_t> {};

TEST_P(Aes256EcbSize, NotWholeBlocksIsRefusedAndLeavesTheBytes) {
    std::vector<uint8_t> data(GetParam(), 0xA5);
    const Aes256EcbDecryptor aes(KeyFromHex(kFipsKey));
    EXPECT_THROW(aes.Decrypt(data.data(), data.size()), Exception);
    EXPECT_EQ(data, std::vector<uint8_t>(GetParam(), 0xA5));
}

INSTANTIATE_TEST_SUITE_P(PartBlocks, Aes256EcbSize, ::testing::Values(1, 15, 17, 31, 65535));

TEST(Aes256Ecb, ZeroBytesIsNothingToDo) {
    const Aes256EcbDecryptor aes(KeyFromHex(kFipsKey));
    EXPECT_NO_THROW(aes.Decrypt(nullptr, 0));
    uint8_t byte = 0x5A;
    EXPECT_NO_THROW(aes.Decrypt(&byte, 0));
    EXPECT_EQ(byte, 0x5A);
}

TEST(Aes256Ecb, ManyThreadsShareOneDecryptor) {
    const Aes256EcbDecryptor aes(KeyFromHex(kEcbKey));
    // Each thread has its own text (rotated by a block per thread, of its own length):
    // one that used another's state would come out wrong.
    constexpr int kThreads = 4;
    std::vector<std::vector<uint8_t>> cipher(kThreads), plain(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        cipher[t] = Repeated(HexBytes(kEcbCipher), 64 * (t + 1));
        plain[t] = Repeated(HexBytes(kEcbPlain), 64 * (t + 1));
        std::rotate(cipher[t].begin(), cipher[t].begin() + 16 * t, cipher[t].end());
        std::rotate(plain[t].begin(), plain[t].begin() + 16 * t, plain[t].end());
    }
    std::vector<int> wrong(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 50; ++round) {
                std::vector<uint8_t> data = cipher[t];
                aes.Decrypt(data.data(), data.size());
                if (data != plain[t]) ++wrong[t];
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrong, std::vector<int>(kThreads, 0));
}

}  // namespace
}  // namespace pakmole
