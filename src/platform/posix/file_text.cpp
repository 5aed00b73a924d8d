#include "platform/posix/file_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace sw {

std::string FileText(const std::string& path)
{
    std::string text;
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return text;
    char chunk[4096];
    ssize_t got;
    while ((got = read(file, chunk, sizeof chunk)) > 0)
        text.append(chunk, static_cast<std::size_t>(got));
    close(file);
    return got < 0 ? std::string() : text;
}

bool WriteFileText(const std::string& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "wbe");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

std::vector<std::string_view> LinesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

}  // namespace sw
