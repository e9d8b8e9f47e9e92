// Where the settings of a registry name live on disk: the folder (KIPTO2_HOME, else
// $XDG_DATA_HOME/Corvalen, else ~/.local/share/Corvalen), the file stem made from the first name
// of the registry path, and the key inside that file that the rest of the path names.
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

// Creates the folder and its missing parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

} // namespace sprite
