#include "sprite/settings/SettingsLocation.h"

#include "lang/Cp1252.h"

namespace sprite {

namespace {

std::string settingsFolder()
{
    std::string home = environment("KIPTO2_HOME");
    if (!home.empty())
        return home;
    return userSettingsFolder();
}

// A registry key name may hold any character but "\"; a file name may not hold "/" nor be "." or "..".
std::string safeFileStem(const lang::String& keyName)
{
    std::string stem = lang::cp1252ToUtf8(keyName.c_str());
    for (char& c : stem)
        if (c == '/')
            c = '_';
    if (stem.empty())
        return "Corvalen";
    if (stem == "." || stem == "..")
        return "_";
    return stem;
}

} // namespace

SettingsLocation SettingsLocation::of(const lang::String& registryName)
{
    // Leading separators and empty names do not count, as in a registry path.
    int32_t start = 0;
    while (start < registryName.length() && registryName.charAt(start) == '\\')
        start++;
    int32_t end = registryName.indexOf('\\', start);
    if (end < 0)
        end = registryName.length();

    SettingsLocation location;
    location.folder = settingsFolder();
    location.fileStem = safeFileStem(registryName.substring(start, end));
    location.rootKey = end < registryName.length() ? registryName.substring(end + 1) : lang::String("");
    return location;
}

} // namespace sprite
