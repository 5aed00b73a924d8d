// Line-level ini reading and editing shared by the POSIX profile file, the POSIX autostart store
// and the fake profile store.
#include "platform/ini_text.h"

#include <cctype>
#include <vector>

namespace sw {
namespace {

struct Line {
    std::size_t begin = 0;  // first character
    std::size_t end = 0;  // one past the last character, before any "\r\n" or "\n"
    std::size_t next = 0;  // start of the following line
};

std::vector<Line> SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        Line line{pos, nl == std::string::npos ? text.size() : nl,
                  nl == std::string::npos ? text.size() : nl + 1};
        if (line.end > line.begin && text[line.end - 1] == '\r')
            --line.end;
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string LineText(const std::string& text, const Line& line)
{
    return text.substr(line.begin, line.end - line.begin);
}

// The section name when the line is a "[name]" header.
std::optional<std::string> SectionName(const std::string& lineText)
{
    std::string t = Trim(lineText);
    if (t.empty() || t[0] != '[')
        return std::nullopt;
    std::size_t close = t.find(']');
    return Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

struct KeyLine {
    std::string key;
    std::string value;
};

std::optional<KeyLine> ParseKeyLine(const std::string& lineText)
{
    std::size_t eq = lineText.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return KeyLine{Trim(lineText.substr(0, eq)), Trim(lineText.substr(eq + 1))};
}

std::string StripQuotes(const std::string& v)
{
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
        return v.substr(1, v.size() - 2);
    return v;
}

// Where a section and a key sit in the text; indexes into the line list.
struct Place {
    std::optional<std::size_t> header;
    std::optional<std::size_t> keyLine;
    std::size_t lastContent = 0;  // last non-blank line of the section (the header if none)
};

Place Locate(const std::string& text, const std::vector<Line>& lines, const std::string& section,
             const std::string& key)
{
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string lt = LineText(text, lines[i]);
        if (auto name = SectionName(lt)) {
            if (place.header)
                break;
            if (SameName(*name, section))
                place.header = place.lastContent = i;
            continue;
        }
        if (!place.header)
            continue;
        if (!Trim(lt).empty())
            place.lastContent = i;
        auto kl = ParseKeyLine(lt);
        if (!place.keyLine && kl && SameName(kl->key, key))
            place.keyLine = i;
    }
    return place;
}

std::string NewlineOf(const std::string& text)
{
    return text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
}

// Ends `head` with a line break before more lines follow. A text cut off between the carriage
// return and the line feed only needs the feed: another return would become part of the value.
void EndLine(std::string& head, const std::string& nl)
{
    if (head.empty() || head.back() == '\n')
        return;
    head += head.back() == '\r' ? "\n" : nl;
}

}  // namespace

std::optional<std::string> FindIniValue(const std::string& text, const std::string& section,
                                        const std::string& key)
{
    std::vector<Line> lines = SplitLines(text);
    Place place = Locate(text, lines, section, key);
    if (!place.keyLine)
        return std::nullopt;
    return StripQuotes(ParseKeyLine(LineText(text, lines[*place.keyLine]))->value);
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value)
{
    std::vector<Line> lines = SplitLines(text);
    Place place = Locate(text, lines, section, key);
    std::string nl = NewlineOf(text);
    if (place.keyLine) {
        const Line& line = lines[*place.keyLine];
        std::size_t eq = text.find('=', line.begin);
        return text.substr(0, eq + 1) + value + text.substr(line.end);
    }
    if (place.header) {
        const Line& after = lines[place.lastContent];
        std::string head = text.substr(0, after.next);
        EndLine(head, nl);
        return head + key + "=" + value + nl + text.substr(after.next);
    }
    std::string head = text;
    EndLine(head, nl);
    return head + "[" + section + "]" + nl + key + "=" + value + nl;
}

std::string DeleteIniValue(const std::string& text, const std::string& section,
                           const std::string& key)
{
    std::vector<Line> lines = SplitLines(text);
    Place place = Locate(text, lines, section, key);
    if (!place.keyLine)
        return text;
    const Line& line = lines[*place.keyLine];
    return text.substr(0, line.begin) + text.substr(line.next);
}

}  // namespace sw
