#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HexBytes.h"
#include "base/Aes256Ctr.h"
#include "base/AesKey.h"

namespace pakmole {
namespace {

using test::HexBytes;

AesCtrIv IvFromHex(const std::string& hex) {
    const std::vector<uint8_t> bytes = HexBytes(hex);
    AesCtrIv iv{};
    std::copy(bytes.begin(), bytes.end(), iv.begin());
    return iv;
}

// CTR-AES256 of NIST SP 800-38A (F.5.5): its initial counter block
// f0..ff is the IV f0..fb with block number 0xfcfdfeff.
const std::string kNistKey = "603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4";
const std::string kNistPlain =
    "6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51 "
    "30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710";
const std::string kNistCipher =
    "601ec313775789a5b7a7f504bbf3d228 f443e3ca4d62b59aca84e990cacaf5c5 "
    "2b0930daa23de94ce87017ba2d84988d dfc9c58db67aada613c2dd08457941a6";

TEST(Aes256Ctr, KnownAnswersBothWays) {
    const Aes256Ctr aes(ParseAesKey("0x" + kNistKey));
    const AesCtrIv iv = IvFromHex("f0f1f2f3f4f5f6f7f8f9fafb");
    std::vector<uint8_t> data = HexBytes(kNistPlain);
    aes.Apply(iv, 0xfcfdfeff, data.data(), data.size());
    EXPECT_EQ(data, HexBytes(kNistCipher));
    aes.Apply(iv, 0xfcfdfeff, data.data(), data.size());
    EXPECT_EQ(data, HexBytes(kNistPlain));

    // A run that starts further on, or ends inside a block, sees the same
    // key stream there.
    std::vector<uint8_t> tail = HexBytes(kNistPlain);
    tail.erase(tail.begin(), tail.begin() + 32);
    tail.resize(21);
    aes.Apply(iv, 0xfcfdff01, tail.data(), tail.size());
    const std::vector<uint8_t> cipher = HexBytes(kNistCipher);
    EXPECT_EQ(tail, std::vector<uint8_t>(cipher.begin() + 32, cipher.begin() + 53));
}

// The first counter block of a v15 pak's index: its IV and block 0 under the
// pak's key encrypt to the key stream its first index bytes were XORed with.
TEST(Aes256Ctr, ThePakIndexKeyStreamOfARealPak) {
    const Aes256Ctr aes(ParseAesKey("Q1VFNFBhcnNlRml4dHVyZUFFU0tleTAxMjM0NTY3ODk="));
    std::vector<uint8_t> data = HexBytes("83BF33BF4B742E06");
    aes.Apply(IvFromHex("47C15EDEFA6F0258E2339E49"), 0, data.data(), data.size());
    EXPECT_EQ(data, HexBytes("2D0000002E2E2F2E"));
}

// The block number is a 32-bit field: after 0xffffffff comes 0, and the
// IV is left as it is.
TEST(Aes256Ctr, TheBlockNumberWrapsWithinItsField) {
    const Aes256Ctr aes(ParseAesKey("0x" + kNistKey));
    const AesCtrIv iv = IvFromHex("000102030405060708090a0b");
    std::vector<uint8_t> across(40, 0);
    aes.Apply(iv, 0xffffffff, across.data(), across.size());
    std::vector<uint8_t> last(16, 0), first(24, 0);
    aes.Apply(iv, 0xffffffff, last.data(), last.size());
    aes.Apply(iv, 0, first.data(), first.size());
    last.insert(last.end(), first.begin(), first.end());
    EXPECT_EQ(across, last);
}

}  // namespace
}  // namespace pakmole
