#include "ui/drawn/menu_face.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "ui/drawn/popup_look.h"

namespace {

constexpr const char* kCheckGlyph[] = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};
constexpr const char* kBulletGlyph[] = {
    ".####.", "######", "######", "######", "######", ".####.",
};
constexpr const char* kArrowGlyph[] = {
    "#...", "##..", "###.", "####", "###.", "##..", "#...",
};

constexpr unsigned kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;

bool IsSeparator(const TMenuEntry& entry) { return entry.caption == "-"; }

// The frame: the raised edge and one design pixel of the menu colour inside it.
int FrameWidth(int dpi) { return kEdgeWidth + PopupScaled(1, dpi); }
int CheckColumn(int dpi) { return PopupScaled(22, dpi); }
int ArrowColumn(int dpi) { return PopupScaled(20, dpi); }

int CaptionWidth(const TMenuEntry& entry, int dpi)
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font = PopupFont(dpi, entry.isDefault);
    TRect r{0, 0, 0, 0};
    canvas.DrawText(r, entry.caption, kCaptionFormat | DT_CALCRECT);
    return r.Width();
}

void PaintSeparator(TCanvas& canvas, const TRect& row, int dpi)
{
    const int y = row.top + row.Height() / 2 - 1;
    const int inset = PopupScaled(1, dpi);
    canvas.Brush.color = clBtnShadow;
    canvas.FillRect({row.left + inset, y, row.right - inset, y + 1});
    canvas.Brush.color = clBtnHighlight;
    canvas.FillRect({row.left + inset, y + 1, row.right - inset, y + 2});
}

// The check column's mark: the check or bullet of a checked entry, else its picture.
void PaintMark(TCanvas& canvas, const TMenuEntry& entry, const TRect& column, int dpi, TColor ink)
{
    if (entry.checked) {
        const auto glyph = entry.radio ? std::span<const char* const>(kBulletGlyph)
                                       : std::span<const char* const>(kCheckGlyph);
        PaintGlyph(canvas, glyph, Centred(column, GlyphSize(glyph, dpi)), dpi, ink);
    } else if (entry.picture != nullptr) {
        const TSize size{PopupScaled(16, dpi), PopupScaled(16, dpi)};
        const TPoint at = Centred(column, size);
        PaintPicture(canvas, *entry.picture, {at.x, at.y, at.x + size.cx, at.y + size.cy});
    }
}

void PaintEntry(TCanvas& canvas, const TMenuEntry& entry, const TRect& row, bool selected, int dpi)
{
    TColor ink = entry.enabled ? clMenuText : clGrayText;
    if (selected) {
        canvas.Brush.color = clHighlight;
        canvas.FillRect(row);
        ink = entry.enabled ? clHighlightText : clGrayText;
    }
    PaintMark(canvas, entry, {row.left, row.top, row.left + CheckColumn(dpi), row.bottom}, dpi,
              ink);
    TRect text{row.left + CheckColumn(dpi), row.top, row.right - ArrowColumn(dpi), row.bottom};
    canvas.Font = PopupFont(dpi, entry.isDefault);
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    if (!entry.enabled && !selected) {
        canvas.DrawEmbossedText(text, entry.caption, kCaptionFormat);
    } else {
        canvas.Font.color = ink;
        canvas.DrawText(text, entry.caption, kCaptionFormat);
    }
    if (!entry.items.empty()) {
        const TRect column{row.right - ArrowColumn(dpi), row.top, row.right, row.bottom};
        PaintGlyph(canvas, kArrowGlyph, Centred(column, GlyphSize(kArrowGlyph, dpi)), dpi, ink);
    }
}

}  // namespace

TMenuFace LayoutMenu(const std::vector<TMenuEntry>& items, int dpi)
{
    TMenuFace face;
    face.dpi = dpi;
    const int frame = FrameWidth(dpi);
    const int textHeight = Fonts().TextHeight(PopupFont(dpi));
    const int rowHeight = std::max(textHeight + PopupScaled(5, dpi), PopupScaled(18, dpi));
    int widest = 0;
    int y = frame;
    for (const TMenuEntry& entry : items) {
        const int height = IsSeparator(entry) ? PopupScaled(9, dpi) : rowHeight;
        face.rows.push_back({frame, y, 0, y + height});
        y += height;
        if (!IsSeparator(entry))
            widest = std::max(widest, CaptionWidth(entry, dpi));
    }
    face.size = {2 * frame + CheckColumn(dpi) + widest + ArrowColumn(dpi), y + frame};
    for (TRect& row : face.rows)
        row.right = face.size.cx - frame;
    return face;
}

TBitmap PaintMenu(const std::vector<TMenuEntry>& items, const TMenuFace& face, int selected)
{
    TBitmap image(face.size.cx, face.size.cy);
    TCanvas& canvas = image.Canvas();
    canvas.Brush.color = clMenu;
    canvas.FillRect(image.BoundsRect());
    PaintEdge(canvas, image.BoundsRect(), kRaisedWindowEdge);
    for (std::size_t i = 0; i < items.size() && i < face.rows.size(); ++i) {
        if (IsSeparator(items[i]))
            PaintSeparator(canvas, face.rows[i], face.dpi);
        else
            PaintEntry(canvas, items[i], face.rows[i], static_cast<int>(i) == selected, face.dpi);
    }
    return image;
}

int MenuRowAt(const TMenuFace& face, TPoint point) { return IndexAt(face.rows, point); }

TPoint MenuPlace(TPoint at, TSize size, TSize screen)
{
    TPoint place = at;
    if (at.x + size.cx > screen.cx && at.x - size.cx >= 0)
        place.x = at.x - size.cx;
    if (at.y + size.cy > screen.cy && at.y - size.cy >= 0)
        place.y = at.y - size.cy;
    return KeepOnScreen({place.x, place.y, place.x + size.cx, place.y + size.cy}, screen);
}

TPoint SubmenuPlace(const TRect& parent, const TRect& row, TSize size, TSize screen, int dpi)
{
    // The submenu's first entry lines up with its entry; the frames overlap a little.
    const int overlap = FrameWidth(dpi);
    TPoint place{parent.right - overlap, row.top - FrameWidth(dpi)};
    if (place.x + size.cx > screen.cx)
        place.x = parent.left + overlap - size.cx;
    return KeepOnScreen({place.x, place.y, place.x + size.cx, place.y + size.cy}, screen);
}
