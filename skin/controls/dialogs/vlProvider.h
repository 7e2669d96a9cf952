#pragma once
// TvlProvider: the skin of one platform dialog. It puts the frame adapter on
// the dialog and one adapter, chosen by window class, on every child window
// the dialog holds (again as new children appear), and lets go of all of
// them when the dialog goes. The providers of the process are listed here.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/controls/dialogs/vlDialogWnd.h"

namespace pakmole {

class TsSkinManager;

class TvlProvider {
public:
    explicit TvlProvider(HWND dialog);
    ~TvlProvider();
    TvlProvider(const TvlProvider&) = delete;
    TvlProvider& operator=(const TvlProvider&) = delete;

    // Puts the frame adapter on, moves the dialog to the position override,
    // adapts the children, initialises the frame and tells the dialog the
    // skin is applied. False (nothing left attached) when a child could not
    // be adapted.
    bool Attach(TsSkinManager* manager);
    // Adapts the children without an adapter; false when one failed.
    bool AttachChildren();
    // Gives every window back; the adapters are kept until Discard.
    void Detach();
    // Lets go of the adapter of a child window that is being destroyed.
    void ForgetChild(HWND child);

    HWND Handle() const { return dialog_; }
    TvlDialogWnd* Frame() const { return frame_.get(); }
    int ChildAdapterCount() const { return static_cast<int>(children_.size()); }

private:
    void AttachTree(HWND parent);
    HWND dialog_;
    TsSkinManager* manager_ = nullptr;
    std::unique_ptr<TvlDialogWnd> frame_;
    std::vector<std::unique_ptr<TvlMainWnd>> children_;
    bool attaching_ = false;
};

// The process-wide list of providers of skinned dialogs.
std::vector<std::unique_ptr<TvlProvider>>& DialogProviders();
TvlProvider* ProviderOfDialog(HWND dialog);
// Providers (and their adapters) let go of but still alive: freed once no
// message of their windows can be running (a timer of the thread, or ReleaseAll).
int ReleasedProviderCount();
void FreeReleasedProviders();
// Lets go of the dialog's provider (it is freed later).
void ReleaseDialogProvider(HWND dialog);
// Lets go of every provider and frees them.
void ReleaseAllDialogProviders();

// Where skinned dialogs are placed when set (x, y; -1, -1: where the platform puts them).
void SetDialogPosition(int x, int y);

}  // namespace pakmole
