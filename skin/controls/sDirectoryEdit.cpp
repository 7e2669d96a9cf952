#include "skin/controls/sDirectoryEdit.h"

#include "base/Exceptions.h"
#include "base/FileSystem.h"

namespace pakmole {

const char* const TsDirectoryEdit::kDialogMissingMessage =
    "The folder selection dialog is not available in this version";

TsDirectoryEdit::TsDirectoryEdit(TComponent* owner) : TsFileDirEdit(owner) {
    SkinData().ControlKind = ckDirectoryEdit;
    defaultGlyphIndex_ = 1;
}

std::string TsDirectoryEdit::ExpandedText() const { return Text(); }

void TsDirectoryEdit::RunButtonAction() {
    TsFileDirEdit::RunButtonAction();
    std::string name = Text();
    bool action = true;
    FireBeforeDialog(name, action);
    if (!action) return;
    // Said plainly rather than pretending that a folder was chosen.
    throw Exception(kDialogMissingMessage);
}

void TsDirectoryEdit::TakeDroppedName(const std::string& name) {
    const std::string folder = FileExists(name) ? ExtractFilePath(name) : name;
    if (MultipleDirs && !Text().empty())
        SetText(Text() + ";" + folder);
    else
        SetText(folder);
}

}  // namespace pakmole
