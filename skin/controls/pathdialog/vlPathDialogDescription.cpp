// The stored description of TPathDialogForm: its properties and its
// components, in stored order, set while the form is loading.
#include "skin/controls/adapters/sAlphaImageList.h"
#include "skin/controls/adapters/sBitBtn.h"
#include "skin/controls/adapters/sLabel.h"
#include "skin/controls/adapters/sScrollBox.h"
#include "skin/controls/pathdialog/vlPathDialog.h"
#include "skin/controls/provider/sSkinProvider.h"

namespace pakmole {

void TPathDialogForm::ReadStoredDescription() {
    BeginLoad();
    SetCaption("Select directory");
    SetBounds(0, 0, 350, 420);
    SetPosition(TPosition::poScreenCenter);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);

    sLabel1 = new TsLabel(this);
    sLabel1->SetName("sLabel1");
    sLabel1->SetParent(this);
    sLabel1->SetBounds(8, 3, 0, 13);

    const struct {
        TsBitBtn** button;
        const char* name;
        int left;
        const char* caption;
        TModalResult result;
        void (TPathDialogForm::*click)(TObject*);
    } buttons[] = {
        {&sBitBtn1, "sBitBtn1", 173, "OK", mrOk, &TPathDialogForm::sBitBtn1Click},
        {&sBitBtn2, "sBitBtn2", 250, "Cancel", mrCancel, &TPathDialogForm::sBitBtn2Click},
        {&sBitBtn3, "sBitBtn3", 12, "Create", mrNone, &TPathDialogForm::sBitBtn3Click},
    };
    int tabOrder = 1;
    for (const auto& b : buttons) {
        auto* button = new TsBitBtn(this);
        *b.button = button;
        button->SetName(b.name);
        button->SetParent(this);
        button->SetBounds(b.left, 344, 75, 25);
        button->SetCaption(b.caption);
        button->SetModalResult(b.result);
        button->SkinData().SetSkinSection("BUTTON");
        button->SetShowFocus(false);
        button->SetTabOrder(tabOrder++);
        button->OnClick = [this, click = b.click](TObject* sender) { (this->*click)(sender); };
    }
    sBitBtn1->SetDefault(true);
    sBitBtn2->SetCancel(true);
    sBitBtn3->SetEnabled(false);

    sShellTreeView1 = new TsShellTreeView(this);
    sShellTreeView1->SetName("sShellTreeView1");
    sShellTreeView1->SetParent(this);
    sShellTreeView1->SetBounds(8, 20, 321, 319);
    sShellTreeView1->SetIndent(19);
    sShellTreeView1->SetShowRoot(false);
    sShellTreeView1->SetObjectTypes(otFolders | otHidden);
    sShellTreeView1->SetRoot("rfDesktop");
    sShellTreeView1->UseShellImages = true;
    sShellTreeView1->AutoRefresh = false;
    sShellTreeView1->BoundLabel().SetActive(true);
    sShellTreeView1->BoundLabel().SetCaption(" ");
    sShellTreeView1->BoundLabel().SetIndent(4);
    sShellTreeView1->BoundLabel().SetLayout(TsCaptionLayout::sclTopLeft);
    sShellTreeView1->SkinData().SetSkinSection("EDIT");
    sShellTreeView1->SetTabOrder(0);
    sShellTreeView1->OnChange = [this](TObject* sender, TTreeNode node) { sShellTreeView1Change(sender, node); };

    sScrollBox1 = new TsScrollBox(this);
    sScrollBox1->SetName("sScrollBox1");
    sScrollBox1->SetParent(this);
    sScrollBox1->SetBounds(8, 20, 101, 318);
    sScrollBox1->SetVisible(false);
    sScrollBox1->TrackVertical = true;
    sScrollBox1->SkinData().SetSkinSection("BAR");
    sScrollBox1->SetTabOrder(4);

    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetName("sSkinProvider1");
    sSkinProvider1->SkinData().SetSkinSection("DIALOG");
    sSkinProvider1->SetShowAppIcon(false);

    ImageList1 = new TsAlphaImageList(this, 32, 32);
    ImageList1->SetName("ImageList1");
    EndLoad();
}

}  // namespace pakmole
