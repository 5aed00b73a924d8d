// Test helper: a bitmap region as rows of characters ('.' white, '#' black, 'o' other), so
// pixel expectations read as small pictures.
#pragma once

#include <string>
#include <vector>

#include "gfx/bitmap.h"

inline std::vector<std::string> Picture(const TBitmap& b, TRect area)
{
    std::vector<std::string> rows;
    for (int y = area.top; y < area.bottom; ++y) {
        std::string row;
        for (int x = area.left; x < area.right; ++x) {
            const TColor c = b.Pixel(x, y);
            row += c == clWhite ? '.' : c == clBlack ? '#' : 'o';
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> Picture(const TBitmap& b) { return Picture(b, b.BoundsRect()); }

using Rows = std::vector<std::string>;
