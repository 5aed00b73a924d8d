// The shared profile cases against the system's private-profile calls.
#include "platform/profile_cases.h"
#include "platform/scratch_files.h"
#include "platform/services.h"

namespace sw {
namespace {

ProfileBackend Win32Backend()
{
    auto files = MakeNativeServices().profiles;
    return {"win32",  ScratchDir(), [files](const std::string& path) { return files->Open(path); },
            ReadFile, WriteFile,    [] { return ScratchDir() + "\\no such folder\\a.ini"; }};
}

INSTANTIATE_TEST_SUITE_P(Win32, ProfileCases, testing::Values(&Win32Backend));

}  // namespace
}  // namespace sw
