// How DrawText turns a string into lines: "&" prefixes, line and word breaks, ellipses.
// Pure functions over a width measure, so the rules are testable without any font.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TextLine {
    std::string text;
    // Index in `text` of the character to underline, or -1.
    int prefixIndex = -1;
    friend bool operator==(const TextLine&, const TextLine&) = default;
};

using TextMeasure = std::function<int(std::string_view)>;

// "&&" shows one "&"; "&x" shows x and marks it (the last marker wins); a final "&" vanishes.
TextLine StripPrefix(std::string_view text);

// Shortens `text` so that it plus "..." fits `width`; unchanged when it fits already.
std::string EllipsifyEnd(std::string_view text, int width, const TextMeasure& measure);
// Keeps the part from the last path separator and shortens what comes before it.
std::string EllipsifyPath(std::string_view text, int width, const TextMeasure& measure);

// The lines DrawText shows for `format` (DT_* flags) in a rectangle `width` pixels wide.
std::vector<TextLine> LayoutText(std::string_view text, unsigned format, int width,
                                 const TextMeasure& measure);
