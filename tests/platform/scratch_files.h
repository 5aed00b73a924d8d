// Real files for the profile tests that run against an implementation on disk: one scratch
// folder per test process, and whole-file reads and writes in binary so line ends stay as
// written.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace sw {

// Made empty on first use; the process id keeps parallel test runs apart.
inline std::string ScratchDir()
{
    static const std::string dir = [] {
        namespace fs = std::filesystem;
        fs::path p = fs::temp_directory_path() / ("spacewell-profile-" + std::to_string(getpid()));
        fs::remove_all(p);
        fs::create_directories(p);
        return p.string();
    }();
    return dir;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace sw
