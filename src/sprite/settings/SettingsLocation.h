// Where the settings of a registry name live on disk: the folder (KIPTO2_HOME, else the user's
// folder for the maker's programs: $XDG_DATA_HOME/Corvalen or ~/.local/share/Corvalen, on
// Windows %APPDATA%\Corvalen), the file stem made from the first name of the registry path,
// and the key inside that file that the rest of the path names.
#pragma once

#include "lang/String.h"

#include <string>

namespace sprite {

struct SettingsLocation {
    std::string folder;   // empty when no home folder is known
    std::string fileStem; // a safe file name in UTF-8, without extension
    lang::String rootKey; // "Kipto\Bob" gives "Bob"; "" for the file's top key

    static SettingsLocation of(const lang::String& registryName);
};

// The platform's part, in posix/ and windows/: paths are UTF-8 with "/" between names.

// The user's folder for the maker's programs; empty when none is known.
std::string userSettingsFolder();

// Creates the folder and its missing parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

// A variable of the environment in UTF-8, empty when unset.
std::string environment(const char* name);

} // namespace sprite
