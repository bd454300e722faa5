#include "TextFile.h"

#include "AutomationError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace corvane
{

namespace
{

[[noreturn]] void AccessError(const std::filesystem::path &path, const std::string &what)
{
    throw AutomationError(ErrorNumber::PathAccess, "Path/File access error: " + path.string() + ": " + what);
}

} // namespace

std::string ReadTextFile(const std::filesystem::path &path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        throw AutomationError(ErrorNumber::FileNotFound, "File not found: " + path.string());
    if (std::filesystem::is_directory(path, ec))
        AccessError(path, "is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        AccessError(path, std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        AccessError(path, "read failed");
    return std::move(text).str();
}

void WriteTextFile(const std::filesystem::path &path, std::string_view text)
{
    std::error_code ec;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec)
            AccessError(path.parent_path(), ec.message());
    }
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            AccessError(path, std::strerror(errno));
        out.write(text.data(), std::streamsize(text.size()));
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            AccessError(path, "write failed");
        }
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        AccessError(path, ec.message());
    }
}

} // namespace corvane
