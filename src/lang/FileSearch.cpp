#include "lang/FileSearch.h"

#include <filesystem>

namespace lang {

String programDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty())
        return String(".");
    return String(program.parent_path().c_str());
}

String findFile(const String& name)
{
    namespace fs = std::filesystem;
    if (name.isEmpty())
        return String("");
    std::error_code error;
    const fs::path given(name.c_str());
    if (given.is_absolute())
        return fs::is_regular_file(given, error) ? name : String("");
    const fs::path candidates[] = {
        fs::path(programDirectory().c_str()) / given,
        fs::current_path(error) / given,
        fs::path(KIPTO2_DATA_DIR) / given,
    };
    for (const fs::path& candidate : candidates) {
        if (fs::is_regular_file(candidate, error))
            return String(candidate.c_str());
    }
    return String("");
}

} // namespace lang
