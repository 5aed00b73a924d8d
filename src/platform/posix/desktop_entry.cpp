#include "platform/posix/desktop_entry.h"

#include "platform/posix/file_text.h"

namespace sw {
namespace {

// Characters that make an Exec argument need quotes.
constexpr const char* kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters a backslash must precede inside quotes.
constexpr const char* kQuotedEscapes = "\"`$\\";

std::string Quoted(const std::string& argument)
{
    if (argument.find_first_of(kReserved) == std::string::npos)
        return argument;
    std::string quoted = "\"";
    for (char c : argument) {
        if (std::string_view(kQuotedEscapes).find(c) != std::string_view::npos)
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string DoublePercents(const std::string& text)
{
    std::string doubled;
    for (char c : text)
        doubled += c == '%' ? std::string("%%") : std::string(1, c);
    return doubled;
}

// The string escapes, applied last when writing, so a backslash of the quoting is doubled too.
std::string EscapeValue(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The first argument of an unescaped Exec value, quotes undone; empty when its quote is never
// closed.
std::string FirstArgument(const std::string& exec)
{
    std::size_t i = exec.find_first_not_of(' ');
    if (i == std::string::npos)
        return {};
    std::string argument;
    if (exec[i] != '"')
        return exec.substr(i, exec.find(' ', i) - i);
    for (++i; i < exec.size() && exec[i] != '"'; ++i) {
        const bool escape = exec[i] == '\\' && i + 1 < exec.size() &&
                            std::string_view(kQuotedEscapes).find(exec[i + 1]) != std::string::npos;
        argument += exec[escape ? ++i : i];
    }
    return i < exec.size() ? argument : std::string();
}

std::string SinglePercents(const std::string& text)
{
    std::string single;
    for (std::size_t i = 0; i < text.size(); ++i) {
        single += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%')
            ++i;
    }
    return single;
}

}  // namespace

std::string ExecValueFor(const std::string& program)
{
    return EscapeValue(DoublePercents(Quoted(program)));
}

std::string ProgramOfExec(const std::string& value)
{
    return SinglePercents(FirstArgument(UnescapeValue(value)));
}

std::string UnescapeValue(const std::string& value)
{
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            plain += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            plain += ' ';
            break;
        case 'n':
            plain += '\n';
            break;
        case 't':
            plain += '\t';
            break;
        case 'r':
            plain += '\r';
            break;
        case '\\':
            plain += '\\';
            break;
        default:
            plain += '\\';
            plain += value[i];
        }
    }
    return plain;
}

std::map<std::string, std::string> ReadDesktopEntry(const std::string& text)
{
    std::map<std::string, std::string> keys;
    bool inGroup = false;
    for (const std::string_view raw : LinesOf(text)) {
        const std::string line = Trimmed(std::string(raw));
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        // A key written twice keeps its first value.
        if (inGroup && equals != std::string::npos)
            keys.emplace(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
    }
    return keys;
}

}  // namespace sw
