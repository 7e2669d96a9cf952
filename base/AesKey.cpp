#include "AesKey.h"

#include <cstdio>
#include <string>

#include "Exceptions.h"

namespace pakmole {

namespace {

constexpr std::size_t kKeySize = 32;
constexpr std::size_t kHexDigits = 2 * kKeySize;

Exception BadKey(const std::string& what) {
    return Exception("the AES key must be 32 bytes, given as base64 or as 0x and 64 hex digits: " + what);
}

// A character named so that a control or non-ASCII byte reads clearly in a message.
std::string Quoted(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F) return std::string("'") + c + "'";
    if (byte == ' ') return "a space";
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return std::string("the byte ") + text;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool AllHex(std::string_view text) {
    for (char c : text)
        if (HexValue(c) < 0) return false;
    return true;
}

AesKey FromHex(std::string_view digits) {
    for (char c : digits)
        if (HexValue(c) < 0) throw BadKey(Quoted(c) + " is not a hex digit");
    if (digits.size() != kHexDigits)
        throw BadKey("0x is followed by " + std::to_string(digits.size()) + " hex digits");
    AesKey key;
    for (std::size_t i = 0; i < kKeySize; ++i)
        key.bytes[i] = static_cast<uint8_t>(HexValue(digits[2 * i]) << 4 | HexValue(digits[2 * i + 1]));
    return key;
}

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Standard base64 (RFC 4648), padding optional. Only the one canonical spelling of
// 32 bytes is taken: a mistyped last character then tends to be refused instead of
// opening nothing. Returns what is wrong, or nothing when `key` was filled.
std::string DecodeBase64(std::string_view text, AesKey& key) {
    std::size_t padding = 0;
    while (!text.empty() && text.back() == '=') {
        text.remove_suffix(1);
        ++padding;
    }
    for (char c : text) {
        if (c == '=') return "'=' may only end the base64 text";
        if (Base64Value(c) < 0) return Quoted(c) + " is neither a hex digit nor a base64 character";
    }
    if (text.size() % 4 == 1) return "the base64 text has a character too many or too few";
    const std::size_t decoded = text.size() * 6 / 8;
    if (decoded != kKeySize) return "the base64 text holds " + std::to_string(decoded) + " bytes";
    // 32 bytes take 43 characters and one '=' of padding.
    if (padding > 1) return "the base64 text has too much '=' padding";

    uint32_t bits = 0;
    int count = 0;
    std::size_t out = 0;
    for (char c : text) {
        bits = bits << 6 | static_cast<uint32_t>(Base64Value(c));
        count += 6;
        if (count >= 8) {
            count -= 8;
            key.bytes[out++] = static_cast<uint8_t>(bits >> count);
        }
    }
    if ((bits & ((1u << count) - 1)) != 0) return "the last base64 character is not one that ends 32 bytes";
    return {};
}

bool HasHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

}  // namespace

AesKey ParseAesKey(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) throw BadKey("none was given");
    AesKey key;
    if (HasHexPrefix(text)) {
        // One base64 key in 4096 starts with "0x" as well.
        if (!AllHex(text.substr(2)) && DecodeBase64(text, key).empty()) return key;
        return FromHex(text.substr(2));
    }
    // 64 hex digits never spell 32 bytes in base64 (they would be 48), so the bare
    // hex form cannot be mistaken for the other one.
    if (text.size() == kHexDigits && AllHex(text)) return FromHex(text);
    if (const std::string error = DecodeBase64(text, key); !error.empty()) throw BadKey(error);
    return key;
}

}  // namespace pakmole
