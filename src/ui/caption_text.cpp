// DrawText format, text and vertical placement of a control's caption.
#include "ui/caption_text.h"

#include "gfx/canvas.h"

unsigned CaptionFormat(TAlignment alignment, bool wordWrap)
{
    unsigned flags = DT_EXPANDTABS;
    if (wordWrap)
        flags |= DT_WORDBREAK;
    if (alignment == TAlignment::taCenter)
        flags |= DT_CENTER;
    else if (alignment == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

std::string CaptionForDrawText(const std::string& caption, bool showAccelChar, unsigned& flags)
{
    if (!showAccelChar)
        flags |= DT_NOPREFIX;
    if ((flags & DT_CALCRECT) != 0 && (caption.empty() || (showAccelChar && caption == "&")))
        return caption + ' ';
    return caption;
}

int LayoutOffset(TTextLayout layout, int height, int textBottom)
{
    switch (layout) {
    case TTextLayout::tlTop:
        return 0;
    case TTextLayout::tlCenter:
        return (height - textBottom) / 2;
    case TTextLayout::tlBottom:
        return height - textBottom;
    }
    return 0;
}
