#include "skin/controls/edits/sFileDirEdit.h"

#include <shellapi.h>

namespace pakmole {

namespace {
// DragFinish on every way out of a drop, the error path included.
class DropFinisher {
public:
    explicit DropFinisher(HDROP drop) : drop_(drop) {}
    ~DropFinisher() { DragFinish(drop_); }
    DropFinisher(const DropFinisher&) = delete;
    DropFinisher& operator=(const DropFinisher&) = delete;

private:
    HDROP drop_;
};
}  // namespace

TsFileDirEdit::TsFileDirEdit(TComponent* owner) : TsCustomComboEdit(owner) {
    SkinData().ControlKind = ckFileDirEdit;
    SetMaxLength(255);
}

void TsFileDirEdit::SetAcceptFiles(bool on) {
    if (on == acceptFiles_) return;
    acceptFiles_ = on;
    if (HandleAllocated()) DragAcceptFiles(handle_, on ? TRUE : FALSE);
}

void TsFileDirEdit::CreateHandleDone() {
    TsCustomComboEdit::CreateHandleDone();
    if (acceptFiles_) DragAcceptFiles(handle_, TRUE);
}

void TsFileDirEdit::DestroyingHandle() {
    if (acceptFiles_ && handle_) DragAcceptFiles(handle_, FALSE);
    TsCustomComboEdit::DestroyingHandle();
}

void TsFileDirEdit::FireBeforeDialog(std::string& name, bool& action) {
    if (OnBeforeDialog) OnBeforeDialog(this, name, action);
}

void TsFileDirEdit::FireAfterDialog(std::string& name, bool& action) {
    if (OnAfterDialog) OnAfterDialog(this, name, action);
}

void TsFileDirEdit::HandleDrop(HDROP drop) {
    DropFinisher finisher(drop);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 0) return;
    ResetFileList();
    for (UINT i = 0; i < count; ++i) {
        if (i > 0 && !multipleSelection_) break;
        // Each name is read whole, however long: a cut path would name
        // another file.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        const UINT got = DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(got <= length ? got : length);
        TakeDroppedName(name);
    }
    if (OnDropFiles) OnDropFiles(this);
}

void TsFileDirEdit::WndProc(TMessage& m) {
    if (m.Msg == WM_DROPFILES) {
        HandleDrop(reinterpret_cast<HDROP>(m.WParam));
        m.Result = 0;
        return;
    }
    TsCustomComboEdit::WndProc(m);
}

}  // namespace pakmole
