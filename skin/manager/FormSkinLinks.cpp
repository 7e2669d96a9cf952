#include "skin/manager/FormSkinLinks.h"

#include <algorithm>

namespace pakmole {
namespace {

std::vector<TsFormSkinLink*>& Links() {
    static std::vector<TsFormSkinLink*> links;
    return links;
}

std::vector<HWND>& AutoWindows() {
    static std::vector<HWND> windows;
    return windows;
}

template <class T>
void RemoveMovingLast(std::vector<T>& list, T item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it == list.end()) return;
    *it = list.back();
    list.pop_back();
}

}  // namespace

void AddFormSkinLink(TsFormSkinLink* link) {
    if (link && std::find(Links().begin(), Links().end(), link) == Links().end()) Links().push_back(link);
}

void RemoveFormSkinLink(TsFormSkinLink* link) { RemoveMovingLast(Links(), link); }

const std::vector<TsFormSkinLink*>& FormSkinLinks() { return Links(); }

void AddAutoProviderWindow(HWND window) {
    if (window && std::find(AutoWindows().begin(), AutoWindows().end(), window) == AutoWindows().end())
        AutoWindows().push_back(window);
}

void RemoveAutoProviderWindow(HWND window) { RemoveMovingLast(AutoWindows(), window); }

const std::vector<HWND>& AutoProviderWindows() { return AutoWindows(); }

namespace {
bool skinChangeInProgress = false;
}

bool SkinChangeInProgress() { return skinChangeInProgress; }
void SetSkinChangeInProgress(bool on) { skinChangeInProgress = on; }

}  // namespace pakmole
