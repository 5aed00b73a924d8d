// The program-drawn pop-up menu: what keys and clicks do to it, how it looks at 100 % and
// 150 %, and where it and its submenus open near the screen's edges.
#include <gtest/gtest.h>

#include <vector>

#include "drawn_pixels.h"
#include "gfx/canvas.h"
#include "ui/drawn/menu_face.h"
#include "ui/drawn/menu_tracker.h"

namespace {

TMenuEntry Item(const char* caption, int command = 0, bool enabled = true)
{
    TMenuEntry entry;
    entry.caption = caption;
    entry.command = command;
    entry.enabled = enabled;
    return entry;
}

// Always On Top (checked), a line, Transparency > {10%, 20% (disabled), 30% (checked)},
// Disabled, Show Tully (default), Exit.
std::vector<TMenuEntry> TrayLikeMenu()
{
    TMenuEntry onTop = Item("Always On Top", 5), transparency = Item("Transparency");
    onTop.checked = true;
    TMenuEntry thirty = Item("30%", 2);
    thirty.checked = thirty.radio = true;
    transparency.items = {Item("10%", 1), Item("20%", 3, false), thirty};
    TMenuEntry show = Item("Show Tully", 7);
    show.isDefault = true;
    return {onTop, Item("-"), transparency, Item("Disabled", 6, false), show, Item("Exit", 8)};
}

// One step of input: a key, the pointer over an entry, or a click on one.
struct Input {
    enum { Key, Hover, Click } kind;
    TKey key = TKey{};
    int level = 0, row = 0;
};
Input K(TKey key) { return {Input::Key, key}; }
Input H(int level, int row) { return {Input::Hover, TKey{}, level, row}; }
Input C(int level, int row) { return {Input::Click, TKey{}, level, row}; }

TEST(DrawnMenu, KeysAndClicksMoveOpenChooseAndDismiss)
{
    using enum TKey;
    const auto open = TMenuOutcome::Open;
    struct Row {
        std::vector<Input> inputs;
        TMenuOutcome outcome;
        int command;
        std::vector<int> selected;  // per open level
    } rows[] = {
        {{K(Return)}, open, 0, {-1}},
        {{K(Down), K(Down)}, open, 0, {2}},  // over the line
        {{K(Down), K(Down), K(Down)}, open, 0, {4}},  // over the disabled entry
        {{K(Up)}, open, 0, {5}},
        {{K(Down), K(Up)}, open, 0, {5}},
        {{K(Up), K(Down)}, open, 0, {0}},
        {{K(Down), K(Right)}, open, 0, {0}},  // no submenu to open
        {{K(Down), K(Down), K(Right)}, open, 0, {2, 0}},
        {{K(Down), K(Down), K(Return), K(Down)}, open, 0, {2, 2}},
        {{K(Down), K(Down), K(Right), K(Down), K(Return)}, TMenuOutcome::Chosen, 2, {2, 2}},
        {{K(Down), K(Down), K(Right), K(Left)}, open, 0, {2}},
        {{K(Down), K(Down), K(Right), K(Escape)}, open, 0, {2}},
        {{K(Down), K(Down), K(Right), K(Escape), K(Escape)}, TMenuOutcome::Dismissed, 0, {2}},
        {{K(Left)}, open, 0, {-1}},
        {{K(Down), K(Return)}, TMenuOutcome::Chosen, 5, {0}},
        {{H(0, 2)}, open, 0, {2, -1}},
        {{H(0, 3)}, open, 0, {-1}},
        {{H(0, 2), H(1, -1)}, open, 0, {2, -1}},  // the submenu's entry stays lit
        {{H(0, 2), H(0, -1)}, open, 0, {2, -1}},
        {{H(0, 2), H(0, 0)}, open, 0, {0}},
        {{H(0, 2), C(1, 1)}, open, 0, {2, -1}},
        {{H(0, 2), C(1, 0)}, TMenuOutcome::Chosen, 1, {2, 0}},
        {{C(0, 1)}, open, 0, {-1}},
        {{C(0, 4)}, TMenuOutcome::Chosen, 7, {4}},
        {{H(0, 2), C(-1, -1)}, TMenuOutcome::Dismissed, 0, {2, -1}},
    };
    const std::vector<TMenuEntry> items = TrayLikeMenu();
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        TMenuTracker tracker(items);
        TMenuOutcome outcome = open;
        for (const Input& input : rows[i].inputs) {
            if (input.kind == Input::Key)
                outcome = tracker.Key(input.key);
            else if (input.kind == Input::Hover)
                tracker.Hover(input.level, input.row);
            else
                outcome = tracker.Click(input.level, input.row);
        }
        std::vector<int> selected;
        for (const TMenuLevel& level : tracker.Levels())
            selected.push_back(level.selected);
        EXPECT_EQ(outcome, rows[i].outcome) << "row " << i;
        EXPECT_EQ(outcome == TMenuOutcome::Chosen ? tracker.Command() : 0, rows[i].command)
            << "row " << i;
        EXPECT_EQ(selected, rows[i].selected) << "row " << i;
    }
}

