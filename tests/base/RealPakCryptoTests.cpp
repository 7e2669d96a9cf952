// The cipher and the digest against paks written by the engine's packer: the index
// decrypted with the published key must hash to the SHA-1 stored in the footer.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/Aes256Ecb.h"
#include "base/AesKey.h"
#include "base/Sha1.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

constexpr char kRealKey[] = "lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94=";

uint64_t Uint64At(const std::string& bytes, std::size_t at) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// What the footer says of the index. The fields after the magic are laid out alike in
// every version these paks have (5 to 9): version, index offset, index size, index SHA-1;
// the encrypted-index flag is the byte before the magic.
struct Footer {
    bool encryptedIndex;
    uint64_t indexOffset;
    uint64_t indexSize;
    Sha1Digest indexSha1;
};

Footer ReadFooter(const std::string& pak) {
    const std::string magic("\xE1\x12\x6F\x5A", 4);
    const std::size_t at = pak.rfind(magic);
    if (at == std::string::npos || at + 44 > pak.size()) throw std::runtime_error("no pak footer");
    Footer footer{pak[at - 1] == 1, Uint64At(pak, at + 8), Uint64At(pak, at + 16), {}};
    std::copy_n(pak.begin() + static_cast<std::ptrdiff_t>(at + 24), 20, footer.indexSha1.begin());
    return footer;
}

std::vector<uint8_t> Index(const std::string& pak, const Footer& footer) {
    if (footer.indexOffset + footer.indexSize > pak.size()) throw std::runtime_error("index past the end");
    const auto* start = reinterpret_cast<const uint8_t*>(pak.data()) + footer.indexOffset;
    return {start, start + footer.indexSize};
}

class RealPakIndex : public ::testing::TestWithParam<const char*> {};

TEST_P(RealPakIndex, HashesToTheFooterSha1OnlyWithItsKey) {
    const std::string pak = test::ReadWholeFile(test::SharedPath(std::string("realpaks/repak/") + GetParam()));
    const Footer footer = ReadFooter(pak);
    std::vector<uint8_t> index = Index(pak, footer);
    ASSERT_EQ(footer.encryptedIndex, std::string(GetParam()).find("encryptindex") != std::string::npos);
    if (footer.encryptedIndex) {
        AesKey otherKey = ParseAesKey(kRealKey);
        otherKey.bytes[31] ^= 1;
        std::vector<uint8_t> wrong = index;
        Aes256EcbDecryptor(otherKey).Decrypt(wrong.data(), wrong.size());
        EXPECT_NE(Sha1(wrong.data(), wrong.size()), footer.indexSha1);

        Aes256EcbDecryptor(ParseAesKey(kRealKey)).Decrypt(index.data(), index.size());
    }
    EXPECT_EQ(Sha1Hex(Sha1(index.data(), index.size())), Sha1Hex(footer.indexSha1));
    // The index starts with the mount point: length 21, then "../mount/point/root/" and NUL.
    const std::string start(index.begin(), index.begin() + 25);
    EXPECT_EQ(start, std::string("\x15\0\0\0../mount/point/root/\0", 25));
}

INSTANTIATE_TEST_SUITE_P(
    Repak, RealPakIndex,
    ::testing::Values("pack_v5.pak", "pack_v5_encryptindex.pak", "pack_v5_compress_encrypt_encryptindex.pak",
                      "pack_v7_compress.pak", "pack_v7_encryptindex.pak", "pack_v7_encrypt_encryptindex.pak",
                      "pack_v8a_encrypt.pak", "pack_v8a_compress_encryptindex.pak",
                      "pack_v8a_encrypt_encryptindex.pak", "pack_v9_encryptindex.pak",
                      "pack_v9_compress_encrypt_encryptindex.pak", "pack_v9_compress_encryptindex.pak"),
    [](const auto& info) {
        std::string name = info.param;
        name = name.substr(0, name.find('.'));
        for (char& c : name)
            if (c == '_') c = 'X';
        return name;
    });

}  // namespace
}  // namespace pakmole
