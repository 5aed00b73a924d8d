// One tick of a memory-window heading: the strip moves and the control repaints from its two
// prepared bitmaps, without measuring or rendering text again.
#include <benchmark/benchmark.h>

#include "controls/scroll_text.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

void BM_ScrollTextTick(benchmark::State& state)
{
    UseHeadlessBackend();
    auto* form = Application().CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, 282, 212);
    auto* heading = new TScrollText(form);
    heading->SetParent(form);
    heading->SetBounds(96, 128, 70, 18);
    heading->SetThreaded(false);
    heading->SetScrollDirection(TScrollDirection::sdRightToLeft);
    heading->SetCaption("Virtual MEMORY");
    form->Show();
    for (auto _ : state)
        heading->Tick();
    Application().Reset();
}
BENCHMARK(BM_ScrollTextTick)->Unit(benchmark::kMicrosecond);

}  // namespace
