#pragma once
// The live preview link: a skin editor ("Velourskins Editor") pushes the skin
// it edits into the running program. Offered only when the program was
// started with "/vlpreview"; the form provider of the main form makes the
// connection and hands the link's messages here.
#include <windows.h>

#include "ui/Message.h"

namespace pakmole {

// A skin came through the link at least once in this process.
bool PreviewLinkInUse();

// Tells the editor which window to send skins to: message 0xA400 with
// wParam 3 and lParam the form's window, repeated until the editor answers 1
// (at most 101 times). False without the switch, without an editor, or when
// the editor never agrees. The form is remembered either way once an editor exists.
bool ConnectPreviewEditor(HWND form);

// The form the link was made for (nullptr when none).
HWND PreviewForm();

// Handles the link's messages arriving at a form: WM_COPYDATA with a skin
// block for the remembered form (result 1 when the skin was taken), and
// message 0xA400 from the editor (wParam 1 closes the form, wParam 4 answers
// 1). False for every other message.
bool HandlePreviewMessage(HWND form, TMessage& message);

}  // namespace pakmole
