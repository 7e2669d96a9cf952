#pragma once
// Bytes written as hex in a test table ("00 11 aa", spaces allowed).
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace pakmole::test {

inline std::vector<uint8_t> HexBytes(std::string_view hex) {
    auto value = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        throw std::invalid_argument("not hex");
    };
    std::vector<uint8_t> bytes;
    int high = -1;
    for (char c : hex) {
        if (c == ' ') continue;
        if (high < 0) {
            high = value(c);
        } else {
            bytes.push_back(static_cast<uint8_t>(high << 4 | value(c)));
            high = -1;
        }
    }
    if (high >= 0) throw std::invalid_argument("odd hex digits");
    return bytes;
}

}  // namespace pakmole::test
