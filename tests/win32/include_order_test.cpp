// <windows.h> first, the toolkit's vocabulary after it: the toolkit's names are its own, so no
// macro of the system's header may clash with them in either order.
#include <windows.h>

#include "ui/application.h"
#include "ui/types.h"

#include <gtest/gtest.h>

TEST(IncludeOrder, ToolkitNamesLiveBesideTheSystemsMacros)
{
    EXPECT_NE(static_cast<unsigned>(TKey::Tab), static_cast<unsigned>(VK_TAB));
    EXPECT_NE(THitTest::Caption, THitTest::Client);
}
