// The text of an ini file read and edited the way the Windows private-profile calls do it, so
// the POSIX file and the in-memory fake share one set of rules. Edits change only the line
// concerned (or add lines) and keep every other byte of the text.
#pragma once

#include <optional>
#include <string>

namespace sw {

// The value of the first matching key in the first matching section: blanks around it
// removed, and one pair of matching surrounding quotes. Empty when section or key is missing.
std::optional<std::string> FindIniValue(const std::string& text, const std::string& section,
                                        const std::string& key);

// Replaces the key's value in place, or adds the key at the end of its section, or adds the
// section at the end of the text.
std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);

// Removes the key's line; the text is unchanged when the key is missing.
std::string DeleteIniValue(const std::string& text, const std::string& section,
                           const std::string& key);

}  // namespace sw
