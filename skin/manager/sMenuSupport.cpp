#include "skin/manager/sMenuSupport.h"

#include "ui/Font.h"

namespace pakmole {

TvlMenuSupport::TvlMenuSupport() : extraLineFont_(std::make_unique<TFont>()) {}

TvlMenuSupport::~TvlMenuSupport() = default;

namespace {
TsMenuEngineMaker& RegisteredMaker() {
    static TsMenuEngineMaker maker = nullptr;
    return maker;
}
}  // namespace

void TvlMenuSupport::SetEngineMaker(TsMenuEngineMaker maker) { RegisteredMaker() = maker; }

TsMenuEngine* TvlMenuSupport::EngineOf(TsSkinManager* manager) {
    if (!Engine && RegisteredMaker()) Engine = RegisteredMaker()(manager);
    return Engine.get();
}

void TvlMenuSupport::FillEmptyWithDefaults() {
    if (IcoLineSkin.empty()) IcoLineSkin = "ICOLINE";
}

}  // namespace pakmole
