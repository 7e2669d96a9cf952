#include "skin/manager/SkinMessages.h"

#include <windows.h>

#include <utility>

#include "ui/Application.h"

namespace pakmole {
namespace {

TsSkinMessageSink& Sink() {
    static TsSkinMessageSink sink;
    return sink;
}

UINT IconOf(TsSkinMessageKind kind) {
    switch (kind) {
        case TsSkinMessageKind::smError: return MB_ICONERROR;
        case TsSkinMessageKind::smWarning: return MB_ICONWARNING;
        case TsSkinMessageKind::smInformation: break;
    }
    return MB_ICONINFORMATION;
}

}  // namespace

TsSkinMessageSink SetSkinMessageSink(TsSkinMessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

void ShowSkinMessage(TsSkinMessageKind kind, const std::string& text) {
    if (Sink()) {
        Sink()(kind, text);
        return;
    }
    const TApplication* app = Application();
    const std::string caption = app ? app->Title() : std::string();
    MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL | IconOf(kind));
}

}  // namespace pakmole
