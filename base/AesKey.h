#pragma once
// The AES-256 key that opens an encrypted pak, parsed from the text a user types.
#include <array>
#include <cstdint>
#include <string_view>

namespace pakmole {

// A 256-bit AES key as the user writes it: base64 of the 32 bytes
// ("lNJbw660IOC+kU7cnVQ1oeqrXyhk4J6UAZrCBbcnp94=", the final "=" may be left out)
// or "0x" + 64 hex digits (either case). Surrounding white space is ignored; a hex
// form without "0x" is accepted too.
struct AesKey {
    std::array<uint8_t, 32> bytes{};
};

// Throws pakmole::Exception when the text is not a valid key. The message starts with
// "the AES key must be 32 bytes, given as base64 or as 0x and 64 hex digits" and then
// says what is wrong with this text, without repeating the text itself.
AesKey ParseAesKey(std::string_view text);

}  // namespace pakmole
