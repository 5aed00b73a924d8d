// The family base of the gauge controls (border, track bar, level bar, scrolling text): the
// bevel that frames a gauge, the two-colour palette of its segments, the change notification
// that ties such sub-objects to their control, the windowless and windowed control bases with
// their synchronous repaint request and double-buffered image variants, the shared bitmap
// list, and the small arithmetic and drawing routines they share.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/color.h"
#include "gfx/geometry.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/types.h"
#include "ui/wincontrol.h"

// The version text every component of the family publishes.
inline const std::string GaugeVersion = "1.3";

// Cursor id of the family's hand-point cursor in the toolkit's cursor table.
constexpr TCursor crGaugeHandPoint = 99;
// Puts the built-in hand-point cursor into the cursor table as crGaugeHandPoint; repeat calls
// do nothing. The family's controls call it when created.
void RegisterGaugeCursors();

enum class TGaugeOrientation { voVertical, voHorizontal };
enum class TGaugeProgressStyle { psBottomLeft, psTopRight };

// A sub-object of a control (bevel, palette, bitmap list) that tells its owner about every
// effective change; grouped changes inside BeginUpdate/EndUpdate tell it once.
class TGaugePersistent : public TObject {
public:
    void BeginUpdate() { ++FUpdateCount; }
    // The outermost call notifies, even when nothing changed; extra calls never go below 0.
    void EndUpdate();

    // The owning control's handler, assigned right after it creates the object.
    TNotifyEvent OnChange;

protected:
    void NotifyChange();

private:
    int FUpdateCount = 0;
};

enum class TBevelStyle { bsNone, bsLowered, bsRaised };
enum class TBevelOutlineStyle { osOuter, osInner, osNone };

// Nested frame rings drawn around a gauge, from the outside in: border, outline, 3-D ring,
// outline, space, then the same for the inner half.
class TBevel : public TGaugePersistent {
public:
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TBevelOutlineStyle OuterOutline() const { return FOuterOutline; }
    void SetOuterOutline(TBevelOutlineStyle value);
    TBevelStyle OuterStyle() const { return FOuterStyle; }
    void SetOuterStyle(TBevelStyle value);
    int OuterWidth() const { return FOuterWidth; }
    void SetOuterWidth(int value);
    TColor OuterShadow() const { return FOuterShadow; }
    void SetOuterShadow(TColor value);
    TColor OuterHighlight() const { return FOuterHighlight; }
    void SetOuterHighlight(TColor value);
    int OuterSpace() const { return FOuterSpace; }
    void SetOuterSpace(int value);
    TColor OuterColor() const { return FOuterColor; }
    void SetOuterColor(TColor value);
    TBevelOutlineStyle InnerOutline() const { return FInnerOutline; }
    void SetInnerOutline(TBevelOutlineStyle value);
    TBevelStyle InnerStyle() const { return FInnerStyle; }
    void SetInnerStyle(TBevelStyle value);
    int InnerWidth() const { return FInnerWidth; }
    void SetInnerWidth(int value);
    TColor InnerShadow() const { return FInnerShadow; }
    void SetInnerShadow(TColor value);
    TColor InnerHighlight() const { return FInnerHighlight; }
    void SetInnerHighlight(TColor value);
    int InnerSpace() const { return FInnerSpace; }
    void SetInnerSpace(int value);
    TColor InnerColor() const { return FInnerColor; }
    void SetInnerColor(TColor value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // Copies all seventeen properties with one notification at the end.
    void Assign(const TBevel& source);
    // Draws the rings on `rect` and leaves it shrunk to the unpainted interior.
    void DrawBevel(TCanvas& canvas, TRect& rect) const;
    // Shrinks `rect` by TotalWidth() on every side without drawing.
    void ShrinkToInterior(TRect& rect) const;
    // Pixels the rings take on each side; 0 when invisible.
    int TotalWidth() const;

private:
    template <class T> void Change(T& field, T value);

    int FBorderWidth = 0;
    TColor FBorderColor = clBtnFace;
    TBevelOutlineStyle FOuterOutline = TBevelOutlineStyle::osOuter;
    TBevelStyle FOuterStyle = TBevelStyle::bsRaised;
    int FOuterWidth = 1;
    TColor FOuterShadow = clBtnShadow;
    TColor FOuterHighlight = clBtnHighlight;
    int FOuterSpace = 0;
    TColor FOuterColor = clBtnFace;
    TBevelOutlineStyle FInnerOutline = TBevelOutlineStyle::osNone;
    TBevelStyle FInnerStyle = TBevelStyle::bsLowered;
    int FInnerWidth = 1;
    TColor FInnerShadow = clBtnShadow;
    TColor FInnerHighlight = clBtnHighlight;
    int FInnerSpace = 1;
    TColor FInnerColor = clBtnFace;
    bool FVisible = true;
};

// The unlit (Low) and lit (High) colour of one zone of a segment gauge.
class TGaugePalette : public TGaugePersistent {
public:
    TColor Low() const { return FLow; }
    void SetLow(TColor value);
    TColor High() const { return FHigh; }
    void SetHigh(TColor value);

