// Desktop entry files, the way Linux desktops describe a program to start: a "[Desktop Entry]"
// group of key=value lines whose string values use backslash escapes, and an Exec value whose
// arguments are quoted when they hold a character a shell would read.
#pragma once

#include <map>
#include <string>

namespace sw {

// The Exec value that starts `program` (a full path) without arguments: quoted where needed,
// '%' doubled, and escaped to be written as it is.
std::string ExecValueFor(const std::string& program);
// The program an Exec value (as written in the file) starts: its first argument unquoted; empty
// when the value is empty or its quote is never closed.
std::string ProgramOfExec(const std::string& value);
// The keys of the "[Desktop Entry]" group with their values as written; empty without the group.
std::map<std::string, std::string> ReadDesktopEntry(const std::string& text);
// The value with the string escapes (\s \n \t \r \\) undone.
std::string UnescapeValue(const std::string& value);

}  // namespace sw
