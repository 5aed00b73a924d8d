// Saving a bitmap as an 8-bit RGB PNG file.
#pragma once

#include <string>

class TBitmap;

// False when the file cannot be written.
bool WritePng(const TBitmap& image, const std::string& path);
