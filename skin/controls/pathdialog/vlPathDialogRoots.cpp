// The column of buttons that move the folder tree's root to a special folder.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/adapters/sBitBtn.h"
#include "skin/controls/adapters/sLabel.h"
#include "skin/controls/adapters/sScrollBox.h"
#include "skin/controls/adapters/sSpeedButton.h"
#include "skin/controls/pathdialog/sShellTreeViewItems.h"
#include "skin/controls/pathdialog/sShellTreeViewRoots.h"
#include "skin/controls/pathdialog/vlPathDialog.h"

namespace pakmole {
namespace {

constexpr TColor clAppWorkSpace = clSystemColor | COLOR_APPWORKSPACE;
constexpr int kRootButtonHeight = 70;

// The system's list of large icons, asked for once per run; the system owns it.
HIMAGELIST SystemLargeImages() {
    static const HIMAGELIST images = [] {
        SHFILEINFOA info{};
        return reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
    }();
    return images;
}

struct SpecialFolder {
    std::string Name;
    int Image = -1;
};

SpecialFolder DescribeSpecialFolder(int csidl) {
    SpecialFolder folder;
    TPidl pidl;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, pidl.Out())) || !pidl) return folder;
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl.Get()), 0, &info, sizeof(info),
                   SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
    folder.Name = info.szDisplayName;
    folder.Image = info.iIcon;
    return folder;
}

// A flat button with the folder's icon above its name.
class TRootButton : public TsSpeedButton {
public:
    TRootButton(TComponent* owner, int image) : TsSpeedButton(owner), image_(image) {}

protected:
    void PaintContent(HDC dc, const RECT& face, int stateIndex) override {
        const int shift = stateIndex == 2 ? 1 : 0;
        int iconWidth = 32, iconHeight = 32;
        ImageList_GetIconSize(SystemLargeImages(), &iconWidth, &iconHeight);
        const int top = face.top + 6 + shift;
        if (image_ >= 0)
            ImageList_Draw(SystemLargeImages(), image_, dc, (face.left + face.right - iconWidth) / 2 + shift, top,
                           ILD_TRANSPARENT);
        RECT text{face.left + 2 + shift, top + iconHeight + 4, face.right - 2 + shift, face.bottom};
        const std::string caption = Caption();
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        HGDIOBJ old = SelectObject(dc, Font().Handle());
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_CENTER | DT_TOP | DT_WORDBREAK | DT_END_ELLIPSIS);
        SelectObject(dc, old);
    }

private:
    int image_;
};

}  // namespace

void TPathDialogForm::ShowRootButtons(bool show) {
    if (!show) {
        sLabel1->SetVisible(false);
        return;
    }
    sScrollBox1->SetColor(clAppWorkSpace);
    for (TvlRootFolder root : {TvlRootFolder::rfDesktop, TvlRootFolder::rfMyComputer, TvlRootFolder::rfPersonal,
                               TvlRootFolder::rfNetwork})
        AddRootButton(static_cast<int>(root));
    sLabel1->SetVisible(true);
    sScrollBox1->SetVisible(true);
    const int room = sScrollBox1->Width() + 4;
    for (TControl* control : std::initializer_list<TControl*>{sShellTreeView1, sBitBtn1, sBitBtn2})
        control->SetLeft(control->Left() + room);
    SetWidth(Width() + room + GetSystemMetrics(SM_CXFRAME) + 4);
}

void TPathDialogForm::AddRootButton(int root) {
    const SpecialFolder folder = DescribeSpecialFolder(RootFolderCsidl(static_cast<TvlRootFolder>(root)));
    auto* button = new TRootButton(this, folder.Image);
    button->SetParent(sScrollBox1);
    // Top-aligned buttons stack in the order they are made.
    button->SetBounds(0, static_cast<int>(rootButtons_.size()) * kRootButtonHeight, sScrollBox1->ClientWidth(),
                      kRootButtonHeight);
    button->SetAlign(TAlign::alTop);
    button->SetFlat(true);
    button->SetCaption(folder.Name);
    button->SetTag(root);
    button->OnClick = [this](TObject* sender) {
        const auto* clicked = static_cast<TRootButton*>(sender);
        sShellTreeView1->SetRoot(RootFolderName(static_cast<TvlRootFolder>(clicked->Tag())));
    };
    rootButtons_.push_back(button);
}

}  // namespace pakmole
