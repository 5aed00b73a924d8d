// Bitmaps in and out of byte streams in the Windows BMP file layout (file header, 40-byte info
// header, bottom-up rows padded to four bytes), the form in which picture lists are stored.
// Written as 24 bits per pixel; 24- and 32-bit uncompressed files are read.
#pragma once

#include <istream>
#include <ostream>
#include <stdexcept>

#include "gfx/bitmap.h"

// A stream that does not hold a bitmap this reader understands, or ends inside one.
struct EInvalidGraphic : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void WriteBitmapStream(std::ostream& out, const TBitmap& bitmap);
// Reads one bitmap and leaves the stream just after it (at the end the file header gives).
TBitmap ReadBitmapStream(std::istream& in);
