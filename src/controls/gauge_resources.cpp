// Pixel data of the gauge controls' built-in pictures, written as rows of palette letters so
// the pictures can be read in the source.
#include "controls/gauge_resources.h"

namespace {

// Letters of the standard 16-colour palette that the thumbs use.
TColor PaletteColor(char letter)
{
    switch (letter) {
    case 'W':
        return clWhite;
    case 'S':
        return clSilver;
    case 'G':
        return clGray;
    default:
        return clBlack;
    }
}

TBitmap BitmapFromRows(const std::vector<std::string>& rows)
{
    TBitmap bitmap(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.SetPixel(x, y, PaletteColor(rows[y][x]));
    return bitmap;
}

std::vector<std::string> HorizontalThumbRows()
{
    std::vector<std::string> rows{"KKKKKKKKK", "KWWWWWWWK"};
    rows.insert(rows.end(), 13, "KWSSSSSGK");
    rows.push_back("KGGGGGGGK");
    rows.push_back("KKKKKKKKK");
    return rows;
}

std::vector<std::string> VerticalThumbRows()
{
    const std::string edge(17, 'K');
    std::vector<std::string> rows{edge, "K" + std::string(15, 'W') + "K"};
    rows.insert(rows.end(), 5, "KW" + std::string(13, 'S') + "GK");
    rows.push_back("KW" + std::string(14, 'G') + "K");
    rows.push_back(edge);
    return rows;
}

const TCursorResource HandPoint{
    {
        ".....KK.........", "....KWWK........", "....KWWK........", "....KWWK........",
        "....KWWK........", "....KWWKKK......", "....KWWKWWKKK...", "....KWWKWWKWWKK.",
        ".KK.KWWKWWKWWKWK", "KWWKKWWWWWWWWKWK", "KWWWKWWWWWWWWWWK", ".KWWKWWWWWWWWWWK",
        "..KWWWWWWWWWWWWK", "..KWWWWWWWWWWWK.", "...KWWWWWWWWWWK.", "...KWWWWWWWWWK..",
        "....KWWWWWWWWK..", "....KWWWWWWWWK..", "....KKKKKKKKKK..",
    },
    {5, 0},
};

}  // namespace

TBitmap LoadGaugeBitmap(std::string_view name)
{
    if (name == "VRTB_HORI")
        return BitmapFromRows(HorizontalThumbRows());
    if (name == "VRTB_VERT")
        return BitmapFromRows(VerticalThumbRows());
    return TBitmap();
}

const TCursorResource& LoadGaugeCursor(std::string_view name)
{
    static const TCursorResource none;
    return name == "VRCURSORHANDPOINT" ? HandPoint : none;
}

TBitmap CursorPicture(const TCursorResource& cursor)
{
    if (cursor.rows.empty())
        return TBitmap();
    // A colour no cursor row letter stands for marks the see-through pixels.
    TBitmap picture = BitmapFromRows(cursor.rows);
    picture.Transparent = true;
    picture.TransparentColor = clFuchsia;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (cursor.rows[y][x] == '.')
                picture.SetPixel(x, y, clFuchsia);
    return picture;
}
