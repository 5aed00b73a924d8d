// A borderless headless form at the screen's top-left for the gauge control tests: controls
// are placed on it while it loads, then the form is shown and composed so pixels can be read
// in form (= screen) coordinates.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gfx/color.h"
#include "ui/application.h"
#include "ui/backend.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

class GaugeFormTest : public ::testing::Test {
protected:
    static constexpr TColor FormColor = 0x123456;

    void SetUp() override
    {
        auto backend = std::make_unique<HeadlessBackend>();
        Backend = backend.get();
        SetBackend(std::move(backend));
        Screen().Reset();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, 300, 250);
        Form->SetColor(FormColor);
    }

    void TearDown() override { Form.reset(); }

    // Ends the form's loading, shows it and composes its picture.
    void ShowForm()
    {
        Form->AfterConstruction();
        Form->Show();
        Form->PaintImage();
    }

    TColor Pixel(int x, int y)
    {
        Form->PaintImage();
        return Form->Image().Pixel(x, y);
    }

    HeadlessBackend* Backend = nullptr;
    std::unique_ptr<TForm> Form;
};
