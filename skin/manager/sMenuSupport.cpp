#include "skin/manager/sMenuSupport.h"

namespace pakmole {

void TvlMenuSupport::FillEmptyWithDefaults() {
    if (IcoLineSkin.empty()) IcoLineSkin = "ICOLINE";
}

}  // namespace pakmole
