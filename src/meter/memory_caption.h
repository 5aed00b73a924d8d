// Texts of the memory figures: a kilobyte count shown in gigabytes, kilobytes and megabytes.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// G(K): MBToGB applied twice, kilobytes to megabytes to gigabytes, each rounded to 3 decimals.
double KilobytesToGB(std::int64_t kilobytes);

// "0.5 GB = 524288 KB ~ 512 MB" for 524288 KB.
std::string MemoryFigureCaption(std::int64_t kilobytes, char decimalSeparator);

}  // namespace sw
