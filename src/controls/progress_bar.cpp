// The progress bar's rules: which changes rebuild the picture, how the filled width and the
// blocks are computed, and how ramp, remainder, text and frame are drawn into Buffer.
#include "controls/progress_bar.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "controls/frame_3d.h"
#include "gfx/canvas.h"
#include "gfx/rounding.h"
#include "ui/property_change.h"

namespace {

// One channel of a ramp: the start value and the step per pixel column.
struct TChannelRamp {
    double start;
    double step;
};

struct TColorRamp {
    TChannelRamp r, g, b;

    TColorRamp(TColor from, TColor to, int width)
        : r{double(GetRValue(from)), double(GetRValue(to) - GetRValue(from)) / width},
          g{double(GetGValue(from)), double(GetGValue(to) - GetGValue(from)) / width},
          b{double(GetBValue(from)), double(GetBValue(to) - GetBValue(from)) / width}
    {
    }
};

// Running channel values of the blocks mode, carried as reals from block to block.
struct TRunningColor {
    double r, g, b;

    TColor Value() const { return RGB(RoundHalfEven(r), RoundHalfEven(g), RoundHalfEven(b)); }
    void Advance(const TColorRamp& ramp, double columns)
    {
        r += ramp.r.step * columns;
        g += ramp.g.step * columns;
        b += ramp.b.step * columns;
    }
};

void FillBand(TCanvas& canvas, int x, int width, int height, TColor color)
{
    canvas.Brush.color = color;
    canvas.Brush.style = TBrushStyle::bsSolid;
    canvas.FillRect({x, 1, x + width, height - 1});
}

[[noreturn]] void FormatError(const std::string& format)
{
    throw std::runtime_error("Format '" + format + "' invalid or incompatible with argument");
}

// The caption as a format string for exactly one integer: "%d", "%u", "%x" with optional
// left-justify flag, width and precision, and "%%".
std::string FormatWithInteger(const std::string& format, int value)
{
    std::string out;
    bool argumentUsed = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t j = i + 1;
        if (j < format.size() && format[j] == '%') {
            out += '%';
            i = j;
            continue;
        }
        std::string conversion = "%";
        while (j < format.size() &&
               (format[j] == '-' || format[j] == '.' || (format[j] >= '0' && format[j] <= '9')))
            conversion += format[j++];
        if (j >= format.size() || argumentUsed)
            FormatError(format);
        char type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[j])));
        if (type != 'd' && type != 'u' && type != 'x')
            FormatError(format);
        conversion += type == 'x' ? 'X' : type;
        char buffer[64];
        if (type == 'd')
            std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
        else
            std::snprintf(buffer, sizeof buffer, conversion.c_str(), static_cast<unsigned>(value));
        out += buffer;
        argumentUsed = true;
        i = j;
    }
    return out;
}

}  // namespace

TGradientBar::TGradientBar(TComponent* owner) : TExtGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(Left(), Top(), 150, 15);
    FBuffer.Canvas().Font = Font();
}

int TGradientBar::Percent() const
{
    if (FMaximum == FMinimum)
        return 0;
    return static_cast<int>(std::int64_t(FPosition - FMinimum) * 100 / (FMaximum - FMinimum));
}

void TGradientBar::SetPosition(int value)
{
    value = std::clamp(value, FMinimum, FMaximum);
    if (value == FPosition)
        return;
    int oldPercent = Percent();
    FPosition = value;
    RangeChanged(oldPercent);
}

// A bound set past the other one stops at it; Position is kept inside the resulting range.
void TGradientBar::SetMaximum(int value)
{
    if (value == FMaximum)
        return;
    int oldPercent = Percent();
    FMaximum = std::max(value, FMinimum);
    FPosition = std::min(FPosition, FMaximum);
    RangeChanged(oldPercent);
}

void TGradientBar::SetMinimum(int value)
{
    if (value == FMinimum)
        return;
    int oldPercent = Percent();
    FMinimum = std::min(value, FMaximum);
    FPosition = std::max(FPosition, FMinimum);
    RangeChanged(oldPercent);
}

// Only a text that shows the percentage needs a new picture for a new value; a changed fill
// is caught by ComputeFill.
void TGradientBar::RangeChanged(int oldPercent)
{
    FDirty =
        (FTextOption == TBarTextOption::toFormat || FTextOption == TBarTextOption::toPercent) &&
        Percent() != oldPercent;
    ComputeFill();
    Rebuild();
}

void TGradientBar::MarkDirtyAndRebuild()
{
    FDirty = true;
    Rebuild();
}

