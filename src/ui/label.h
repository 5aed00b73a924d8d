// Labels: caption text drawn with the control's font, sized to the text when AutoSize,
// over the control's colour or (Transparent) over whatever lies beneath. A "&x" in the caption
// makes Alt+x focus FocusControl.
#pragma once

#include "ui/control.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

protected:
    void Paint() override;
    // Draws (or with DT_CALCRECT measures) the caption in `rect` with the label's font.
    virtual void DoDrawText(TRect& rect, unsigned flags);
    // The DrawText flags of the current alignment, word wrap and accelerator settings.
    unsigned DrawTextFlags() const;
    void AdjustSize() override;
    void Loaded() override;
    bool DialogChar(char key) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool FTransparent = false;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) { }
};
