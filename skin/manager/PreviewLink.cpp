#include "skin/manager/PreviewLink.h"

#include "skin/manager/CommandSwitches.h"
#include "skin/manager/PreviewBlock.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {
namespace {

bool linkInUse = false;
HWND previewForm = nullptr;
bool handlingBlock = false;

constexpr int kConnectAttempts = 101;
constexpr WPARAM kConnect = 3;
constexpr WPARAM kEditorCloses = 1;
constexpr WPARAM kEditorAsksAlive = 4;

bool TakeBlock(const COPYDATASTRUCT& data) {
    const auto block = ReadPreviewBlock(data.lpData, data.cbData);
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!block || !manager) return false;
    linkInUse = true;
    manager->LoadPreviewSkin(block->SkinDirectory, block->SkinName, block->Options);
    return true;
}

}  // namespace

bool PreviewLinkInUse() { return linkInUse; }

HWND PreviewForm() { return previewForm; }

bool ConnectPreviewEditor(HWND form) {
    if (!form || !PreviewSwitchGiven(ProgramArguments())) return false;
    HWND editor = FindWindowA(nullptr, "Velourskins Editor");
    if (!editor) return false;
    previewForm = form;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt)
        if (SendMessageA(editor, WM_VLPREVIEW, kConnect, reinterpret_cast<LPARAM>(form)) == 1) return true;
    return false;
}

bool HandlePreviewMessage(HWND form, TMessage& message) {
    if (message.Msg == WM_VLPREVIEW) {
        if (message.WParam == kEditorCloses) {
            PostMessageA(form, WM_CLOSE, 0, 0);
            message.Result = 0;
            return true;
        }
        if (message.WParam == kEditorAsksAlive) {
            message.Result = 1;
            return true;
        }
        return false;
    }
    if (message.Msg != WM_COPYDATA) return false;
    // A block is taken only by the form the editor was told about, and one
    // at a time: loading may pump messages and let the next block in.
    if (!form || form != previewForm) return false;
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
    message.Result = 0;
    if (handlingBlock || !data) return true;
    handlingBlock = true;
    try {
        message.Result = TakeBlock(*data) ? 1 : 0;
    } catch (const std::exception& error) {
        ShowSkinMessage(TsSkinMessageKind::smError, error.what());
    }
    handlingBlock = false;
    return true;
}

}  // namespace pakmole
