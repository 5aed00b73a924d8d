// The stage form and its synthetic pointer; on teardown the pointer is released and moved off
// every window so the next stage starts without hover or capture left over.
#include "gallery_stage.h"

#include "ui/headless/headless_backend.h"

namespace {

// A screen point no stage covers.
constexpr TPoint Away{1200, 1000};

}  // namespace

Stage::Stage(int width, int height, TColor color) : FForm(std::make_unique<TForm>(nullptr))
{
    FForm->SetBorderStyle(TFormBorderStyle::bsNone);
    FForm->SetBounds(0, 0, width, height);
    FForm->SetColor(color);
}

Stage::~Stage()
{
    if (FPressed)
        Headless().MouseUp(Away);
    Headless().MouseMove(Away);
}

void Stage::Show()
{
    FForm->AfterConstruction();
    FForm->Show();
}

TBitmap Stage::Shot()
{
    FForm->PaintImage();
    return FForm->Image();
}

void Stage::Hover(TPoint at) { Headless().MouseMove(at); }

void Stage::Press(TPoint at)
{
    Headless().MouseMove(at);
    Headless().MouseDown(at);
    FPressed = true;
}
