// DrawText's line building: paragraphs, prefixes, greedy word breaks and ellipses.
#include "gfx/text_layout.h"

#include "gfx/canvas.h"

namespace {

constexpr std::string_view Ellipsis = "...";

std::vector<std::string_view> Paragraphs(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r')
            continue;
        out.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    out.push_back(text.substr(start));
    return out;
}

// End of the longest run from `start` that ends at a word end and fits; a first word that
// is too wide stays whole on its own line, as Win32 does without DT_EDITCONTROL.
std::size_t BreakAt(std::string_view text, std::size_t start, int width, const TextMeasure& measure)
{
    std::size_t best = std::string_view::npos;
    std::size_t pos = start;
    while (pos < text.size()) {
        std::size_t wordEnd = text.find(' ', pos);
        if (wordEnd == std::string_view::npos)
            wordEnd = text.size();
        const bool fits = measure(text.substr(start, wordEnd - start)) <= width;
        if (!fits && best != std::string_view::npos)
            break;
        best = wordEnd;
        if (!fits)
            break;
        pos = text.find_first_not_of(' ', wordEnd);
    }
    return best == std::string_view::npos ? text.size() : best;
}

void BreakParagraph(const TextLine& para, int width, const TextMeasure& measure,
                    std::vector<TextLine>& lines)
{
    const std::string_view text = para.text;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = BreakAt(text, start, width, measure);
        TextLine line{std::string(text.substr(start, end - start)), -1};
        if (para.prefixIndex >= static_cast<int>(start) && para.prefixIndex < static_cast<int>(end))
            line.prefixIndex = para.prefixIndex - static_cast<int>(start);
        lines.push_back(std::move(line));
        start = text.find_first_not_of(' ', end);
        if (start == std::string_view::npos)
            return;
    }
}

}  // namespace

TextLine StripPrefix(std::string_view text)
{
    TextLine out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out.text += text[i];
            continue;
        }
        if (++i == text.size())
            break;
        if (text[i] != '&')
            out.prefixIndex = static_cast<int>(out.text.size());
        out.text += text[i];
    }
    return out;
}

std::string EllipsifyEnd(std::string_view text, int width, const TextMeasure& measure)
{
    if (measure(text) <= width)
        return std::string(text);
    for (std::size_t keep = text.size(); keep-- > 0;) {
        std::string candidate = std::string(text.substr(0, keep)) + std::string(Ellipsis);
        if (measure(candidate) <= width)
            return candidate;
    }
    return std::string(Ellipsis);
}

std::string EllipsifyPath(std::string_view text, int width, const TextMeasure& measure)
{
    const std::size_t sep = text.find_last_of("\\/");
    if (measure(text) <= width || sep == std::string_view::npos || sep == 0)
        return EllipsifyEnd(text, width, measure);
    const std::string tail(text.substr(sep));
    for (std::size_t keep = sep; keep-- > 0;) {
        std::string candidate = std::string(text.substr(0, keep)) + std::string(Ellipsis) + tail;
        if (measure(candidate) <= width)
            return candidate;
    }
    return EllipsifyEnd(std::string(Ellipsis) + tail, width, measure);
}

std::vector<TextLine> LayoutText(std::string_view text, unsigned format, int width,
                                 const TextMeasure& measure)
{
    std::vector<TextLine> lines;
    const auto paragraphs =
        (format & DT_SINGLELINE) ? std::vector<std::string_view>{text} : Paragraphs(text);
    for (std::string_view raw : paragraphs) {
        TextLine para = (format & DT_NOPREFIX) ? TextLine{std::string(raw), -1} : StripPrefix(raw);
        if (format & DT_HIDEPREFIX)
            para.prefixIndex = -1;
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE))
            BreakParagraph(para, width, measure, lines);
        else
            lines.push_back(std::move(para));
    }
    const bool pathEllipsis = format & DT_PATH_ELLIPSIS;
    if (!(format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) && !pathEllipsis)
        return lines;
    for (TextLine& line : lines) {
        if (measure(line.text) <= width)
            continue;
        line.text = pathEllipsis ? EllipsifyPath(line.text, width, measure)
                                 : EllipsifyEnd(line.text, width, measure);
        const int kept = static_cast<int>(line.text.size() - Ellipsis.size());
        if (pathEllipsis || line.prefixIndex >= kept)
            line.prefixIndex = -1;
    }
    return lines;
}
