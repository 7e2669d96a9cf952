#pragma once
// The background query exchanged with SKC_GETBGINFO: how a control learns
// what lies behind it in its parent (a picture with offsets, a colour, or
// "not ready yet"), and its conversion into the painters' background source.
#include <windows.h>

#include <array>
#include <cstdint>

#include "skin/data/Bitmap32.h"
#include "skin/render/BgSource.h"

namespace pakmole {

class TControl;
class TsSkinManager;

enum TBgKind : uint8_t { bgkNone = 0, bgkColor = 1, bgkBitmap = 2, bgkNotReady = 3 };

struct TBgQuery {
    const TBitmap32* Bitmap = nullptr;
    int32_t Color = 0;  // platform colour, may name a system colour
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    RECT ClipRect{};
    std::array<int32_t, 4> Insets{};  // left, top, right, bottom
    uint8_t BgKind = bgkNone;
    bool PaintInto = false;
    HDC DC = nullptr;
};

TBgSource BgSourceOfQuery(const TBgQuery& query);

// Fills query from parent. An unanswered query either makes the parent paint
// itself into query.DC (paintInto; the kind then stays bgkNone and the
// picture is in the DC) or falls back to the parent's colour.
void GetParentBg(TBgQuery& query, TControl* parent, bool paintInto);
// The same for a window that may not be one of ours; an unanswered query
// without paint-into takes the manager's main colour, or the system
// button-face colour without a manager.
void GetParentBg(TBgQuery& query, HWND parent, bool paintInto, const TsSkinManager* manager);

}  // namespace pakmole