void TGradientBar::SetStartColor(TColor value)
{
    if (value == FStartColor)
        return;
    FStartColor = value;
    FStartRGB = ColorToRGB(value);
    MarkDirtyAndRebuild();
}

void TGradientBar::SetEndColor(TColor value)
{
    if (value == FEndColor)
        return;
    FEndColor = value;
    FEndRGB = ColorToRGB(value);
    MarkDirtyAndRebuild();
}

void TGradientBar::SetSolid(bool value)
{
    if (value == FSolid)
        return;
    FSolid = value;
    FDirty = true;
    ComputeFill();
    Rebuild();
}

void TGradientBar::SetGradientBlocks(bool value)
{
    if (value == FGradientBlocks)
        return;
    FGradientBlocks = value;
    if (!FSolid)
        MarkDirtyAndRebuild();
}

void TGradientBar::SetTextOption(TBarTextOption value)
{
    ChangeProperty(FTextOption, value, [this] { MarkDirtyAndRebuild(); });
}

void TGradientBar::SetTextCentered(bool value)
{
    if (value == FTextCentered)
        return;
    FTextCentered = value;
    if (FTextOption != TBarTextOption::toNoText)
        MarkDirtyAndRebuild();
}

void TGradientBar::SetBorderStyle(TBorderStyle value)
{
    ChangeProperty(FBorderStyle, value, [this] { MarkDirtyAndRebuild(); });
}

void TGradientBar::ColorChanged()
{
    TExtGraphicControl::ColorChanged();
    MarkDirtyAndRebuild();
}

void TGradientBar::FontChanged()
{
    TExtGraphicControl::FontChanged();
    FBuffer.Canvas().Font = Font();
    if (FTextOption != TBarTextOption::toNoText)
        MarkDirtyAndRebuild();
}

void TGradientBar::TextChanged()
{
    if (FTextOption == TBarTextOption::toCaption || FTextOption == TBarTextOption::toFormat)
        MarkDirtyAndRebuild();
    TExtGraphicControl::TextChanged();
}

void TGradientBar::Loaded()
{
    TExtGraphicControl::Loaded();
    // Settings made while loading drew nothing, so the picture is owed whatever they were.
    FDirty = true;
    ComputeFill();
    Rebuild();
}

void TGradientBar::ComputeFill()
{
    const int w = Width();
    if (Loading() || FMaximum == FMinimum || w < 2)
        return;
    const int rawFill =
        static_cast<int>(std::int64_t(w - 2) * (FPosition - FMinimum) / (FMaximum - FMinimum));
    const int fill = FSolid ? rawFill : ComputeBlocks(rawFill);
    if (fill != FFillWidth) {
        FFillWidth = fill;
        MarkDirtyAndRebuild();
    }
}

// Whole blocks of BlockPitch, plus one more when the leftover is more than half of the room
// for it; that last block is narrow when it meets the inner right edge.
int TGradientBar::ComputeBlocks(int rawFill)
{
    const int inner = Width() - 2;
    FBlockPitch = 2 * Height() / 3;
    if (FBlockPitch == 0)
        return 0;
    FBlockCount = rawFill / FBlockPitch;
    const int room = std::min(inner - FBlockCount * FBlockPitch, FBlockPitch);
    if (room < 2 * (rawFill % FBlockPitch)) {
        ++FBlockCount;
        FTailPartial = room < FBlockPitch;
        FTailWidth = room;
        return FTailPartial ? inner : FBlockCount * FBlockPitch;
    }
    FTailPartial = false;
    return FBlockCount * FBlockPitch;
}

void TGradientBar::Rebuild()
{
    if (!FDirty || Loading())
        return;
    FDirty = false;
    if (Width() <= 0 || Height() <= 0)
        return;
    FBuffer.SetSize(Width(), Height());
    DrawImage();
    if (!FPainting)
        Repaint();
}

void TGradientBar::DrawImage()
{
    TCanvas& canvas = FBuffer.Canvas();
    if (FSolid)
        DrawRamp(canvas);
    else
        DrawBlocks(canvas);
    DrawRemainder(canvas);
    DrawCaption(canvas);
    DrawFrame(canvas);
}

// Each column's colour comes from its index, so no rounding error accumulates.
void TGradientBar::DrawRamp(TCanvas& canvas)
{
    const int h = Height();
    if (FFillWidth == 0)
        return;
    if (FStartRGB == FEndRGB) {
        FillBand(canvas, 1, FFillWidth, h, FStartRGB);
        return;
    }
    const TColorRamp ramp(FStartRGB, FEndRGB, FFillWidth);
    std::vector<TColor> columns(static_cast<std::size_t>(FFillWidth));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const double k = static_cast<double>(i);
        columns[i] = RGB(RoundHalfEven(ramp.r.start + k * ramp.r.step),
                         RoundHalfEven(ramp.g.start + k * ramp.g.step),
                         RoundHalfEven(ramp.b.start + k * ramp.b.step));
    }
    canvas.FillColumns({1, 1, 1 + FFillWidth, h - 1}, columns);
}

