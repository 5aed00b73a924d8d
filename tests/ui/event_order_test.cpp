// The headless backend's order of notices against the one Win32 gives (event_order_script.h).
#include "ui/event_order_script.h"
#include "ui_fixture.h"

namespace {

class EventOrderTest : public UiTest { };

TEST_F(EventOrderTest, TheScriptHearsWin32sOrder)
{
    const std::vector<std::string> heard =
        PlayEventOrderScript([this] { backend->ProcessMessages(); });
    EXPECT_EQ(heard, kEventOrder);
}

}  // namespace
