// The column of buttons that move the folder tree's root to a special folder.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "skin/controls/adapters/sBitBtn.h"
#include "skin/controls/adapters/sLabel.h"
#include "skin/controls/adapters/sScrollBox.h"
#include "skin/controls/adapters/sSpeedButton.h"
#include "skin/controls/pathdialog/sShellTreeViewItems.h"
#include "skin/controls/pathdialog/sShellTreeViewRoots.h"
#include "skin/controls/pathdialog/vlPathDialog.h"
#include "skin/controls/state/sCommonData.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"

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

// A flat button with the folder's icon above its name. While skinned it
// wears the "TOOLBUTTON" look of its state over the column's picture and
// writes its name in that section's colours.
class TRootButton : public TsSpeedButton {
public:
    TRootButton(TComponent* owner, int image)
        : TsSpeedButton(owner), image_(image), skinData_(std::make_unique<TsCommonData>(this, true)) {
        skinData_->ControlKind = ckButton;
        skinData_->Control = this;
        // The button paints the whole of its area: its corners take the column's picture.
        skinData_->CornerBlend = true;
        skinData_->SetSkinSection("TOOLBUTTON");
    }
    TsCommonData& SkinData() { return *skinData_; }

    void WndProc(TMessage& m) override {
        if (m.Msg == SKM_COMMAND && skinData_->HandleSkinCommand(m)) return;
        TsSpeedButton::WndProc(m);
        // The look follows the pointer at once.
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) Invalidate();
    }

protected:
    void Paint(HDC dc) override {
        if (!skinData_->Skinned(true) || IsDestroying()) {
            TsSpeedButton::Paint(dc);
            return;
        }
        if (skinData_->SectionIndex < 0) skinData_->UpdateIndexes();
        const int state = StateIndex();
        skinData_->BackgroundStale = true;
        const auto content = [this, state](TBitmap32& cache, const TBgSource&) {
            HDC cacheDC = Bitmap32DC(cache);
            const RECT face{0, 0, cache.Width(), cache.Height()};
            const std::string caption = Caption();
            SelectedObject font(cacheDC, Font().Handle());
            SetBkMode(cacheDC, TRANSPARENT);
            RECT text = DrawIcon(cacheDC, face, state);
            WriteSkinText(cacheDC, &caption, Enabled(), static_cast<uint8_t>(state != 0), *skinData_, kTextFormat,
                          text);
            GdiFlush();
        };
        bool built = skinData_->BuildCache(state, content);
        if (!built && skinData_->CacheBitmap) {
            // The column has no picture of its own to lend: the look goes
            // over the skin's main colour.
            skinData_->PaintSuspended = false;
            TBitmap32& cache = *skinData_->CacheBitmap;
            cache.SetSize(Width(), Height());
            if (!cache.Empty()) {
                TBgSource behind;
                behind.Color = skinData_->ManagerInEffect()->Palette()[pcMainColor];
                const int states = std::max(1, skinData_->Section().States);
                PaintControl(skinData_->PaintData(), behind, false, cache, TPoint32{Left(), Top()},
                             TRect32{0, 0, cache.Width(), cache.Height()}, std::min(state, states - 1));
                content(cache, behind);
                built = true;
            }
        }
        if (built) BitBlt(dc, 0, 0, Width(), Height(), Bitmap32DC(*skinData_->CacheBitmap), 0, 0, SRCCOPY);
    }

    void PaintContent(HDC dc, const RECT& face, int stateIndex) override {
        RECT text = DrawIcon(dc, face, stateIndex);
        const std::string caption = Caption();
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        HGDIOBJ old = SelectObject(dc, Font().Handle());
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, kTextFormat);
        SelectObject(dc, old);
    }

private:
    static constexpr UINT kTextFormat = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_END_ELLIPSIS;

    // Draws the icon centred at the top of face (one pixel right and down
    // while pressed); answers where the caption goes below it.
    RECT DrawIcon(HDC dc, const RECT& face, int stateIndex) const {
        const int shift = stateIndex == 2 ? 1 : 0;
        int iconWidth = 32, iconHeight = 32;
        ImageList_GetIconSize(SystemLargeImages(), &iconWidth, &iconHeight);
        const int top = face.top + 6 + shift;
        if (image_ >= 0)
            ImageList_Draw(SystemLargeImages(), image_, dc, (face.left + face.right - iconWidth) / 2 + shift, top,
                           ILD_TRANSPARENT);
        return RECT{face.left + 2 + shift, top + iconHeight + 4, face.right - 2 + shift, face.bottom};
    }

    int image_;
    std::unique_ptr<TsCommonData> skinData_;
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