// The colour of every column from x = 1 (blocks, the gaps between them in Color, the narrow
// last block) is worked out first, then all rows are painted from it at once.
void TGradientBar::DrawBlocks(TCanvas& canvas)
{
    if (FFillWidth == 0 || FBlockPitch == 0)
        return;
    const int full = FTailPartial ? FBlockCount - 1 : FBlockCount;
    std::vector<TColor> columns(
        static_cast<std::size_t>(full * FBlockPitch + (FTailPartial ? FTailWidth : 0)), Color());
    const auto block = [&](int k) { return columns.begin() + k * FBlockPitch; };
    if (FStartRGB == FEndRGB) {
        for (int k = 0; k < full; ++k)
            std::fill_n(block(k), FBlockPitch - 1, FStartRGB);
        if (FTailPartial)
            std::fill_n(block(full), FTailWidth, FStartRGB);
    } else {
        const TColorRamp ramp(FStartRGB, FEndRGB, FFillWidth);
        TRunningColor color{ramp.r.start, ramp.g.start, ramp.b.start};
        // One colour per block, or one per column.
        auto paintBlock = [&](std::vector<TColor>::iterator first, int width) {
            if (!FGradientBlocks) {
                std::fill_n(first, width, color.Value());
                color.Advance(ramp, FBlockPitch);
                return;
            }
            for (int i = 0; i < width; ++i) {
                first[i] = color.Value();
                color.Advance(ramp, 1);
            }
            color.Advance(ramp, 1);
        };
        for (int k = 0; k < full; ++k)
            paintBlock(block(k), FBlockPitch - 1);
        if (FTailPartial)
            paintBlock(block(full), FTailWidth);
    }
    const int right = 1 + static_cast<int>(columns.size());
    canvas.FillColumns({1, 1, right, Height() - 1}, columns);
}

void TGradientBar::DrawRemainder(TCanvas& canvas)
{
    const int inner = Width() - 2;
    if (FFillWidth < inner)
        FillBand(canvas, FFillWidth + 1, inner - FFillWidth, Height(), Color());
}

std::string TGradientBar::DisplayText() const
{
    switch (FTextOption) {
    case TBarTextOption::toCaption:
        return Caption();
    case TBarTextOption::toFormat:
        return FormatWithInteger(Caption(), Percent());
    case TBarTextOption::toPercent:
        return std::to_string(Percent()) + "%";
    case TBarTextOption::toNoText:
        break;
    }
    return {};
}

// Centred on the filled part (or the whole width), never starting left of x = 0.
void TGradientBar::DrawCaption(TCanvas& canvas)
{
    if (FTextOption == TBarTextOption::toNoText)
        return;
    const std::string text = DisplayText();
    const TSize extent = canvas.TextExtent(text);
    const int reference = FTextCentered ? Width() : FFillWidth;
    const int x = std::max((reference - extent.cx) / 2, 0);
    const int y = std::max((Height() - extent.cy) / 2, 0);
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.TextOut(x, y, text);
}

void TGradientBar::DrawFrame(TCanvas& canvas)
{
    TRect r{0, 0, Width(), Height()};
    if (FBorderStyle != TFormBorderStyle::bsSingle) {
        canvas.Brush.color = Color();
        canvas.Brush.style = TBrushStyle::bsSolid;
        canvas.FrameRect(r);
        return;
    }
    DrawFrame3D(canvas, r, clBtnFace, clBtnFace, 1);
    DrawFrame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    DrawFrame3D(canvas, r, cl3DDkShadow, clBtnFace, 1);
}

// A resize since the last rebuild is noticed here and rebuilt before the copy.
void TGradientBar::Paint()
{
    const int w = Width();
    const int h = Height();
    if (FBuffer.Width() != w || FBuffer.Height() != h) {
        struct TPaintingScope {
            bool& flag;
            ~TPaintingScope() { flag = false; }
        } scope{FPainting};
        FPainting = true;
        FDirty = true;
        ComputeFill();
        Rebuild();
    }
    if (w > 2 && h > 2)
        Canvas().CopyRect({0, 0, w, h}, FBuffer, {0, 0, w, h});
}
