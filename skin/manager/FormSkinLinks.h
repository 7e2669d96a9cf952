#pragma once
// The process-wide registers the skin manager walks besides the
// application's forms: forms that carry a form provider, and the windows of
// providers made automatically for windows the program did not create.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace pakmole {

class TCustomForm;
class TsSkinManager;
enum class TvlAnimType;

// What a form provider offers the skin manager: its form, its manager, and
// its part in the transition of a skin change.
class TsFormSkinLink {
public:
    virtual ~TsFormSkinLink() = default;
    virtual TCustomForm* Form() const = 0;
    virtual TsSkinManager* SkinManager() const = 0;
    // A new skin is about to be read while the form shows extended borders
    // drawn from the old one: keep a picture of the old look now.
    virtual void SnapshotForSkinChange() {}
    // A skin change is about to repaint the form: mark the provider as
    // animating, update its border window and keep a picture of the old look.
    virtual void BeginSkinChange() {}
    // The new look is in place; fade from the picture when asked to.
    virtual void EndSkinChange(bool fade, uint16_t time, TvlAnimType mode) {
        (void)fade, (void)time, (void)mode;
    }
};

// Providers add their form when they are created and remove it when they go.
void AddFormSkinLink(TsFormSkinLink* link);
// The last entry moves into the freed slot, so order is not kept.
void RemoveFormSkinLink(TsFormSkinLink* link);
const std::vector<TsFormSkinLink*>& FormSkinLinks();

void AddAutoProviderWindow(HWND window);
void RemoveAutoProviderWindow(HWND window);
const std::vector<HWND>& AutoProviderWindows();

// Set while the default manager changes the skin with the skin-changing
// animation, so that frame painting can hold back until the fade starts.
bool SkinChangeInProgress();
void SetSkinChangeInProgress(bool on);

}  // namespace pakmole
