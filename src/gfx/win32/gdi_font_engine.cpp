// Text through GDI itself: each string is drawn white on black into a 32-bit DIB section
// and copied back as a mask in the wanted colour, so the program shows the platform's own
// glyphs while every control still paints into plain TBitmaps. From 200 % on, the platform's
// bitmap faces have no size as tall as the scale asks, so the glyphs come from the same font
// files, magnified by whole pixels (gfx/magnified_fonts.h).
#include "gfx/win32/gdi_font_engine.h"

#include <map>
#include <memory>

#include "gfx/bitmap.h"
#include "gfx/fnt/fnt_font_engine.h"
#include "gfx/font.h"
#include "gfx/magnified_fonts.h"
#include "gfx/win32/windows_api.h"

namespace {

// GDI objects kept for the process's life, one per distinct font description.
class GdiFontEngine : public FontEngine {
public:
    GdiFontEngine() : FDc(CreateCompatibleDC(nullptr)) { }
    ~GdiFontEngine() override
    {
        for (auto& entry : FFonts)
            DeleteObject(entry.second);
        DeleteDC(FDc);
    }
    GdiFontEngine(const GdiFontEngine&) = delete;
    GdiFontEngine& operator=(const GdiFontEngine&) = delete;

    TTextMetrics Metrics(const TFontSpec& font) override
    {
        Select(font);
        TEXTMETRICA tm{};
        GetTextMetricsA(FDc, &tm);
        TTextMetrics out;
        out.height = tm.tmHeight;
        out.ascent = tm.tmAscent;
        out.descent = tm.tmDescent;
        out.internalLeading = tm.tmInternalLeading;
        out.externalLeading = tm.tmExternalLeading;
        out.aveCharWidth = tm.tmAveCharWidth;
        out.maxCharWidth = tm.tmMaxCharWidth;
        out.overhang = tm.tmOverhang;
        return out;
    }

    TSize TextExtent(const TFontSpec& font, std::string_view text) override
    {
        Select(font);
        SIZE size{};
        GetTextExtentPoint32A(FDc, text.data(), static_cast<int>(text.size()), &size);
        return {size.cx, size.cy};
    }

    void DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                  std::string_view text, TColor color) override
    {
        clip = clip.Intersect(target.BoundsRect());
        const TTextMetrics tm = Metrics(font);
        const TSize extent = TextExtent(font, text);
        const int width = extent.cx + tm.overhang + tm.maxCharWidth;
        const int height = extent.cy;
        if (clip.IsEmpty() || width <= 0 || height <= 0)
            return;

        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(FDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dib)
            return;
        HGDIOBJ oldBitmap = SelectObject(FDc, dib);
        Select(font);
        SetTextColor(FDc, RGB(255, 255, 255));
        SetBkColor(FDc, RGB(0, 0, 0));
        SetBkMode(FDc, OPAQUE);
        PatBlt(FDc, 0, 0, width, height, BLACKNESS);
        TextOutA(FDc, 0, 0, text.data(), static_cast<int>(text.size()));
        GdiFlush();

        // Bitmap faces come out pure black and white; smoothed ones are cut at half intensity.
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int row = 0; row < height; ++row)
            for (int col = 0; col < width; ++col) {
                const std::uint32_t p = pixels[static_cast<std::size_t>(row) * width + col];
                const int level =
                    static_cast<int>((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF));
                if (level >= 3 * 128 && clip.Contains({x + col, y + row}))
                    target.Bits()[static_cast<std::size_t>(y + row) * target.Width() + x + col] =
                        color;
            }
        SelectObject(FDc, oldBitmap);
        DeleteObject(dib);
    }

private:
    // Under Wine each selection of a font asks the X server's resources for the smoothing
    // wanted, rereading the user's resource files when there are none: select only a change.
    void Select(const TFontSpec& font)
    {
        HFONT handle = Handle(font);
        if (handle == FSelected)
            return;
        SelectObject(FDc, handle);
        FSelected = handle;
    }

    HFONT Handle(const TFontSpec& font)
    {
        const Key key{font.name,      font.height,    font.bold,   font.italic,
                      font.underline, font.strikeOut, font.charset};
        auto it = FFonts.find(key);
        if (it == FFonts.end()) {
            HFONT handle =
                CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                            font.underline, font.strikeOut, static_cast<DWORD>(font.charset),
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
            it = FFonts.emplace(key, handle).first;
        }
        return it->second;
    }

    struct Key {
        std::string name;
        int height;
        bool bold, italic, underline, strikeOut;
        int charset;
        auto operator<=>(const Key&) const = default;
    };

    HDC FDc;
    HFONT FSelected = nullptr;
    std::map<Key, HFONT> FFonts;
};

}  // namespace

void InstallGdiFontEngine()
{
    SetFontEngine(std::make_unique<MagnifiedFontEngine>(std::make_unique<GdiFontEngine>(),
                                                        std::make_unique<FntFontEngine>()));
}
