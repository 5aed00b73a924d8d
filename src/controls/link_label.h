// A windowless text label that can switch to a second font while the pointer is over it
// (only while the application has the foreground), draw its caption with a one-colour drop
// shadow and an optional (rounded) frame, and open a URL through the shell when clicked.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "controls/control_ext.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "platform/shell.h"
#include "ui/types.h"

class TWinControl;

enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
enum class TTextEllipsis { teNone, teWordEllipsis, tePathEllipsis, teEndEllipsis };
enum TTrackFontOption {
    hoFollowFont,
    hoPreserveCharSet,
    hoPreserveColor,
    hoPreserveHeight,
    hoPreserveName,
    hoPreservePitch,
    hoPreserveStyle,
};
// A set of TTrackFontOption: bit n for the value of ordinal n.
using TTrackFontOptions = std::uint8_t;

constexpr TTrackFontOptions TrackFontOption(TTrackFontOption option)
{
    return static_cast<TTrackFontOptions>(1u << option);
}

class TCustomLinkLabel : public TExtGraphicControl {
public:
    explicit TCustomLinkLabel(TComponent* owner);

    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    const TFontSpec& HotTrackFont() const { return FHotTrackFont; }
    void SetHotTrackFont(const TFontSpec& font);
    TTrackFontOptions HotTrackFontOptions() const { return FHotTrackFontOptions; }
    void SetHotTrackFontOptions(TTrackFontOptions options);
    bool AutoOpenURL() const { return FAutoOpenURL; }
    void SetAutoOpenURL(bool value) { FAutoOpenURL = value; }
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& url) { FURL = url; }
    // Where URL is opened; the system's own shell unless given another.
    void SetShell(std::shared_ptr<sw::IShell> shell) { FShell = std::move(shell); }

    bool Transparent() const { return (ControlStyle() & csOpaque) == 0; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TTextEllipsis TextEllipsis() const { return FTextEllipsis; }
    void SetTextEllipsis(TTextEllipsis value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    std::uint8_t ShadowSize() const { return FShadowSize; }
    void SetShadowSize(std::uint8_t value);
    TShadowPosition ShadowPos() const { return FShadowPos; }
    void SetShadowPos(TShadowPosition value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    int RoundedFrame() const { return FRoundedFrame; }
    void SetRoundedFrame(int value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);

    void Click() override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void AdjustSize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FontChanged() override;
    void EnabledChanged() override;
    // The hot font and the margin grow with the scale, as the font does.
    void ChangeScale(int m, int d) override;
    void VisibleChanged() override;
    bool DialogChar(char key) override;
    void FocusChanged(TWinControl* focused) override;

    // Draws, or with DT_CALCRECT measures, the caption in `rect`; returns the text height
    // plus the shadow size.
    int DoDrawText(TRect& rect, unsigned flags);

private:
    void FollowFont();
    void EngageHotFont();
    void CheckHover();
    void DrawRoundedFrame(TCanvas& canvas);
    unsigned TextFormat() const;
    void Changed(bool extentChanged);

    bool FHotTrack = false;
    // The hot font is showing: the pointer entered while the label could take it.
    bool FHot = false;
    // The focus control has the focus, so the focus rectangle shows.
    bool FTargetFocused = false;
    TFontSpec FHotTrackFont;
    TTrackFontOptions FHotTrackFontOptions = 0;
    bool FAutoOpenURL = true;
    std::string FURL;
    std::shared_ptr<sw::IShell> FShell;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FWordWrap = false;
    TTextEllipsis FTextEllipsis = TTextEllipsis::teNone;
    bool FShowAccelChar = true;
    TColor FShadowColor = clBtnHighlight;
    std::uint8_t FShadowSize = 0;
    TShadowPosition FShadowPos = TShadowPosition::spRightBottom;
    int FMargin = 0;
    TColor FFrameColor = clNone;
    int FRoundedFrame = 0;
    TWinControl* FFocusControl = nullptr;
    bool FShowFocus = false;
};

class TLinkLabel : public TCustomLinkLabel {
public:
    explicit TLinkLabel(TComponent* owner) : TCustomLinkLabel(owner) { }
};
