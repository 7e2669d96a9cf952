#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HexBytes.h"
#include "base/AesKey.h"
#include "base/Exceptions.h"

namespace pakmole {
namespace {

using test::HexBytes;
using ::testing::HasSubstr;

// The key of the encrypted real paks, in the forms users paste it.
constexpr char kRealBase64[] = "lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94=";
constexpr char kRealHex[] = "94D25BC3AEB420E0BE914EDC9D5435A1EAAB5F2864E09E94019AC205B727A7DE";
constexpr char kRealHexLower[] = "94d25bc3aeb420e0be914edc9d5435a1eaab5f2864e09e94019ac205b727a7de";

std::vector<uint8_t> Bytes(const AesKey& key) { return {key.bytes.begin(), key.bytes.end()}; }

struct ValidCase {
    const char* name;
    std::string text;
    std::string expectedHex;
};

class ValidAesKey : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidAesKey, GivesTheKeyBytes) {
    EXPECT_EQ(Bytes(ParseAesKey(GetParam().text)), HexBytes(GetParam().expectedHex));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ValidAesKey,
    ::testing::Values(
        ValidCase{"Base64", kRealBase64, kRealHex},
        ValidCase{"Base64WithoutPadding", std::string(kRealBase64).substr(0, 43), kRealHex},
        ValidCase{"HexUpper", std::string("0x") + kRealHex, kRealHex},
        ValidCase{"HexLower", std::string("0x") + kRealHexLower, kRealHex},
        ValidCase{"HexCapitalX", std::string("0X") + kRealHexLower, kRealHex},
        ValidCase{"HexMixedCase", "0x94d25BC3aeb420E0BE914EDC9D5435A1EAAB5F2864E09E94019AC205B727a7De", kRealHex},
        ValidCase{"HexWithoutPrefix", kRealHexLower, kRealHex},
        ValidCase{"SpacesAround", std::string("  ") + kRealBase64 + " ", kRealHex},
        ValidCase{"TabsAndNewline", std::string("\t0x") + kRealHex + "\r\n", kRealHex},
        ValidCase{"AllZeroHex", "0x" + std::string(64, '0'), std::string(64, '0')},
        ValidCase{"AllOnesBase64", std::string(42, '/') + "8=", std::string(64, 'f')},
        // Base64 whose first two characters happen to read "0x".
        ValidCase{"Base64StartingWith0x", "0xAbcdefghijklmnopqrstuvwxyz0123456789+/ABA=",
                  "d3101b71d79f8218a39259a7a29aabb2dbafc31cb3d35db7e39ebbf3dfbf0010"}),
    [](const auto& info) { return std::string(info.param.name); });

struct InvalidCase {
    const char* name;
    std::string text;
    std::string saysWhy;
};

class InvalidAesKey : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidAesKey, IsRefusedSayingWhatIsWrong) {
    try {
        ParseAesKey(GetParam().text);
        FAIL() << "accepted";
    } catch (const Exception& e) {
        EXPECT_THAT(e.what(), HasSubstr("the AES key must be 32 bytes, given as base64 or as 0x and 64 hex digits"));
        EXPECT_THAT(e.what(), HasSubstr(GetParam().saysWhy));
    }
}

const std::string kHex = kRealHex;
const std::string kBase64 = kRealBase64;

INSTANTIATE_TEST_SUITE_P(
    Mistakes, InvalidAesKey,
    ::testing::Values(
        InvalidCase{"Empty", "", "none was given"},
        InvalidCase{"OnlySpaces", " \t ", "none was given"},
        InvalidCase{"PrefixAlone", "0x", "followed by 0 hex digits"},
        InvalidCase{"HexOneDigitShort", "0x" + kHex.substr(1), "followed by 63 hex digits"},
        InvalidCase{"HexOneDigitLong", "0x" + kHex + "0", "followed by 65 hex digits"},
        InvalidCase{"HexOfSixteenBytes", "0x" + kHex.substr(0, 32), "followed by 32 hex digits"},
        InvalidCase{"HexWithLetterG", "0x" + kHex.substr(0, 10) + "G" + kHex.substr(11), "'G' is not a hex digit"},
        InvalidCase{"HexWithSpaceInside", "0x" + kHex.substr(0, 32) + " " + kHex.substr(32), "a space is not a hex digit"},
        // Without 0x, 62 hex digits are read as base64, which they are not as a key.
        InvalidCase{"BareHexTwoDigitsShort", kHex.substr(2), "holds 46 bytes"},
        InvalidCase{"Base64OfSixteenBytes", "AAECAwQFBgcICQoLDA0ODw==", "holds 16 bytes"},
        InvalidCase{"Base64OfThirtyOneBytes", kBase64.substr(0, 40) + "AA==", "holds 31 bytes"},
        InvalidCase{"Base64OfThirtyThreeBytes", kBase64.substr(0, 43) + "A", "holds 33 bytes"},
        InvalidCase{"Base64CutShort", kBase64.substr(0, 41), "a character too many or too few"},
        InvalidCase{"Base64WithStar", "*" + kBase64.substr(1), "'*' is neither a hex digit nor a base64 character"},
        InvalidCase{"Base64UrlAlphabet", kBase64.substr(0, 12) + "-" + kBase64.substr(13), "'-' is neither"},
        InvalidCase{"Base64WithSpaceInside", kBase64.substr(0, 20) + " " + kBase64.substr(20), "a space is neither"},
        InvalidCase{"ControlCharacter", kBase64.substr(0, 20) + "\x01" + kBase64.substr(21), "the byte 0x01"},
        InvalidCase{"NonAscii", kBase64.substr(0, 20) + "\xC3\xA9" + kBase64.substr(22), "the byte 0xC3"},
        InvalidCase{"EmbeddedNul", std::string(kBase64).replace(5, 1, 1, '\0'), "the byte 0x00"},
        InvalidCase{"PaddingInTheMiddle", kBase64.substr(0, 20) + "=" + kBase64.substr(21), "'=' may only end"},
        InvalidCase{"TooMuchPadding", kBase64 + "=", "too much '=' padding"},
        // "=" after 42 characters would leave bits set that 32 bytes do not have.
        InvalidCase{"NonCanonicalLastCharacter", kBase64.substr(0, 42) + "5=", "not one that ends 32 bytes"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pakmole
