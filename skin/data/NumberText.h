#pragma once
// Numbers written in skin options: decimal integers with an optional sign,
// "0x"/"0X" hexadecimal (eight digits at most, so system colours such as
// 0xFF00000F read as the negative 32-bit value they stand for), and reals with
// "." as the decimal separator whatever the locale.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Exceptions.h"

namespace pakmole {

// A text that had to be a number was not one.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

bool TryStrToInt(std::string_view text, int32_t& value);
// Fails with "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t fallback);
bool TryStrToFloat(std::string_view text, double& value);

// A number read into a 16-bit or byte field: values beyond its range become
// its nearest end instead of wrapping round to something unrelated.
int16_t SaturateInt16(int32_t value);
uint8_t SaturateByte(int32_t value);

}  // namespace pakmole
