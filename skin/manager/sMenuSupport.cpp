#include "skin/manager/sMenuSupport.h"

#include "ui/Font.h"

namespace pakmole {

TvlMenuSupport::TvlMenuSupport() : extraLineFont_(std::make_unique<TFont>()) {}

TvlMenuSupport::~TvlMenuSupport() = default;

void TvlMenuSupport::FillEmptyWithDefaults() {
    if (IcoLineSkin.empty()) IcoLineSkin = "ICOLINE";
}

}  // namespace pakmole
