#include "skin/render/SystemMinimizeAnimation_win.h"

namespace pakmole {
namespace {

TSystemParametersInfoFunction systemParameters = nullptr;

BOOL Parameters(UINT action, UINT size, PVOID data, UINT flags) {
    return (systemParameters ? systemParameters : &SystemParametersInfoA)(action, size, data, flags);
}

bool SetSystemMinimizeAnimation(bool on) {
    ANIMATIONINFO info{sizeof(info), on ? 1 : 0};
    // For this session only: the user's stored setting is left alone.
    return Parameters(SPI_SETANIMATION, sizeof(info), &info, 0) != FALSE;
}

}  // namespace

bool SystemMinimizeAnimation() {
    ANIMATIONINFO info{sizeof(info), 0};
    return Parameters(SPI_GETANIMATION, sizeof(info), &info, 0) && info.iMinAnimate != 0;
}

TSystemMinimizeAnimationOff::TSystemMinimizeAnimationOff() {
    // Only a setting that was on is put back on.
    if (SystemMinimizeAnimation()) switchedOff_ = SetSystemMinimizeAnimation(false);
}

TSystemMinimizeAnimationOff::~TSystemMinimizeAnimationOff() {
    if (switchedOff_) SetSystemMinimizeAnimation(true);
}

void ReplaceSystemParametersInfo(TSystemParametersInfoFunction replacement) { systemParameters = replacement; }

}  // namespace pakmole
