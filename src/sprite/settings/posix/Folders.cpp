// The settings folder on POSIX systems: made for its owner alone.
#include "sprite/settings/SettingsLocation.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace sprite {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string userSettingsFolder()
{
    // Relative values are invalid by the base-directory rules and are ignored.
    std::string dataHome = environment("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome[0] == '/')
        return dataHome + "/Corvalen";
    std::string home = environment("HOME");
    if (home.empty())
        return "";
    return home + "/.local/share/Corvalen";
}

bool makeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace sprite
