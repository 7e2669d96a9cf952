#include "skin/controls/edits/sFilenameEdit.h"

#include <windows.h>

#include "base/Exceptions.h"
#include "base/FileSystem.h"

namespace pakmole {

const char* const TsFilenameEdit::kAllFilesFilter = "All files (*.*)|*.*";

TsFilenameEdit::TsFilenameEdit(TComponent* owner) : TsFileDirEdit(owner) {
    SkinData().ControlKind = ckFilenameEdit;
    defaultGlyphIndex_ = 0;
    CreateEditDialog();
}

bool TsFilenameEdit::IsValidFileName(const std::string& name) {
    return !name.empty() && name.find_first_of("<>\"|*?/") == std::string::npos;
}

void TsFilenameEdit::SetFileName(const std::string& name) {
    if (!name.empty() && !IsValidFileName(name)) throw Exception("Invalid file name");
    SetText(name);
    ResetFileList();
}

void TsFilenameEdit::ResetFileList() { dialog_->Files.clear(); }

void TsFilenameEdit::SetDialogKind(TFileDialogKind kind) {
    if (kind == dialogKind_) return;
    dialogKind_ = kind;
    CreateEditDialog();
}

void TsFilenameEdit::CreateEditDialog() {
    TOpenDialog* made = nullptr;
    switch (dialogKind_) {
    case TFileDialogKind::dkOpen:
    case TFileDialogKind::dkOpenPicture: {
        auto* open = new TsOpenDialog(this);
        open->ZipShowing = TZipShowing::zsAsFile;
        made = open;
        break;
    }
    case TFileDialogKind::dkSave:
    case TFileDialogKind::dkSavePicture:
        made = new TsSaveDialog(this);
        break;
    }
    if (TOpenDialog* old = dialog_) {
        made->DefaultExt = old->DefaultExt;
        made->FileName = old->FileName;
        made->Filter = old->Filter;
        made->FilterIndex = old->FilterIndex;
        made->InitialDir = old->InitialDir;
        made->HistoryList = old->HistoryList;
        made->Files = old->Files;
        made->Options = old->Options;
        made->Title = old->Title;
        dialog_ = made;
        old->Free();
    } else {
        made->Filter = kAllFilesFilter;
        made->Options = ofHideReadOnly | ofEnableSizing;
        dialog_ = made;
    }
}

void TsFilenameEdit::SetDialogOptions(TOpenOptions options) {
    if (options == dialog_->Options) return;
    dialog_->Options = options;
    multipleSelection_ = (options & ofAllowMultiSelect) != 0;
    if (!multipleSelection_) dialog_->Files.clear();
}

namespace {
std::string FileNamePart(const std::string& path) {
    const size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ConvertedPath(const std::string& path, bool longNames) {
    if (path.empty()) return path;
    const DWORD needed = longNames ? GetLongPathNameA(path.c_str(), nullptr, 0)
                                   : GetShortPathNameA(path.c_str(), nullptr, 0);
    if (needed == 0) return path;  // not an existing path: the text as it is
    std::string result(needed, '\0');
    const DWORD got = longNames ? GetLongPathNameA(path.c_str(), result.data(), needed)
                                : GetShortPathNameA(path.c_str(), result.data(), needed);
    if (got == 0 || got >= needed) return path;
    result.resize(got);
    return result;
}
}  // namespace

std::string TsFilenameEdit::ExpandedText() const { return ConvertedPath(Text(), true); }
std::string TsFilenameEdit::CompactText() const { return ConvertedPath(Text(), false); }

void TsFilenameEdit::RunButtonAction() {
    TsFileDirEdit::RunButtonAction();
    std::string name = Text();
    bool action = true;
    FireBeforeDialog(name, action);
    if (!action) return;

    if (IsValidFileName(name)) {
        const std::string folder = ExtractFilePath(name);
        if (!folder.empty() && DirectoryExists(folder)) dialog_->InitialDir = folder;
        if (FileNamePart(name).empty()) name.clear();
        dialog_->FileName = name;
    }
    dialog_->HelpContext = HelpContext();
    action = dialog_->Execute();
    if (action) name = dialog_->FileName;
    if (CanFocus()) SetFocus();
    // The handler sees the text as it stood before the dialog.
    FireAfterDialog(name, action);
    if (action) {
        SetText(name);
        dialog_->InitialDir = ExtractFilePath(dialog_->FileName);
    }
}

void TsFilenameEdit::TakeDroppedName(const std::string& name) {
    if (multipleSelection_) {
        if (dialog_->Files.empty()) SetFileName(name);
        dialog_->Files.push_back(name);
    } else {
        SetFileName(name);
    }
}

}  // namespace pakmole
