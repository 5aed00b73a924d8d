// The process-wide text engine: whatever the platform installed, else the bitmap-font reader
// (magnified at the large scales).
#include "gfx/font.h"

#include <utility>

#include "gfx/fnt/fnt_font_engine.h"
#include "gfx/magnified_fonts.h"

namespace {

std::unique_ptr<FontEngine>& Engine()
{
    static std::unique_ptr<FontEngine> engine;
    return engine;
}

}  // namespace

FontEngine& Fonts()
{
    auto& engine = Engine();
    if (!engine)
        engine = std::make_unique<MagnifiedFontEngine>(std::make_unique<FntFontEngine>());
    return *engine;
}

void SetFontEngine(std::unique_ptr<FontEngine> engine) { Engine() = std::move(engine); }
