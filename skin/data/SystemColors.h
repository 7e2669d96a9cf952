#pragma once
// The platform's current system colours. A colour value 0xFF0000nn in a skin
// stands for system colour nn; the Windows side answers with GetSysColor, the
// portable side with the classic Windows defaults.
#include <cstdint>

namespace pakmole {

// System colour constants, as a skin writes them.
constexpr int32_t clScrollBar = static_cast<int32_t>(0xFF000000u);
constexpr int32_t clHighlight = static_cast<int32_t>(0xFF00000Du);
constexpr int32_t clHighlightText = static_cast<int32_t>(0xFF00000Eu);
constexpr int32_t clBtnFace = static_cast<int32_t>(0xFF00000Fu);
constexpr int32_t clWindow = static_cast<int32_t>(0xFF000005u);
constexpr int32_t clWindowText = static_cast<int32_t>(0xFF000008u);

class SystemColors {
public:
    virtual ~SystemColors() = default;
    // The colour (red in the low byte) of system colour index nn.
    virtual int32_t SysColor(int index) const = 0;

    // Colour resolution: a value with the high bit set becomes the current
    // system colour of its low byte; other values are unchanged.
    int32_t Resolve(int32_t color) const { return color < 0 ? SysColor(color & 0xFF) : color; }
};

// The classic Windows colour scheme, for hosts without system colours.
class ClassicSystemColors : public SystemColors {
public:
    int32_t SysColor(int index) const override;
};

const SystemColors& DefaultSystemColors();

}  // namespace pakmole
