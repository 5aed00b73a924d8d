// The text engine for Linux and the headless toolkit: glyphs from the Windows bitmap fonts
// that Debian's fonts-wine package installs, chosen, emboldened and placed as Wine does, so
// headless pictures match the program under Wine pixel for pixel.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "gfx/fnt/fon_file.h"
#include "gfx/font.h"

class FntFontEngine : public FontEngine {
public:
    // fontDir empty: $SPACEWELL_FONT_DIR, else %WINDIR%\Fonts on Windows, /usr/share/wine/fonts
    // elsewhere.
    explicit FntFontEngine(std::string fontDir = {});

    TTextMetrics Metrics(const TFontSpec& font) override;
    TSize TextExtent(const TFontSpec& font, std::string_view text) override;
    void DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                  std::string_view text, TColor color) override;

    // The face a request gets: by file for the name, then by height (see SelectFace).
    const FntFace& Face(const TFontSpec& font);

private:
    const std::vector<FntFace>& Faces(const std::string& fileName);

    std::string FFontDir;
    // Loaded files are never changed or dropped, so faces keep their addresses.
    std::map<std::string, std::vector<FntFace>> FFiles;
    // The face of the latest request: windows measure and draw with one font many times over.
    std::string FLastName;
    int FLastHeight = 0;
    int FLastDpi = 0;
    const FntFace* FLastFace = nullptr;
};

// Picks by the height rules of GDI's bitmap-font mapping: negative = em height (the largest
// face whose em height fits, else the smallest), positive = cell height (the largest face
// whose pixel height fits, else the smallest), zero = the smallest face.
const FntFace& SelectFace(const std::vector<FntFace>& faces, int height);

// The font file for a face name at a screen scale; unknown names fall back to
// "MS Sans Serif"'s file.
std::string FontFileFor(const std::string& faceName, int pixelsPerInch = 96);
