#include "lang/FileSearch.h"

#include "lang/detail/Paths.h"

namespace lang {

String programDirectory()
{
    const std::filesystem::path program = detail::executablePath();
    if (program.empty())
        return String(".");
    return detail::fromPath(program.parent_path());
}

String installedDataDirectory()
{
    const std::filesystem::path folder = detail::toPath(programDirectory()) / KIPTO2_DATA_DIR_FROM_PROGRAM;
    return detail::fromPath(folder.lexically_normal());
}

String findFile(const String& name)
{
    namespace fs = std::filesystem;
    if (name.isEmpty())
        return String("");
    std::error_code error;
    const fs::path given = detail::toPath(name);
    if (given.is_absolute())
        return fs::is_regular_file(given, error) ? name : String("");
    const fs::path candidates[] = {
        detail::toPath(programDirectory()) / given,
        fs::current_path(error) / given,
        fs::path(installedDataDirectory().c_str()) / given,
    };
    for (const fs::path& candidate : candidates) {
        if (fs::is_regular_file(candidate, error))
            return detail::fromPath(candidate);
    }
    return String("");
}

} // namespace lang
