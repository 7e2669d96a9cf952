#pragma once
// The skinned single-line edit base. With an active skin it paints itself
// from its section ("EDIT" unless one was set): the whole control from a
// cache picture while it has no focus, the platform's text with the skin's
// frame ring while it has. Split by concern: state and messages
// (sMaskEdit.cpp), the cache and the painting (sMaskEdit_paint.cpp).
#include <windows.h>

#include <memory>

#include "skin/controls/state/sBoundLabel.h"
#include "skin/controls/state/sCommonData.h"
#include "ui/MaskEdit.h"

namespace pakmole {

class TsMaskEdit : public TMaskEdit {
public:
    explicit TsMaskEdit(TComponent* owner);
    ~TsMaskEdit() override;
    std::string ClassName() const override { return "TsMaskEdit"; }

    TsCtrlSkinData& SkinData() { return *skinData_; }
    const TsCtrlSkinData& SkinData() const { return *skinData_; }
    TsBoundLabel& BoundLabel() { return *boundLabel_; }
    // TsDisabledKindBit values: how the disabled edit shows.
    int DisabledKind() const { return disabledKind_; }
    void SetDisabledKind(int kind);

    // Sets the edit's formatting rectangle; nothing to narrow in a plain edit.
    virtual void FitTextArea() {}
    // Paints the frame ring of the cache into dc (the window's own when null).
    virtual void PaintFrame(HDC dc = nullptr);
    // Renders background, frame and text into the cache; false when the
    // parent's picture is not ready (nothing built then).
    virtual bool BuildCache();
    virtual void DrawEditText();
    // Paints the whole control from the cache into dc (the window's own when null).
    virtual void PaintFromCache(HDC dc = nullptr);
    virtual bool IsHotLook() const;

    // The border width the text keeps off the edges: 0 without a border, 3
    // for the sunken 3D one, 2 for the flat one.
    int BorderWidth() const;
    // Where the client area starts in the window (the platform's own border).
    int ClientOffset() const;
    // The width the embedded button takes off the text area.
    virtual int ButtonAreaWidth() const { return 0; }

    void WndProc(TMessage& message) override;

protected:
    // An active skin paints the edit; takes the section on first use when no
    // skin command has reached the edit yet.
    bool SkinActive();
    // After the edit's picture changed: children that show a piece of it (the
    // button) rebuild theirs. Nothing to do in a plain edit.
    virtual void PaintChildCaches(HDC dc, int offsetX, int offsetY) { (void)dc, (void)offsetX, (void)offsetY; }
    // A skin command from the edit's own manager was taken: the combo edit
    // passes it on to its button.
    virtual void SkinCommandTaken(TMessage& message) { (void)message; }
    // The text as painted; the combo edit shows its own.
    virtual std::string DisplayText() const { return Text(); }
    virtual UINT TextAlignment() const { return DT_LEFT; }

private:
    bool HandleSkinCommand(TMessage& message);
    void HandlePaint(TMessage& message);

    std::unique_ptr<TsCtrlSkinData> skinData_;
    std::unique_ptr<TsBoundLabel> boundLabel_;
    int disabledKind_ = dkBlended;
};

}  // namespace pakmole
