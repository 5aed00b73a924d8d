// Text through GDI itself: each string is drawn white on black into a 32-bit DIB section
// and copied back as a mask in the wanted colour, so the program shows the platform's own
// glyphs while every control still paints into plain TBitmaps. From 200 % on, the platform's
// bitmap faces have no size as tall as the scale asks, so the glyphs come from the same font
// files, magnified by whole pixels (gfx/magnified_fonts.h).
#include "gfx/win32/gdi_font_engine.h"

#include <algorithm>
#include <map>
#include <memory>

#include "gfx/bitmap.h"
#include "gfx/fnt/fnt_font_engine.h"
#include "gfx/font.h"
#include "gfx/magnified_fonts.h"
#include "gfx/win32/windows_api.h"

namespace {

// GDI objects kept for the process's life: per distinct font description a memory DC with the
// font selected for good, and the DIB section its strings are drawn into, grown as needed.
// Under Wine each selection of a font asks the X server's resources for the smoothing wanted,
// rereading the user's resource files when there are none, and each DIB section maps and
// unmaps memory: a window of labels in three fonts, repainted twice a second, did both a dozen
// times per paint.
class GdiFontEngine : public FontEngine {
public:
    GdiFontEngine() = default;
    ~GdiFontEngine() override
    {
        for (auto& [key, face] : FFaces) {
            if (face.dib != nullptr) {
                SelectObject(face.dc, face.stockBitmap);
                DeleteObject(face.dib);
            }
            DeleteDC(face.dc);
            DeleteObject(face.font);
        }
    }
    GdiFontEngine(const GdiFontEngine&) = delete;
    GdiFontEngine& operator=(const GdiFontEngine&) = delete;

    TTextMetrics Metrics(const TFontSpec& font) override
    {
        TEXTMETRICA tm{};
        GetTextMetricsA(FaceOf(font).dc, &tm);
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
        SIZE size{};
        GetTextExtentPoint32A(FaceOf(font).dc, text.data(), static_cast<int>(text.size()), &size);
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
        Face& face = FaceOf(font);
        if (!Fit(face, width, height))
            return;
        PatBlt(face.dc, 0, 0, width, height, BLACKNESS);
        TextOutA(face.dc, 0, 0, text.data(), static_cast<int>(text.size()));
        GdiFlush();

        // Bitmap faces come out pure black and white; smoothed ones are cut at half intensity.
        for (int row = 0; row < height; ++row)
            for (int col = 0; col < width; ++col) {
                const std::uint32_t p = face.bits[static_cast<std::size_t>(row) * face.width + col];
                const int level =
                    static_cast<int>((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF));
                if (level >= 3 * 128 && clip.Contains({x + col, y + row}))
                    target.Bits()[static_cast<std::size_t>(y + row) * target.Width() + x + col] =
                        color;
            }
    }

private:
    struct Face {
        HFONT font = nullptr;
        HDC dc = nullptr;
        HBITMAP dib = nullptr;
        HGDIOBJ stockBitmap = nullptr;
        const std::uint32_t* bits = nullptr;
        int width = 0;
        int height = 0;
    };

    Face& FaceOf(const TFontSpec& font)
    {
        const Key key{font.name,      font.height,    font.bold,   font.italic,
                      font.underline, font.strikeOut, font.charset};
        auto it = FFaces.find(key);
        if (it == FFaces.end()) {
            Face face;
            face.font =
                CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                            font.underline, font.strikeOut, static_cast<DWORD>(font.charset),
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
            face.dc = CreateCompatibleDC(nullptr);
            // The DIB section first: the font is realized for the depth it is drawn at.
            Fit(face, 1, 1);
            SelectObject(face.dc, face.font);
            SetTextColor(face.dc, RGB(255, 255, 255));
            SetBkColor(face.dc, RGB(0, 0, 0));
            SetBkMode(face.dc, OPAQUE);
            it = FFaces.emplace(key, face).first;
        }
        return it->second;
    }

    // Gives the face a DIB section of at least width x height; false when none can be made.
    static bool Fit(Face& face, int width, int height)
    {
        if (face.dib != nullptr && width <= face.width && height <= face.height)
            return true;
        width = std::max(width, face.width);
        height = std::max(height, face.height);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(face.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dib == nullptr)
            return false;
        HGDIOBJ old = SelectObject(face.dc, dib);
        if (face.dib == nullptr)
            face.stockBitmap = old;
        else
            DeleteObject(face.dib);
        face.dib = dib;
        face.bits = static_cast<const std::uint32_t*>(bits);
        face.width = width;
        face.height = height;
        return true;
    }

    struct Key {
        std::string name;
        int height;
        bool bold, italic, underline, strikeOut;
        int charset;
        auto operator<=>(const Key&) const = default;
    };

    std::map<Key, Face> FFaces;
};

}  // namespace

void InstallGdiFontEngine()
{
    SetFontEngine(std::make_unique<MagnifiedFontEngine>(std::make_unique<GdiFontEngine>(),
                                                        std::make_unique<FntFontEngine>()));
}
