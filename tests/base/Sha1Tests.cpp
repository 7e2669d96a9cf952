#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Exceptions.h"
#include "base/Sha1.h"

namespace pakmole {
namespace {

// Feeds `bytes` to a hasher in pieces whose sizes cycle through `pieces`.
Sha1Digest Sha1InPieces(const std::string& bytes, const std::vector<std::size_t>& pieces) {
    Sha1Hasher hasher;
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t n = std::min(pieces[i % pieces.size()], bytes.size() - at);
        hasher.Update(bytes.data() + at, n);
        at += n;
    }
    return hasher.Final();
}

// Odd sizes around the 64-byte block of SHA-1 and a few large ones, with empty updates.
const std::vector<std::size_t> kOddPieces{1, 0, 63, 65, 7, 4097, 0, 131071, 3, 1000003};

struct KnownDigest {
    const char* name;
    std::string bytes;
    std::string sha1;
};

class Sha1KnownAnswer : public ::testing::TestWithParam<KnownDigest> {};

TEST_P(Sha1KnownAnswer, AtOnce) {
    const std::string& bytes = GetParam().bytes;
    EXPECT_EQ(Sha1Hex(Sha1(bytes.data(), bytes.size())), GetParam().sha1);
}

TEST_P(Sha1KnownAnswer, InOddPieces) { EXPECT_EQ(Sha1Hex(Sha1InPieces(GetParam().bytes, kOddPieces)), GetParam().sha1); }

// The examples of the SHA-1 standard (FIPS 180) and the digest of no bytes.
INSTANTIATE_TEST_SUITE_P(
    Vectors, Sha1KnownAnswer,
    ::testing::Values(KnownDigest{"Empty", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
                      KnownDigest{"Abc", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
                      KnownDigest{"TwoBlocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                                  "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
                      KnownDigest{"MillionA", std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sha1, MegabytesInPiecesEqualOneCall) {
    std::string bytes(5 * 1024 * 1024 + 3, '\0');
    uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    const Sha1Digest whole = Sha1(bytes.data(), bytes.size());
    EXPECT_EQ(Sha1InPieces(bytes, kOddPieces), whole);
    EXPECT_EQ(Sha1InPieces(bytes, {1 << 20}), whole);
    // A changed last byte must show, or the tail was never hashed.
    bytes.back() ^= 1;
    EXPECT_NE(Sha1(bytes.data(), bytes.size()), whole);
}

TEST(Sha1, HasherGivesItsDigestOnce) {
    Sha1Hasher hasher;
    hasher.Update("abc", 3);
    EXPECT_EQ(Sha1Hex(hasher.Final()), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_THROW(hasher.Final(), Exception);
    EXPECT_THROW(hasher.Update("d", 1), Exception);
}

TEST(Sha1, HexIsFortyLowercaseDigits) {
    Sha1Digest digest{};
    for (std::size_t i = 0; i < digest.size(); ++i) digest[i] = static_cast<uint8_t>(i * 13 + 0x0A);
    EXPECT_EQ(Sha1Hex(digest), "0a1724313e4b5865727f8c99a6b3c0cddae7f401");
}

}  // namespace
}  // namespace pakmole
