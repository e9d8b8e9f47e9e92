// File names on POSIX systems are bytes: the text goes through as it is.
#include "lang/detail/Paths.h"

namespace lang::detail {

std::filesystem::path toPath(const String& name)
{
    return std::filesystem::path(name.c_str());
}

String fromPath(const std::filesystem::path& path)
{
    return String(path.c_str());
}

std::filesystem::path executablePath()
{
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

} // namespace lang::detail
