// The stored description of TForm1: its properties and its components, in
// stored order, set while the form is loading.
#include "app/AppIcon.h"
#include "app/Unit1.h"
#include "skin/controls/edits/sDirectoryEdit.h"
#include "skin/controls/edits/sFilenameEdit.h"
#include "skin/controls/pathdialog/vlPathDialog.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/MainSkinManager.h"
#include "ui/Button.h"
#include "ui/Memo.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

namespace pakmole {

namespace {
constexpr TColor kEditColor = 3355443;  // red, green and blue 51
}

void TForm1::ReadStoredDescription() {
    BeginLoad();
    SetName("Form1");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetCaption("Pakmole by Tarvel v0.5");
    SetClientSize(459, 84);
    SetColor(clBtnFace);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    Font().SetColor(clWindowText);
    SetPosition(TPosition::poScreenCenter);
    SetIcon(CreateApplicationIcon());

    edt2 = new TsDirectoryEdit(this);
    edt2->SetName("edt2");
    edt2->SetParent(this);
    edt2->SetBounds(16, 32, 433, 21);
    edt2->SetVisible(false);
    edt2->SetText("Select folder for Unpacking");
    edt2->Root = "rfDesktop";
    edt2->SetMaxLength(255);
    edt2->SetColor(kEditColor);
    edt2->Font().SetColor(clSilver);
    edt2->SkinData().SetSkinSection("EDIT");
    edt2->SetTabOrder(4);

    Button1 = new TButton(this);
    Button1->SetName("Button1");
    Button1->SetParent(this);
    Button1->SetBounds(40, 432, 75, 25);
    Button1->SetCaption("Button1");
    Button1->SetVisible(false);
    Button1->SetTabOrder(0);

    PB = new TProgressBar(this);
    PB->SetName("PB");
    PB->SetParent(this);
    PB->SetBounds(0, 67, 459, 17);
    PB->SetAlign(TAlign::alBottom);
    PB->SetTabOrder(1);

    Button2 = new TButton(this);
    Button2->SetName("Button2");
    Button2->SetParent(this);
    Button2->SetBounds(16, 32, 433, 25);
    Button2->SetCaption("Unpack");
    Button2->SetTabOrder(2);
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };

    edt1 = new TsFilenameEdit(this);
    edt1->SetName("edt1");
    edt1->SetParent(this);
    edt1->SetBounds(16, 8, 433, 21);
    edt1->SetText(kPlaceholder);
    edt1->SetDirectInput(false);
    edt1->SetFilter("Pak-file of Unreal Engine 4 (*.pak)|*.pak|All files (*.*)|*.*");
    edt1->SetDialogOptions(ofFileMustExist | ofEnableSizing | ofForceShowHidden);
    edt1->SetMaxLength(255);
    edt1->SetColor(kEditColor);
    edt1->Font().SetColor(clSilver);
    edt1->SkinData().SetSkinSection("EDIT");
    edt1->OnAfterDialog = [this](TObject* sender, std::string& name, bool& action) {
        edt1AfterDialog(sender, name, action);
    };
    edt1->SetTabOrder(3);

    mmo1 = new TMemo(this);
    mmo1->SetName("mmo1");
    mmo1->SetParent(this);
    mmo1->SetBounds(200, 8, 161, 65);
    mmo1->SetVisible(false);
    mmo1->SetWordWrap(false);
    mmo1->SetTabOrder(5);

    sPathDialog1 = new TsPathDialog(this);
    sPathDialog1->SetName("sPathDialog1");
    sPathDialog1->Root = "rfMyComputer";
    sPathDialog1->ShowRootBtns = true;

    // Reads "Emberline (internal)" now; applies it when the form has loaded.
    sSkinManager1 = CreateMainSkinManager(this);

    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetName("sSkinProvider1");
    sSkinProvider1->SkinData().SetSkinSection("FORM");

    tmr1 = new TTimer(this);
    tmr1->SetName("tmr1");
    tmr1->SetInterval(500);
    tmr1->SetEnabled(true);
    tmr1->OnTimer = [this](TObject* sender) { tmr1Timer(sender); };
    EndLoad();
}

}  // namespace pakmole
