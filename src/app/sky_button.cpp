#include "app/sky_button.h"

#include "app/palette.h"
#include "controls/push_button.h"
#include "ui/form.h"

namespace {

// Face, gradient, dark, light, border, text for each state; then the focus rectangle.
constexpr TColor kSkyColors[ButtonColorCount] = {
    0xFFE0C1, 0x37BEFF, 0xFFA953, 0xFFECD9, palette::kDarkBlue, clBlack,  // normal
    0xFFCD9B, clWhite,  0xFFB164, 0xFFE4CA, palette::kDarkBlue, clBlack,  // pointer over
    0xFFC082, clWhite,  0xFFD3A8, 0xFF9122, palette::kDarkBlue, clBlack,  // pressed
    0xE2E2E2, clWhite,  0xD8D8D8, 0xEAEAEA, 0xC4C4C4,           clGray,  // disabled
    0xDC9B14,
};

}  // namespace

// The colours go first and the scheme's name last, since any single colour change marks the
// scheme custom.
void DressSkyButton(TPushButton& button)
{
    for (int i = 0; i < ButtonColorCount; ++i)
        button.SetSchemeColor(i, kSkyColors[i]);
    button.SetColorScheme(TColorScheme::csSky);
    button.SetCtl3D(false);
    button.SetGradient(false);
    button.SetHotTrack(true);
    button.SetTransparentGlyph(true);
    button.SetLayout(TButtonLayout::blGlyphLeft);
    button.SetSpacing(4);
}

TPushButton* NewSkyButton(TForm& form, const char* name, TRect bounds, const char* caption,
                          const char* hint)
{
    auto* button = new TPushButton(&form);
    button->SetName(name);
    button->SetParent(&form);
    button->SetBoundsRect(bounds);
    button->SetCaption(caption);
    button->SetHint(hint);
    DressSkyButton(*button);
    return button;
}
