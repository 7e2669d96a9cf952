#pragma once
// Settings of skinned popup menus kept by the skin manager.
#include <string>

#include "ui/Object.h"

namespace pakmole {

class TvlMenuSupport : public TPersistent {
public:
    std::string ClassName() const override { return "TvlMenuSupport"; }
    // The skin section that paints the icon line of a menu; "ICOLINE" when
    // left empty once the manager has loaded.
    std::string IcoLineSkin;

    void FillEmptyWithDefaults();
};

}  // namespace pakmole
