// The flat XP check box: a 13-pixel box with a gradient face, an orange ring while the pointer
// is over it, a green tick when checked, and the caption to its right. A click toggles it;
// the keyboard does not, and two quick clicks are two toggles.
#pragma once

#include <cstdint>

#include "controls/xp_control_base.h"
#include "gfx/bitmap.h"

enum TBoundLine { blLeft, blTop, blRight, blBottom };
// A set of TBoundLine: bit n for the value of ordinal n.
using TBoundLines = std::uint8_t;

constexpr TBoundLines BoundLineBit(TBoundLine line) { return static_cast<TBoundLines>(1u << line); }

// The check logic and the painting around the box; the box itself is PaintCheckMark's.
class TCustomCheckControl : public TXPStyleControl {
public:
    explicit TCustomCheckControl(TComponent* owner);

    bool Checked() const { return FChecked; }
    virtual void SetChecked(bool value);
    std::uint8_t Spacing() const { return FSpacing; }
    virtual void SetSpacing(std::uint8_t value);
    TBoundLines BoundLines() const { return FBoundLines; }
    virtual void SetBoundLines(TBoundLines value);

    // Toggles, then runs the toolkit's click handling (OnClick).
    void Click() override;

    static constexpr int MarkBoxSize = 13;

protected:
    void DrawBuffer(TCanvas& canvas) override;
    virtual void PaintCheckMark(TCanvas& canvas, const TRect& client) = 0;

private:
    void DrawBoundLines(TCanvas& canvas, const TRect& client);
    void DrawCaption(TCanvas& canvas, const TRect& client);

    bool FChecked = false;
    std::uint8_t FSpacing = 3;
    TBoundLines FBoundLines = 0;
};

class TCheckBox : public TCustomCheckControl {
public:
    explicit TCheckBox(TComponent* owner);

    // The box faces, (13 - 2) pixels square, rebuilt at every size change.
    const TBitmap& FaceNormal() const { return FFaceNormal; }
    const TBitmap& FacePressed() const { return FFacePressed; }
    const TBitmap& FaceHover() const { return FFaceHover; }

protected:
    void PaintCheckMark(TCanvas& canvas, const TRect& client) override;
    void Resize() override;

private:
    void BuildFaces();

    TBitmap FFaceNormal;
    TBitmap FFacePressed;
    TBitmap FFaceHover;
};
