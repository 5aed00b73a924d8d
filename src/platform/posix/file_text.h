// Whole files in and out with plain system calls. The program reads its settings, the mount
// table and device flags this way at start: a C++ stream would bring the library's locales into
// memory for nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

// The file's text; empty when it does not exist or cannot be read. Files of /proc, which say
// they are empty, are read to their end too.
std::string FileText(const std::string& path);

// Replaces the file's text; false when it could not be written whole.
bool WriteFileText(const std::string& path, const std::string& text);

// The lines of a text without their line ends; a last line without one counts too.
std::vector<std::string_view> LinesOf(std::string_view text);

}  // namespace sw
