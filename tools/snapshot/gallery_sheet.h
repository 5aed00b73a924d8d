// The gallery's page: rows of captioned pictures on a neutral background, each row under a
// heading, laid out left to right and rendered into one bitmap.
#pragma once

#include <string>
#include <vector>

#include "gfx/bitmap.h"

class GallerySheet {
public:
    // Starts a new row under `heading`.
    void Row(const std::string& heading);
    // Adds a picture with a caption below it to the current row.
    void Add(const std::string& caption, const TBitmap& picture);
    TBitmap Render() const;

private:
    struct Cell {
        std::string caption;
        TBitmap picture;
    };
    struct Line {
        std::string heading;
        std::vector<Cell> cells;
    };

    static int CellWidth(const Cell& cell);
    static int RowHeight(const Line& line);
    static void DrawRow(TBitmap& page, const Line& line, int top);

    std::vector<Line> FRows;
};
