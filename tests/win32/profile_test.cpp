// The shared profile cases against the system's private-profile calls.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/profile_cases.h"
#include "platform/services.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

std::string ScratchDir() {
  static const std::string dir = [] {
    fs::path p = fs::temp_directory_path() / ("spacewell-profile-" + std::to_string(getpid()));
    fs::remove_all(p);
    fs::create_directories(p);
    return p.string();
  }();
  return dir;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

ProfileBackend Win32Backend() {
  auto files = MakeNativeServices().profiles;
  return {"win32", ScratchDir(),
          [files](const std::string& path) { return files->Open(path); },
          ReadFile,
          [](const std::string& path, const std::string& text) {
            std::ofstream(path, std::ios::binary) << text;
          },
          [] { return ScratchDir() + "\\no such folder\\a.ini"; }};
}

INSTANTIATE_TEST_SUITE_P(Win32, ProfileCases, testing::Values(&Win32Backend));

}  // namespace
}  // namespace sw
