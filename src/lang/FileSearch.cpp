#include "lang/FileSearch.h"

#include <climits>
#include <filesystem>
#include <unistd.h>

namespace lang {

String programDirectory()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return String(".");
    path[length] = '\0';
    return String(std::filesystem::path(path).parent_path().c_str());
}

String installedDataDirectory()
{
    const std::filesystem::path folder
        = std::filesystem::path(programDirectory().c_str()) / KIPTO2_DATA_DIR_FROM_PROGRAM;
    return String(folder.lexically_normal().c_str());
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
        fs::path(installedDataDirectory().c_str()) / given,
    };
    for (const fs::path& candidate : candidates) {
        if (fs::is_regular_file(candidate, error))
            return String(candidate.c_str());
    }
    return String("");
}

} // namespace lang
