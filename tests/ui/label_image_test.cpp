// Labels (auto-size, opaque or transparent, alignment, accelerators) and pictures, painted
// with the bitmap fonts.
#include <gtest/gtest.h>

#include "ui/image.h"
#include "ui/label.h"
#include "ui_fixture.h"

namespace {

class LabelTest : public UiTest {
protected:
    // Whether any pixel of `r` (form client) has `color`.
    bool Has(TForm* form, TRect r, TColor color)
    {
        const TBitmap& image = form->Image();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (image.Pixel(x, y) == color)
                    return true;
        return false;
    }
};

TEST_F(LabelTest, AutoSizeTakesTheTextExtent)
{
    TForm* form = ShownForm();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("MEMORY");
    EXPECT_EQ(label->Width(), Fonts().TextWidth(label->Font(), "MEMORY"));
    EXPECT_EQ(label->Height(), Fonts().TextHeight(label->Font()));
    TFontSpec bold = label->Font();
    bold.bold = true;
    label->SetFont(bold);
    EXPECT_EQ(label->Width(), Fonts().TextWidth(bold, "MEMORY"));

    label->SetAutoSize(false);
    label->SetCaption("Virtual MEMORY");
    EXPECT_EQ(label->Width(), Fonts().TextWidth(bold, "MEMORY"));
}

TEST_F(LabelTest, LabelsOnALoadingFormSizeThemselvesWhenLoadingEnds)
{
    auto* form = new TForm(&Application());
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("TOTAL:");
    EXPECT_EQ(label->Width(), 65);
    form->AfterConstruction();
    EXPECT_EQ(label->Width(), Fonts().TextWidth(label->Font(), "TOTAL:"));
}

TEST_F(LabelTest, OpaqueLabelFillsItsColourTransparentOneLeavesTheBackground)
{
    TForm* form = ShownForm();
    form->SetColor(0xFFEEDD);
    auto* opaque = new TLabel(form);
    opaque->SetParent(form);
    opaque->SetAutoSize(false);
    opaque->SetBounds(8, 8, 100, 17);
    opaque->SetColor(0xB35900);
    TFontSpec font = opaque->Font();
    font.color = 0xFFEEDD;
    opaque->SetFont(font);
    opaque->SetCaption("Spacewell v.2");
    auto* clear = new TLabel(form);
    clear->SetParent(form);
    clear->SetTransparent(true);
    clear->SetLeft(8);
    clear->SetTop(40);
    clear->SetCaption("x");
    form->Repaint();

    EXPECT_EQ(form->Image().Pixel(107, 24), 0xB35900u);
    EXPECT_TRUE(Has(form, Bounds(8, 8, 100, 17), 0xFFEEDD));
    EXPECT_EQ(form->Image().Pixel(8, 40), 0xFFEEDDu);
    EXPECT_TRUE(Has(form, clear->BoundsRect(), clBlack));
    EXPECT_FALSE(Has(form, Bounds(0, 30, 8, 30), clBlack));
}

TEST_F(LabelTest, RightAlignedTextEndsAtTheRightEdge)
{
    TForm* form = ShownForm();
    form->SetColor(clWhite);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 100, 20);
    label->SetColor(clWhite);
    label->SetAlignment(TAlignment::taRightJustify);
    label->SetCaption("MEMORY");
    form->Repaint();
    int width = Fonts().TextWidth(label->Font(), "MEMORY");
    EXPECT_FALSE(Has(form, Bounds(0, 0, 100 - width, 20), clBlack));
    EXPECT_TRUE(Has(form, Bounds(100 - width, 0, width, 20), clBlack));
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl)
{
    TForm* form = ShownForm();
    auto* pad = new Pad(form, form, Bounds(0, 0, 10, 10));
    auto* other = new Pad(form, form, Bounds(20, 0, 10, 10));
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("&Total && more");
    label->SetFocusControl(pad);
    other->SetFocus();
    backend->KeyDown(TKey{'T'}, ssAlt);
    EXPECT_EQ(form->ActiveControl(), pad);
    delete pad;
    EXPECT_EQ(label->FocusControl(), nullptr);
    backend->KeyDown(TKey{'T'}, ssAlt);
}

TEST_F(LabelTest, ImageDrawsItsPictureWithoutTheTransparentColour)
{
    TForm* form = ShownForm();
    form->SetColor(clWhite);
    TBitmap picture(4, 4);
    picture.Canvas().Brush = TBrush{clBlack, TBrushStyle::bsSolid};
    picture.Canvas().FillRect({0, 0, 4, 4});
    picture.SetPixel(1, 1, clRed);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 8, 8);
    image->SetPicture(picture);
    image->SetTransparent(true);
    picture.SetPixel(3, 3, clRed);
    auto* centred = new TImage(form);
    centred->SetParent(form);
    centred->SetBounds(30, 10, 8, 8);
    centred->SetCenter(true);
    centred->SetPicture(picture);
    form->Repaint();
    const TBitmap& out = form->Image();
    EXPECT_EQ(out.Pixel(11, 11), clRed);
    EXPECT_EQ(out.Pixel(10, 10), clWhite);
    EXPECT_EQ(out.Pixel(32, 12), clBlack);
    EXPECT_EQ(out.Pixel(31, 11), clWhite);
    EXPECT_EQ(out.Pixel(35, 15), clRed);
}

}  // namespace
