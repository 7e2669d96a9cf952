#pragma once
// The file-name edit: its button runs a file dialog and the chosen name
// becomes the text. Names set through FileName are checked first.
#include <string>
#include <vector>

#include "skin/controls/edits/sDialogs.h"
#include "skin/controls/edits/sFileDirEdit.h"

namespace pakmole {

enum class TFileDialogKind { dkOpen, dkSave, dkOpenPicture, dkSavePicture };

class TsFilenameEdit : public TsFileDirEdit {
public:
    explicit TsFilenameEdit(TComponent* owner);
    std::string ClassName() const override { return "TsFilenameEdit"; }

    static const char* const kAllFilesFilter;

    // The text, unchanged.
    std::string FileName() const { return Text(); }
    // Refuses a non-empty name holding < > " | * ? or / ("Invalid file name");
    // an accepted name becomes the text and the selected files are forgotten.
    void SetFileName(const std::string& name);
    static bool IsValidFileName(const std::string& name);

    TFileDialogKind DialogKind() const { return dialogKind_; }
    void SetDialogKind(TFileDialogKind kind);
    TOpenDialog* Dialog() const { return dialog_; }

    std::string DefaultExt() const { return dialog_->DefaultExt; }
    void SetDefaultExt(const std::string& ext) { dialog_->DefaultExt = ext; }
    std::string Filter() const { return dialog_->Filter; }
    void SetFilter(const std::string& filter) { dialog_->Filter = filter; }
    bool FilterStored() const { return dialog_->Filter != kAllFilesFilter; }
    int FilterIndex() const { return dialog_->FilterIndex; }
    void SetFilterIndex(int index) { dialog_->FilterIndex = index; }
    std::string InitialDir() const { return dialog_->InitialDir; }
    void SetInitialDir(const std::string& dir) { dialog_->InitialDir = dir; }
    std::vector<std::string>& HistoryList() { return dialog_->HistoryList; }
    TOpenOptions DialogOptions() const { return dialog_->Options; }
    void SetDialogOptions(TOpenOptions options);
    // The selected files (several with ofAllowMultiSelect).
    const std::vector<std::string>& FileList() const { return dialog_->Files; }

    std::string ExpandedText() const override;
    std::string CompactText() const override;

protected:
    void RunButtonAction() override;
    void TakeDroppedName(const std::string& name) override;
    void ResetFileList() override;

private:
    void CreateEditDialog();

    TFileDialogKind dialogKind_ = TFileDialogKind::dkOpen;
    TOpenDialog* dialog_ = nullptr;
};

}  // namespace pakmole
