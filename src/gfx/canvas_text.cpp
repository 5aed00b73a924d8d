// TCanvas text: TextOut and DrawText placed as Win32 places them, glyphs from Fonts().
#include <algorithm>

#include "gfx/canvas.h"
#include "gfx/text_layout.h"

namespace {

// Tab stops every eight average character widths, DrawText's default.
int ExpandedWidth(FontEngine& fonts, const TFontSpec& font, std::string_view text, bool expandTabs)
{
    if (!expandTabs)
        return fonts.TextExtent(font, text).cx;
    const int tab = std::max(8 * fonts.Metrics(font).aveCharWidth, 1);
    int width = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t t = text.find('\t', start);
        width += fonts.TextExtent(font, text.substr(start, t - start)).cx;
        if (t == std::string_view::npos)
            return width;
        width = (width / tab + 1) * tab;
        start = t + 1;
    }
}

}  // namespace

TSize TCanvas::TextExtent(std::string_view text) const { return Fonts().TextExtent(Font, text); }

void TCanvas::PaintText(int x, int y, std::string_view text, const TRect& clip)
{
    FontEngine& fonts = Fonts();
    if (FBkMode == TBackgroundMode::bkOpaque && Brush.style == TBrushStyle::bsSolid) {
        const TSize extent = fonts.TextExtent(Font, text);
        FillDevice(Bounds(x, y, extent.cx, extent.cy).Intersect(clip), ColorToRGB(Brush.color),
                   TPenMode::pmCopy);
    }
    fonts.DrawText(*FTarget, clip, x, y, Font, text, ColorToRGB(Font.color));
}

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    PaintText(x + FOrigin.x, y + FOrigin.y, text, DeviceClip());
    FPenPos = {x + TextWidth(text), y};
}

int TCanvas::DrawText(TRect& r, std::string_view text, unsigned format)
{
    FontEngine& fonts = Fonts();
    const TTextMetrics tm = fonts.Metrics(Font);
    const int lineHeight = tm.height;
    const bool expandTabs = format & DT_EXPANDTABS;
    const TextMeasure measure = [&](std::string_view s) {
        return ExpandedWidth(fonts, Font, s, expandTabs);
    };

    if (text.empty()) {
        if (format & DT_CALCRECT) {
            r.right = r.left;
            r.bottom = r.top + ((format & DT_SINGLELINE) ? lineHeight : 0);
        }
        return lineHeight;
    }

    const std::vector<TextLine> lines = LayoutText(text, format, r.Width(), measure);
    int y = r.top;
    if ((format & DT_SINGLELINE) && !(format & DT_CALCRECT)) {
        if (format & DT_VCENTER)
            y = r.top + r.Height() / 2 - lineHeight / 2;
        else if (format & DT_BOTTOM)
            y = r.bottom - lineHeight;
    }

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, measure(line.text));
        r.right = r.left + widest;
        r.bottom = r.top + static_cast<int>(lines.size()) * lineHeight;
        return r.bottom - r.top;
    }

    TRect clip = DeviceClip();
    if (!(format & DT_NOCLIP))
        clip = clip.Intersect(TRect(r).Offset(FOrigin.x, FOrigin.y));
    const TColor textRgb = ColorToRGB(Font.color);
    for (const TextLine& line : lines) {
        const int width = measure(line.text);
        int x = r.left;
        if (format & DT_CENTER)
            x = (r.left + r.right - width) / 2;
        else if (format & DT_RIGHT)
            x = r.right - width;
        const std::string_view s = line.text;
        std::size_t start = 0;
        while (true) {
            const std::size_t t = expandTabs ? s.find('\t', start) : std::string_view::npos;
            const std::string_view part = s.substr(start, t - start);
            PaintText(x + FOrigin.x + measure(s.substr(0, start)), y + FOrigin.y, part, clip);
            if (t == std::string_view::npos)
                break;
            start = t + 1;
        }
        // The accelerator's underline: one row below the baseline, under the character's advance.
        if (line.prefixIndex >= 0) {
            const auto index = static_cast<std::size_t>(line.prefixIndex);
            const int from = x + measure(s.substr(0, index)) + FOrigin.x;
            const int to = x + measure(s.substr(0, index + 1)) - 1 + FOrigin.x;
            for (int px = from; px < to; ++px)
                PutPixel(px, y + tm.ascent + 1 + FOrigin.y, textRgb, TPenMode::pmCopy, clip);
        }
        y += lineHeight;
    }
    return y - r.top;
}

void TCanvas::DrawEmbossedText(const TRect& r, std::string_view text, unsigned format)
{
    TRect raised = r;
    raised.Offset(1, 1);
    Font.color = clBtnHighlight;
    DrawText(raised, text, format);
    TRect inPlace = r;
    Font.color = clBtnShadow;
    DrawText(inPlace, text, format);
}
