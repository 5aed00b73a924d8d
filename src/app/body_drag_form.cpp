#include "app/body_drag_form.h"

#include "app/palette.h"
#include "controls/border.h"

void TBodyDragForm::HitTest(TPoint screen, THitTest& result)
{
    TForm::HitTest(screen, result);
    if (result == THitTest::Client)
        result = THitTest::Caption;
}

TBorder* TBodyDragForm::NewTitleBorder()
{
    auto* border = new TBorder(this);
    border->SetName("TitleBorder");
    border->SetParent(this);
    border->SetBounds(0, 0, 282, 50);
    border->SetShadowColor(palette::kDarkBlue);
    border->SetHighlightColor(palette::kLightBlue);
    return border;
}