    void Assign(const TGaugePalette& source);
    // Low for an index of 0 or below (unlit), High above (lit).
    TColor ColorFor(int index) const { return index <= 0 ? FLow : FHigh; }

private:
    TColor FLow = clGreen;
    TColor FHigh = clLime;
};

// Frames `rect` with `width` rings: top and left in `topColor`, bottom and right (with the
// top-right and bottom-left corners) in `bottomColor`; `rect` is left shrunk by `width`.
void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// `percent` % of `whole`, truncated, in 80-bit arithmetic with 0.01 just below its true value,
// so 10 % of 100 is 9. Throws ERangeError beyond 32 bits.
int PercentOf(int percent, int whole);
// `value` as a truncated percentage of `whole`; 0 when `whole` is 0. Throws EIntOverflow
// when the percentage leaves 32 bits.
int PercentOfValue(int value, int whole);

// The family's base over a toolkit control (windowless or windowed, hence one template with
// two names below): a repaint request that paints at once, unless the form is loading.
template <class TBase> class TGaugeControl : public TBase {
public:
    explicit TGaugeControl(TComponent* owner) : TBase(owner) { }

    const std::string& Version() const { return GaugeVersion; }
    bool IsDesigning() const { return this->Designing(); }
    bool IsLoading() const { return this->Loading(); }

protected:
    virtual void RequestRepaint();
    // The setters' rule: store a changed value and ask for a repaint.
    template <class T> void Change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RequestRepaint();
    }
};

// A base that draws into its own Image and puts it on the screen in one copy. A
// descendant's Paint() calls ClearImage(), draws on ImageCanvas() and ends with the base Paint().
template <class TBase> class TGaugeImageControl : public TGaugeControl<TBase> {
public:
    explicit TGaugeImageControl(TComponent* owner) : TGaugeControl<TBase>(owner) { }

    // The picture of the last paint.
    const TBitmap& Image() const { return FImage; }

protected:
    TCanvas& ImageCanvas() { return FImage.Canvas(); }
    // Sizes Image to the control and fills it with Color.
    virtual void ClearImage();
    void Paint() override;

private:
    TBitmap FImage;
};

// The members are built once, in gauge_base.cpp, for the two toolkit bases.
extern template class TGaugeControl<TGraphicControl>;
extern template class TGaugeControl<TCustomControl>;
extern template class TGaugeImageControl<TGraphicControl>;
extern template class TGaugeImageControl<TCustomControl>;

using TGaugeGraphicControl = TGaugeControl<TGraphicControl>;
using TGaugeGraphicImageControl = TGaugeImageControl<TGraphicControl>;
using TGaugeCustomControl = TGaugeControl<TCustomControl>;
using TGaugeCustomImageControl = TGaugeImageControl<TCustomControl>;

// Non-visual component of the family.
class TGaugeComponent : public TComponent {
public:
    explicit TGaugeComponent(TComponent* owner) : TComponent(owner) { }
    const std::string& Version() const { return GaugeVersion; }
};

class TSharedComponent;

// A client's subscription to a shared component's changes.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    // The shared component this link is registered with, or nullptr.
    TSharedComponent* Sender() const { return FSender; }
    std::function<void(TSharedComponent* sender)> OnChange;

private:
    friend class TSharedComponent;
    TSharedComponent* FSender = nullptr;
};

// A component several controls share; it tells every registered link about its changes.
class TSharedComponent : public TGaugeComponent {
public:
    explicit TSharedComponent(TComponent* owner) : TGaugeComponent(owner) { }
    // Unregisters all links, last first.
    ~TSharedComponent() override;

    void InsertLink(TChangeLink& link);
    void RemoveLink(TChangeLink& link);

protected:
    // Calls each link's OnChange in registration order.
    void NotifyLinks();

private:
    std::vector<TChangeLink*> FLinks;
};

// An owned list of bitmaps.
class TGaugeBitmaps : public TGaugePersistent {
public:
    int Count() const { return static_cast<int>(FBitmaps.size()); }
    // The bitmap at `index`, or nullptr when out of range.
    const TBitmap* Bitmap(int index) const;
    // Stores a copy.
    void Add(const TBitmap& bitmap);
    // Frees all bitmaps with one notification.
    void Clear();

    // The stream: signature 0x00355462, a 32-bit signed count, then each bitmap as a BMP file,
    // all little-endian. Loading replaces the contents and notifies once; on failure (a wrong
    // signature: EInvalidGraphic "Invalid file format") the list is left empty.
    void LoadFromStream(std::istream& in);
    void SaveToStream(std::ostream& out) const;

private:
    std::vector<TBitmap> FBitmaps;
};

// A shared list of pictures that controls pick from by index.
class TBitmapList : public TSharedComponent {
public:
    explicit TBitmapList(TComponent* owner);

    TGaugeBitmaps& Bitmaps() { return FBitmaps; }
    // The picture at `index`, or nullptr when out of range.
    const TBitmap* GetBitmap(int index) const { return FBitmaps.Bitmap(index); }

    // Fires after the links have been told of a change of the list.
    TNotifyEvent OnChange;

private:
    TGaugeBitmaps FBitmaps;
};
