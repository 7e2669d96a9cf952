#pragma once
// The file dialogs the file-name edit creates; they behave as the platform's.
#include "ui/OpenDialog.h"

namespace pakmole {

enum class TZipShowing { zsAsFolder, zsAsFile };

class TsOpenDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    std::string ClassName() const override { return "TsOpenDialog"; }
    // How archives would be listed; kept for stored descriptions, read by nothing.
    TZipShowing ZipShowing = TZipShowing::zsAsFolder;
};

class TsSaveDialog : public TSaveDialog {
public:
    using TSaveDialog::TSaveDialog;
    std::string ClassName() const override { return "TsSaveDialog"; }
};

}  // namespace pakmole
