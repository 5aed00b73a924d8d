// The program-drawn message box and hint: the answers keys and clicks give, the box's layout
// and look at 100 % and 150 %, and the hint's frame and place on the screen.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "drawn_pixels.h"
#include "gfx/canvas.h"
#include "ui/drawn/hint_picture.h"
#include "ui/drawn/message_box_choice.h"
#include "ui/drawn/message_box_face.h"
#include "ui/drawn/popup_look.h"

namespace {

TEST(DrawnMessageBox, KeysAnswerAsOnWindows)
{
    using enum TKey;
    using R = TMsgBoxResult;
    struct Row {
        TMsgBoxButtons buttons;
        std::vector<std::pair<TKey, TShiftState>> keys;
        std::optional<R> answer;
        int focused;
    } rows[] = {
        {TMsgBoxButtons::Ok, {{Return, 0}}, R::Ok, 0},
        {TMsgBoxButtons::Ok, {{Escape, 0}}, R::Ok, 0},
        {TMsgBoxButtons::OkCancel, {{Escape, 0}}, R::Cancel, 0},
        {TMsgBoxButtons::OkCancel, {{Return, 0}}, R::Ok, 0},
        {TMsgBoxButtons::OkCancel, {{Tab, 0}, {Return, 0}}, R::Cancel, 1},
        {TMsgBoxButtons::OkCancel, {{Right, 0}, {Space, 0}}, R::Cancel, 1},
        {TMsgBoxButtons::OkCancel, {{Tab, 0}, {Tab, 0}, {Return, 0}}, R::Ok, 0},
        {TMsgBoxButtons::OkCancel, {{Left, 0}, {Return, 0}}, R::Cancel, 1},
        {TMsgBoxButtons::YesNo, {{Escape, 0}}, R::No, 0},
        {TMsgBoxButtons::YesNo, {{Return, 0}}, R::Yes, 0},
        {TMsgBoxButtons::YesNo, {{Tab, ssShift}, {Return, 0}}, R::No, 1},
        {TMsgBoxButtons::YesNo, {{Down, 0}, {Up, 0}}, std::nullopt, 0},
        {TMsgBoxButtons::YesNo, {{F5, 0}}, std::nullopt, 0},
        {TMsgBoxButtons::YesNo, {{TKey('N'), 0}}, R::No, 0},
        {TMsgBoxButtons::YesNo, {{Tab, 0}, {TKey('Y'), 0}}, R::Yes, 1},
        {TMsgBoxButtons::OkCancel, {{TKey('N'), 0}}, std::nullopt, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        TMsgBoxChoice choice(rows[i].buttons);
        std::optional<R> answer;
        for (const auto& [key, shift] : rows[i].keys)
            answer = choice.Key(key, shift);
        EXPECT_EQ(answer, rows[i].answer) << "row " << i;
        EXPECT_EQ(choice.Focused(), rows[i].focused) << "row " << i;
    }
}

TEST(DrawnMessageBox, AClickIsAPressAndAReleaseOnOneButton)
{
    TMsgBoxChoice choice(TMsgBoxButtons::OkCancel);
    EXPECT_EQ(choice.MouseUp(0), std::nullopt);
    choice.MouseDown(1);
    EXPECT_EQ(choice.Focused(), 1);
    EXPECT_EQ(choice.MouseUp(0), std::nullopt);  // slid off before the release
    choice.MouseDown(-1);
    EXPECT_EQ(choice.Focused(), 1);
    choice.MouseDown(1);
    EXPECT_EQ(choice.MouseUp(1), TMsgBoxResult::Cancel);
    EXPECT_EQ(choice.Pressed(), -1);
}

class DrawnMessageBoxLook : public ::testing::TestWithParam<int> { };

TEST_P(DrawnMessageBoxLook, IconWrappedTextAndCentredButtons)
{
    const int dpi = GetParam();
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "drives ";
    const TMsgBoxFace face =
        LayoutMessageBox(words, TMsgBoxButtons::YesNo, TMsgBoxIcon::Warning, dpi);
    const TBitmap image =
        PaintMessageBox(face, words, TMsgBoxButtons::YesNo, TMsgBoxIcon::Warning, 0, -1);
    ASSERT_EQ(face.buttons.size(), 2u);
    const TRect yes = face.buttons[0], no = face.buttons[1];

    EXPECT_EQ(face.icon.Width(), PopupScaled(32, dpi));
    EXPECT_GE(face.text.left, face.icon.right);
    EXPECT_LE(face.text.Width(), PopupScaled(400, dpi));
    EXPECT_GE(face.text.Height(), 3 * Fonts().TextHeight(PopupFont(dpi)));
    EXPECT_LE(face.text.bottom, yes.top);
    EXPECT_EQ(yes.Width(), PopupScaled(75, dpi));
    EXPECT_NEAR(yes.left, face.size.cx - no.right, 1);
    EXPECT_EQ(face.size.cy - no.bottom, PopupScaled(12, dpi));

    EXPECT_TRUE(HasColor(image, face.icon, clYellow));
    EXPECT_EQ(image.Pixel(face.icon.left, face.icon.top), ColorToRGB(clBtnFace));
    EXPECT_TRUE(HasColor(image, face.text, clWindowText));
    // The focused, default button has a black frame outside its raised edge; the other not.
    EXPECT_EQ(image.Pixel(yes.left, yes.top), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(image.Pixel(yes.left + 1, yes.top + 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(image.Pixel(no.left, no.top), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(image.Pixel(no.right - 1, no.bottom - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(MsgBoxButtonAt(face, {no.left, no.top}), 1);
    EXPECT_EQ(MsgBoxButtonAt(face, {yes.right, yes.top}), -1);
}

INSTANTIATE_TEST_SUITE_P(Scales, DrawnMessageBoxLook, ::testing::Values(96, 144));

TEST(DrawnMessageBox, WithoutAnIconTheTextStartsAtTheMargin)
{
    const TMsgBoxFace face = LayoutMessageBox("Hi", TMsgBoxButtons::Ok, TMsgBoxIcon::None, 96);
    EXPECT_TRUE(face.icon.IsEmpty());
    EXPECT_EQ(face.text.left, 12);
    EXPECT_EQ(face.buttons.size(), 1u);
}

TEST(DrawnHint, FramedBoxOfTheHintColourKeptOnTheScreen)
{
    for (const int dpi : {96, 144}) {
        TFontSpec font;
        font.height = PopupScaled(-11, dpi);
        font.pixelsPerInch = dpi;
        const TBitmap hint = HintPicture("Refresh [R]", clInfoBk, font);
        const TSize extent = Fonts().TextExtent(font, "Refresh [R]");
        EXPECT_EQ(hint.Width(), extent.cx + PopupScaled(8, dpi)) << dpi;
        EXPECT_EQ(hint.Height(), extent.cy + PopupScaled(4, dpi)) << dpi;
        EXPECT_EQ(hint.Pixel(0, 0), ColorToRGB(clWindowFrame)) << dpi;
        EXPECT_EQ(hint.Pixel(hint.Width() - 1, hint.Height() - 1), ColorToRGB(clWindowFrame));
        EXPECT_EQ(hint.Pixel(1, 1), ColorToRGB(clInfoBk)) << dpi;
        EXPECT_TRUE(HasColor(hint, {2, 2, hint.Width() - 2, hint.Height() - 2}, clWindowText));
    }
    const TSize screen{800, 600};
    EXPECT_EQ(KeepOnScreen({790, 590, 840, 610}, screen), (TPoint{750, 580}));
    EXPECT_EQ(KeepOnScreen({-5, -7, 45, 13}, screen), (TPoint{0, 0}));
    EXPECT_EQ(KeepOnScreen({10, 20, 60, 40}, screen), (TPoint{10, 20}));
}

}  // namespace
