#include "skin/data/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pakmole {

bool TryStrToInt(std::string_view text, int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const std::string_view digits = text.substr(2);
        if (digits.size() > 8) return false;
        uint32_t bits = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
        if (ec != std::errc() || end != digits.data() + digits.size()) return false;
        value = static_cast<int32_t>(bits);
        return true;
    }
    std::string_view digits = text;
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    if (digits.empty() || digits[0] == '+' || (digits[0] == '-' && text[0] == '+')) return false;
    int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed, 10);
    if (ec != std::errc() || end != digits.data() + digits.size()) return false;
    value = parsed;
    return true;
}

int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value)) throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

bool TryStrToFloat(std::string_view text, double& value) {
    std::string_view digits = text;
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    if (digits.empty() || digits[0] == '+') return false;
    double parsed = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

int16_t SaturateInt16(int32_t value) {
    return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

uint8_t SaturateByte(int32_t value) { return static_cast<uint8_t>(std::clamp<int32_t>(value, 0, UINT8_MAX)); }

}  // namespace pakmole
