#pragma once
// The system colours of the running Windows session.
#include "skin/data/SystemColors.h"

namespace pakmole {

class TWinSystemColors : public SystemColors {
public:
    int32_t SysColor(int index) const override;
};

const SystemColors& WinSystemColors();

}  // namespace pakmole
