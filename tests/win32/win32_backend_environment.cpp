// Every Win32 test runs on the Windows toolkit backend, installed before the first test as the
// program installs it before its first window.
#include <gtest/gtest.h>

#include "ui/win32/win32_backend.h"

namespace {

class Win32BackendEnvironment : public testing::Environment {
public:
    void SetUp() override { SetBackend(MakeWin32Backend()); }
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new Win32BackendEnvironment);

}  // namespace
