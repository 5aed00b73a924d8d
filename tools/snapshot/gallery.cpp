// The gallery's rows: push buttons driven through the pointer and focus, bevels drawn on a
// bare bitmap, border shapes, track bars, level bars, the scrolling heading after a number of
// ticks, progress bars, the link label and the check box. Stages use the window colour of the
// program's forms, so each control is seen against the background it has there.
#include "gallery.h"

#include <functional>
#include <string>

#include "app/bold_font.h"
#include "app/palette.h"
#include "controls/link_label.h"
#include "controls/progress_bar.h"
#include "controls/check_box.h"
#include "controls/bevel.h"
#include "controls/gauge_control.h"
#include "controls/border.h"
#include "controls/level_bar.h"
#include "controls/scroll_text.h"
#include "controls/track_bar.h"
#include "controls/push_button.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "gfx/canvas.h"

namespace {

constexpr int Pad = 4;

enum class Look { Normal, Over, Pressed, Disabled, Focused };

const struct {
    Look look;
    const char* name;
} Looks[] = {{Look::Normal, "normal"},
             {Look::Over, "over"},
             {Look::Pressed, "pressed (focuses)"},
             {Look::Disabled, "disabled"},
             {Look::Focused, "focused"}};

// A button made by `style` on its own stage, brought into `look` by pointer, focus or Enabled.
TBitmap ButtonShot(const std::function<void(TPushButton&)>& style, Look look)
{
    TPushButton probe(nullptr);
    style(probe);
    Stage stage(probe.Width() + 2 * Pad, probe.Height() + 2 * Pad, palette::kPaleBlue);
    auto* button = stage.Place<TPushButton>(Pad, Pad);
    style(*button);
    // A shown form focuses its first tab stop; only the looks that involve the focus keep it.
    button->SetTabStop(look == Look::Pressed || look == Look::Focused);
    stage.Show();
    const TPoint centre{Pad + button->Width() / 2, Pad + button->Height() / 2};
    switch (look) {
    case Look::Normal:
        break;
    case Look::Over:
        stage.Hover(centre);
        break;
    case Look::Pressed:
        stage.Press(centre);
        break;
    case Look::Disabled:
        button->SetEnabled(false);
        stage.Hover(centre);
        break;
    case Look::Focused:
        button->SetFocus();
        break;
    }
    return stage.Shot();
}

void TitleButton(TPushButton& button)
{
    button.SetBounds(button.Left(), button.Top(), 15, 15);
    button.SetCaption("x");
    button.SetFont(Bolded(button.Font()));
    button.SetColorScheme(TColorScheme::csSky);
    button.SetCtl3D(false);
    button.SetGradient(false);
}

// The memory button; its picture is a stand-in, a grey module on black (black is transparent).
void MemoryButton(TPushButton& button)
{
    button.SetBounds(button.Left(), button.Top(), 15, 42);
    button.SetCaption(">>");
    button.SetColorScheme(TColorScheme::csSky);
    button.SetCtl3D(false);
    button.SetGradient(false);
    button.SetLayout(TButtonLayout::blGlyphTop);
    button.SetSpacing(1);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush = TBrush{clBlack, TBrushStyle::bsSolid};
    glyph.Canvas().FillRect(glyph.BoundsRect());
    glyph.Canvas().Brush.color = clGray;
    glyph.Canvas().FillRect({4, 2, 12, 14});
    button.SetGlyph(glyph);
}

void DefaultButton(TPushButton& button) { button.SetCaption("&Button"); }

void AddButtons(GallerySheet& sheet)
{
    sheet.Row("TPushButton: title button (TColorScheme::csSky, 15 x 15, flat)");
    for (const auto& [look, name] : Looks)
        sheet.Add(name, ButtonShot(TitleButton, look));
    sheet.Row(
        "TPushButton: memory button (TColorScheme::csSky, 15 x 42, glyph on top, stand-in glyph)");
    for (const auto& [look, name] : Looks)
        sheet.Add(name, ButtonShot(MemoryButton, look));
    sheet.Row("TPushButton: default (TColorScheme::csNeoDesert, 75 x 25, gradient, 3-D)");
    for (const auto& [look, name] : Looks)
        sheet.Add(name, ButtonShot(DefaultButton, look));
}

// A bevel drawn on a bare bitmap in the window colour; the interior is filled when asked.
TBitmap BevelShot(const TBevel& bevel, int width, int height, TColor interior = clNone)
{
    TBitmap picture(width, height);
    TCanvas& canvas = picture.Canvas();
    canvas.Brush = TBrush{palette::kPaleBlue, TBrushStyle::bsSolid};
    canvas.FillRect(picture.BoundsRect());
    TRect rect = picture.BoundsRect();
    bevel.DrawBevel(canvas, rect);
    if (interior != clNone) {
        canvas.Brush = TBrush{interior, TBrushStyle::bsSolid};
        canvas.FillRect(rect);
    }
    return picture;
}

void AddBevels(GallerySheet& sheet)
{
    sheet.Row("TBevel");
    TBevel plain;
    sheet.Add("default 100 x 20", BevelShot(plain, 100, 20));
    TBevel inner;
    inner.SetOuterOutline(TBevelOutlineStyle::osInner);
    inner.SetInnerOutline(TBevelOutlineStyle::osOuter);
    sheet.Add("outlines inner/outer", BevelShot(inner, 100, 20));
    TBevel wide;
    wide.SetBorderWidth(2);
    wide.SetBorderColor(palette::kDarkBlue);
    wide.SetOuterWidth(2);
    wide.SetInnerWidth(2);
    wide.SetOuterSpace(2);
    wide.SetOuterColor(clWhite);
    sheet.Add("border 2, rings 2, space 2", BevelShot(wide, 100, 30));
    TBevel gutter;
    gutter.SetInnerStyle(TBevelStyle::bsNone);
    gutter.SetInnerSpace(0);
    gutter.SetOuterStyle(TBevelStyle::bsLowered);
    gutter.SetOuterOutline(TBevelOutlineStyle::osNone);
    sheet.Add("memory gutter 181 x 10", BevelShot(gutter, 181, 10, clBlack));
}

TBitmap BorderShot(TBorderShape shape, TBorderEdgeStyle style, int width, int height,
                   TColor shadow = clGreen, TColor highlight = clLime)
{
    Stage stage(width + 2 * Pad, height + 2 * Pad, palette::kPaleBlue);
    auto* border = stage.Place<TBorder>(Pad, Pad);
    border->SetWidth(width);
    border->SetHeight(height);
    border->SetShape(shape);
    border->SetStyle(style);
    border->SetShadowColor(shadow);
    border->SetHighlightColor(highlight);
    stage.Show();
    return stage.Shot();
}

void AddBorders(GallerySheet& sheet)
{
    const struct {
        TBorderShape shape;
        const char* name;
    } shapes[] = {{TBorderShape::bsBox, "box"},       {TBorderShape::bsFrame, "frame"},
                  {TBorderShape::bsTopLine, "top"},   {TBorderShape::bsBottomLine, "bottom"},
                  {TBorderShape::bsLeftLine, "left"}, {TBorderShape::bsRightLine, "right"},
                  {TBorderShape::bsSpacer, "spacer"}};
    for (TBorderEdgeStyle style : {TBorderEdgeStyle::bsRaised, TBorderEdgeStyle::bsLowered}) {
        const bool raised = style == TBorderEdgeStyle::bsRaised;
        sheet.Row(std::string("TBorder ") + (raised ? "raised" : "lowered") +
                  ", 50 x 50, green/lime");
        for (const auto& [shape, name] : shapes)
            sheet.Add(name, BorderShot(shape, style, 50, 50));
        if (raised)
            sheet.Add("the forms' frame 282 x 50",
                      BorderShot(TBorderShape::bsFrame, style, 282, 50, palette::kDarkBlue,
                                 palette::kLightBlue));
    }
}

// A track bar as the memory window places it: 201 x 25, gutter 10, disabled.
void MemoryTrack(TTrackBar& bar, int position, TTickMarks ticks)
{
    bar.SetBounds(bar.Left(), bar.Top(), 201, 25);
    bar.SetGutterWidth(10);
    bar.SetTickMarks(ticks);
    bar.SetEnabled(false);
    bar.SetPosition(position);
}

TBitmap TrackShot(const std::function<void(TTrackBar&)>& style, bool focused = false)
{
    TTrackBar probe(nullptr);
    style(probe);
    Stage stage(probe.Width() + 2 * Pad, probe.Height() + 2 * Pad, palette::kPaleBlue);
    auto* bar = stage.Place<TTrackBar>(Pad, Pad);
    style(*bar);
    stage.Show();
    if (focused) {
        bar->SetTabStop(true);
        bar->SetFocus();
    }
    return stage.Shot();
}

void AddTrackBars(GallerySheet& sheet)
{
    sheet.Row("TTrackBar: memory window 201 x 25 (disabled), default 175 x 45, vertical");
    for (int position : {0, 39, 100})
        sheet.Add("position " + std::to_string(position), TrackShot([=](TTrackBar& bar) {
                      MemoryTrack(bar, position, TTickMarks::tmBottomRight);
                  }));
    sheet.Add("ticks above, 39",
              TrackShot([](TTrackBar& bar) { MemoryTrack(bar, 39, TTickMarks::tmTopLeft); }));
    sheet.Add("default, 50, focused", TrackShot([](TTrackBar& bar) { bar.SetPosition(50); }, true));
    // A loading form keeps the stored size when the orientation changes, so it is set after.
    sheet.Add("vertical, 30", TrackShot([](TTrackBar& bar) {
                  bar.SetOrientation(TGaugeOrientation::voVertical);
                  bar.SetBounds(bar.Left(), bar.Top(), 45, 175);
                  bar.SetPosition(30);
              }));
}

// The memory window's level bar: 25 x 145, a one-pixel black ring, default palettes.
void MemoryLevel(TLevelBar& bar)
{
    bar.SetBounds(bar.Left(), bar.Top(), 25, 145);
    TBevel& bevel = bar.Bevel();
    bevel.SetInnerStyle(TBevelStyle::bsNone);
    bevel.SetInnerWidth(2);
    bevel.SetInnerSpace(1);
    bevel.SetInnerColor(clBlack);
    bevel.SetOuterStyle(TBevelStyle::bsNone);
    bevel.SetOuterOutline(TBevelOutlineStyle::osNone);
}

TBitmap LevelShot(const std::function<void(TLevelBar&)>& style, int position)
{
    Stage stage(200, 200, palette::kPaleBlue);
    auto* bar = stage.Place<TLevelBar>(Pad, Pad);
    style(*bar);
    stage.Show();
    bar->SetPosition(position);
    TBitmap shot = stage.Shot();
    TBitmap cropped(bar->Width() + 2 * Pad, bar->Height() + 2 * Pad);
    cropped.Canvas().CopyRect(cropped.BoundsRect(), shot, cropped.BoundsRect());
    return cropped;
}

void AddLevelBars(GallerySheet& sheet)
{
    sheet.Row("TLevelBar: memory window 25 x 145; default 20 x 170 (snaps to 169); horizontal; "
              "top-right");
    for (int position : {0, 10, 50, 75, 100})
        sheet.Add(std::to_string(position), LevelShot(MemoryLevel, position));
    sheet.Add("default, 60", LevelShot([](TLevelBar&) {}, 60));
    sheet.Add("horizontal, 70", LevelShot(
                                    [](TLevelBar& bar) {
                                        bar.SetOrientation(TGaugeOrientation::voHorizontal);
                                        bar.SetBounds(bar.Left(), bar.Top(), 170, 20);
                                    },
                                    70));
    sheet.Add("top-right, 40",
              LevelShot([](TLevelBar& bar) { bar.SetStyle(TGaugeProgressStyle::psTopRight); }, 40));
}

TBitmap ScrollShot(const std::string& caption, int ticks)
{
    Stage stage(70 + 2 * Pad, 18 + 2 * Pad, palette::kPaleBlue);
    auto* text = stage.Place<TScrollText>(Pad, Pad);
    text->SetScrollDirection(sdRightToLeft);
    text->SetCaption(caption);
    TFontSpec font = Bolded(text->Font());
    font.height = -11;
    font.color = palette::kPaleBlue;
    text->SetFont(font);
    text->SetColor(palette::kDarkBlue);
    stage.Show();
    for (int i = 0; i < ticks; ++i)
        text->Tick();
    return stage.Shot();
}

void AddScrollTexts(GallerySheet& sheet)
{
    sheet.Row("TScrollText: memory window heading 70 x 18, right to left");
    for (int ticks : {0, 20, 40, 60, 80})
        sheet.Add("MEMORY +" + std::to_string(ticks), ScrollShot("MEMORY", ticks));
    sheet.Add("Virtual MEMORY +60", ScrollShot("Virtual MEMORY", 60));
}

TBitmap ProgressShot(const std::function<void(TGradientBar&)>& style)
{
    Stage stage(248 + 2 * Pad, 20 + 2 * Pad, palette::kPaleBlue);
    auto* bar = stage.Place<TGradientBar>(Pad, Pad);
    bar->SetBounds(Pad, Pad, 248, 20);
    TFontSpec font = Bolded(bar->Font());
    font.color = clWhite;
    bar->SetFont(font);
    bar->SetColor(clSilver);
    bar->SetParentColor(false);
    bar->SetBorderStyle(TFormBorderStyle::bsNone);
    bar->SetStartColor(palette::kDarkBlue);
    bar->SetEndColor(palette::kDarkBlue);
    bar->SetSolid(true);
    bar->SetTextOption(TBarTextOption::toCaption);
    bar->SetCaption("12.5 GB / 7.5 GB");
    bar->SetPosition(62);
    style(*bar);
    stage.Show();
    return stage.Shot();
}

void AddProgressBars(GallerySheet& sheet)
{
    sheet.Row("TGradientBar: drive row 248 x 20");
    sheet.Add("solid", ProgressShot([](TGradientBar&) {}));
    sheet.Add("solid ramp", ProgressShot([](TGradientBar& bar) { bar.SetEndColor(clWhite); }));
    sheet.Add("blocks", ProgressShot([](TGradientBar& bar) { bar.SetSolid(false); }));
    sheet.Add("gradient blocks, percent, 3-D", ProgressShot([](TGradientBar& bar) {
                  bar.SetSolid(false);
                  bar.SetGradientBlocks(true);
                  bar.SetEndColor(clRed);
                  bar.SetTextOption(TBarTextOption::toPercent);
                  bar.SetBorderStyle(TFormBorderStyle::bsSingle);
              }));
}

TBitmap LabelShot(bool hot)
{
    Stage stage(109 + 2 * Pad, 20 + 2 * Pad, palette::kPaleBlue);
    auto* label = stage.Place<TLinkLabel>(Pad, Pad);
    label->SetCaption("Product Web Page");
    TFontSpec font = label->Font();
    font.color = clBlue;
    font.height = -12;
    label->SetFont(font);
    TFontSpec hotFont = Bolded(font);
    hotFont.underline = true;
    label->SetHotTrackFont(hotFont);
    label->SetHotTrack(true);
    label->SetTransparent(true);
    stage.Show();
    if (hot)
        stage.Hover({Pad + 5, Pad + 5});
    return stage.Shot();
}

TBitmap CheckboxShot(bool checked, bool hot, bool focused = false)
{
    Stage stage(161 + 2 * Pad, 17 + 2 * Pad, palette::kPaleBlue);
    auto* box = stage.Place<TCheckBox>(Pad, Pad);
    box->SetCaption("Start Minimized");
    box->SetChecked(checked);
    box->SetTabStop(focused);
    stage.Show();
    if (hot)
        stage.Hover({Pad + 8, Pad + 8});
    return stage.Shot();
}

void AddLinkAndCheck(GallerySheet& sheet)
{
    sheet.Row("TLinkLabel and TCheckBox");
    sheet.Add("link", LabelShot(false));
    sheet.Add("link, hot", LabelShot(true));
    sheet.Add("unchecked", CheckboxShot(false, false));
    sheet.Add("checked", CheckboxShot(true, false));
    sheet.Add("checked, hot", CheckboxShot(true, true));
    sheet.Add("checked, focused", CheckboxShot(true, false, true));
}

}  // namespace

TBitmap BuildGallery()
{
    GallerySheet sheet;
    AddButtons(sheet);
    AddBevels(sheet);
    AddBorders(sheet);
    AddTrackBars(sheet);
    AddLevelBars(sheet);
    AddScrollTexts(sheet);
    AddProgressBars(sheet);
    AddLinkAndCheck(sheet);
    return sheet.Render();
}
