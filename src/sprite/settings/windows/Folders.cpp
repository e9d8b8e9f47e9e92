// The settings folder on Windows: the user's roaming application data, where SDL's "pref path"
// also puts a program's files (%APPDATA%\Corvalen).
#include "sprite/settings/SettingsLocation.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace sprite {

namespace {

std::string toUtf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return "";
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size) - 1);
    return utf8;
}

std::filesystem::path fromUtf8(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), size);
    wide.resize(wide.size() - 1);
    return std::filesystem::path(wide);
}

} // namespace

// Windows keeps the environment in UTF-16; the narrow copy is in the code page and would garble
// a folder name with letters beyond it.
std::string environment(const char* name)
{
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    return value ? toUtf8(value) : "";
}

std::string userSettingsFolder()
{
    wchar_t* appData = nullptr;
    std::string folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &appData) == S_OK)
        folder = toUtf8(appData);
    CoTaskMemFree(appData);
    if (folder.empty())
        return "";
    for (char& c : folder)
        if (c == '\\')
            c = '/';
    return folder + "/Corvalen";
}

bool makeFolders(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path folder = fromUtf8(path);
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

} // namespace sprite
