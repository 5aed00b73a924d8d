// Lays out the gallery page: a heading line per row, then the row's pictures side by side,
// each framed by a thin grey line so the picture's own edge stays visible, its caption below.
#include "gallery_sheet.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "gfx/color.h"

namespace {

constexpr TColor Background = 0xE8E8E8;
constexpr TColor CellFrame = 0xA0A0A0;
constexpr int Margin = 12;
constexpr int Gap = 14;
constexpr int TextLine = 16;

TFontSpec CaptionFont(bool bold)
{
    TFontSpec font;
    font.color = clBlack;
    font.bold = bold;
    return font;
}

int CaptionWidth(const std::string& text)
{
    TBitmap probe(1, 1);
    probe.Canvas().Font = CaptionFont(false);
    return probe.Canvas().TextWidth(text);
}

}  // namespace

void GallerySheet::Row(const std::string& heading) { FRows.push_back({heading, {}}); }

void GallerySheet::Add(const std::string& caption, const TBitmap& picture)
{
    FRows.back().cells.push_back({caption, picture});
}

int GallerySheet::CellWidth(const Cell& cell)
{
    return std::max(cell.picture.Width() + 2, CaptionWidth(cell.caption));
}

int GallerySheet::RowHeight(const Line& line)
{
    int tallest = 0;
    for (const Cell& cell : line.cells)
        tallest = std::max(tallest, cell.picture.Height() + 2);
    return TextLine + tallest + TextLine + Gap;
}

TBitmap GallerySheet::Render() const
{
    int width = 0;
    int height = Margin;
    for (const Line& line : FRows) {
        int rowWidth = 0;
        for (const Cell& cell : line.cells)
            rowWidth += CellWidth(cell) + Gap;
        width = std::max(width, rowWidth);
        height += RowHeight(line);
    }
    TBitmap page(width + 2 * Margin, height);
    page.Canvas().Brush = TBrush{Background, TBrushStyle::bsSolid};
    page.Canvas().FillRect(page.BoundsRect());
    int top = Margin;
    for (const Line& line : FRows) {
        DrawRow(page, line, top);
        top += RowHeight(line);
    }
    return page;
}

void GallerySheet::DrawRow(TBitmap& page, const Line& line, int top)
{
    TCanvas& canvas = page.Canvas();
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.Font = CaptionFont(true);
    canvas.TextOut(Margin, top, line.heading);
    canvas.Font = CaptionFont(false);
    int left = Margin;
    const int pictureTop = top + TextLine;
    for (const Cell& cell : line.cells) {
        canvas.Brush = TBrush{CellFrame, TBrushStyle::bsSolid};
        canvas.FrameRect({left, pictureTop, left + cell.picture.Width() + 2,
                          pictureTop + cell.picture.Height() + 2});
        canvas.Draw(left + 1, pictureTop + 1, cell.picture);
        canvas.TextOut(left, pictureTop + cell.picture.Height() + 4, cell.caption);
        left += CellWidth(cell) + Gap;
    }
}
