#pragma once
// The common base of the file and folder edits: dialog events, dropped files.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "skin/controls/edits/sCustomComboEdit.h"

namespace pakmole {

// Called around the dialog with the name and the accept flag; a handler may change both.
using TExecOpenDialogEvent = std::function<void(TObject* sender, std::string& name, bool& action)>;

class TsFileDirEdit : public TsCustomComboEdit {
public:
    explicit TsFileDirEdit(TComponent* owner);
    std::string ClassName() const override { return "TsFileDirEdit"; }

    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool on);

    // The text with long and with short path names.
    virtual std::string ExpandedText() const = 0;
    virtual std::string CompactText() const = 0;

    TExecOpenDialogEvent OnBeforeDialog;
    TExecOpenDialogEvent OnAfterDialog;
    TNotifyEvent OnDropFiles;

    void WndProc(TMessage& message) override;

protected:
    virtual void TakeDroppedName(const std::string& name) = 0;
    virtual void ResetFileList() {}
    virtual void FireBeforeDialog(std::string& name, bool& action);
    virtual void FireAfterDialog(std::string& name, bool& action);
    void CreateHandleDone() override;
    void DestroyingHandle() override;
    void HandleDrop(HDROP drop);

    bool multipleSelection_ = false;

private:
    bool acceptFiles_ = false;
};

}  // namespace pakmole