TEST(DrawnMenu, NothingToSelectLeavesTheBarOff)
{
    const std::vector<TMenuEntry> items{Item("-"), Item("Off", 1, false)};
    TMenuTracker tracker(items);
    tracker.Key(TKey::Down);
    tracker.Key(TKey::Up);
    EXPECT_EQ(tracker.Key(TKey::Return), TMenuOutcome::Open);
    EXPECT_EQ(tracker.Levels().front().selected, -1);
}

class DrawnMenuLook : public ::testing::TestWithParam<int> { };

TEST_P(DrawnMenuLook, FrameBarMarksLinesAndGreyedEntries)
{
    const int dpi = GetParam();
    const std::vector<TMenuEntry> items = TrayLikeMenu();
    const TMenuFace face = LayoutMenu(items, dpi);
    const TBitmap image = PaintMenu(items, face, 2);
    const int w = image.Width(), h = image.Height();
    ASSERT_EQ(face.size, (TSize{w, h}));
    EXPECT_EQ(image.Pixel(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(image.Pixel(w - 1, h - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(image.Pixel(1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(image.Pixel(w - 2, h - 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(image.Pixel(2, 2), ColorToRGB(clMenu));
    EXPECT_GE(face.rows[0].Height(), dpi * 18 / 96);

    const auto checkColumn = [&](int row) {
        const TRect r = face.rows[static_cast<std::size_t>(row)];
        return TRect{r.left, r.top, r.left + dpi * 20 / 96, r.bottom};
    };
    const auto arrowColumn = [&](int row) {
        const TRect r = face.rows[static_cast<std::size_t>(row)];
        return TRect{r.right - dpi * 18 / 96, r.top, r.right, r.bottom};
    };
    const TRect bar = face.rows[2];
    EXPECT_EQ(image.Pixel(bar.left, bar.top), ColorToRGB(clHighlight));
    EXPECT_EQ(image.Pixel(bar.right - 1, bar.bottom - 1), ColorToRGB(clHighlight));
    EXPECT_EQ(image.Pixel(bar.left, bar.top - 1), ColorToRGB(clMenu));
    EXPECT_TRUE(HasColor(image, arrowColumn(2), clHighlightText));
    EXPECT_FALSE(HasColor(image, arrowColumn(0), clMenuText));
    EXPECT_TRUE(HasColor(image, checkColumn(0), clMenuText));
    EXPECT_FALSE(HasColor(image, checkColumn(5), clMenuText));

    const TRect line = face.rows[1];
    const int middle = line.top + line.Height() / 2;
    EXPECT_EQ(image.Pixel(line.left + line.Width() / 2, middle - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(image.Pixel(line.left + line.Width() / 2, middle), ColorToRGB(clBtnHighlight));

    const TRect greyed = face.rows[3];
    EXPECT_TRUE(HasColor(image, greyed, clBtnHighlight));
    EXPECT_FALSE(HasColor(image, greyed, clMenuText));
}

INSTANTIATE_TEST_SUITE_P(Scales, DrawnMenuLook, ::testing::Values(96, 144));

TEST(DrawnMenu, OpensWhereTheScreenHasRoom)
{
    const TSize screen{800, 600}, menu{100, 50};
    EXPECT_EQ(MenuPlace({10, 10}, menu, screen), (TPoint{10, 10}));
    EXPECT_EQ(MenuPlace({790, 10}, menu, screen), (TPoint{690, 10}));
    EXPECT_EQ(MenuPlace({790, 590}, menu, screen), (TPoint{690, 540}));
    EXPECT_EQ(MenuPlace({5, 5}, {900, 50}, screen), (TPoint{0, 5}));

    const TRect parent{100, 100, 200, 300}, row{103, 150, 197, 168};
    EXPECT_EQ(SubmenuPlace(parent, row, {80, 40}, screen, 96), (TPoint{197, 147}));
    EXPECT_EQ(SubmenuPlace({700, 100, 800, 300}, {703, 580, 797, 598}, {80, 40}, screen, 96),
              (TPoint{623, 560}));
}

}  // namespace
