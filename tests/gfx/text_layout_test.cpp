// DrawText's line rules over a fixed-pitch measure: 5 pixels per character.
#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "gfx/text_layout.h"

namespace {

int Fixed(std::string_view s) { return 5 * static_cast<int>(s.size()); }

TEST(TextLayout, StripPrefix)
{
    const struct {
        const char* in;
        TextLine out;
    } cases[] = {
        {"&File", {"File", 0}},   {"Fi&le", {"File", 2}}, {"a&&b", {"a&b", -1}},
        {"&&&x", {"&x", 1}},      {"end&", {"end", -1}},  {"&a&b", {"ab", 1}},
        {"plain", {"plain", -1}}, {"", {"", -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripPrefix(c.in), c.out) << c.in;
}

TEST(TextLayout, LinesAndWordBreaks)
{
    using Lines = std::vector<TextLine>;
    EXPECT_EQ(LayoutText("ab\ncd\r\nef", 0, 100, Fixed),
              (Lines{{"ab", -1}, {"cd", -1}, {"ef", -1}}));
    EXPECT_EQ(LayoutText("ab\ncd", DT_SINGLELINE, 100, Fixed), (Lines{{"ab\ncd", -1}}));
    EXPECT_EQ(LayoutText("one two three", DT_WORDBREAK, 40, Fixed),
              (Lines{{"one two", -1}, {"three", -1}}));
    // A word wider than the rectangle stays whole on its own line.
    EXPECT_EQ(LayoutText("a verylongword b", DT_WORDBREAK, 20, Fixed),
              (Lines{{"a", -1}, {"verylongword", -1}, {"b", -1}}));
    EXPECT_EQ(LayoutText("  lead", DT_WORDBREAK, 100, Fixed), (Lines{{"  lead", -1}}));
    EXPECT_EQ(LayoutText("ab c&d", DT_WORDBREAK, 10, Fixed), (Lines{{"ab", -1}, {"cd", 1}}));
    EXPECT_EQ(LayoutText("&ab", DT_HIDEPREFIX, 100, Fixed), (Lines{{"ab", -1}}));
}

TEST(TextLayout, Ellipses)
{
    EXPECT_EQ(EllipsifyEnd("abcdefgh", 40, Fixed), "abcdefgh");
    EXPECT_EQ(EllipsifyEnd("abcdefghi", 40, Fixed), "abcde...");
    EXPECT_EQ(EllipsifyEnd("abcdefghi", 5, Fixed), "...");
    EXPECT_EQ(EllipsifyPath("C:\\folder\\sub\\file.txt", 75, Fixed), "C:\\...\\file.txt");
    const auto lines = LayoutText("ab&cdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, 30, Fixed);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (TextLine{"abc...", 2}));
    EXPECT_EQ(LayoutText("abcdefg&hij", DT_SINGLELINE | DT_END_ELLIPSIS, 30, Fixed)[0],
              (TextLine{"abc...", -1}));
}

}  // namespace
