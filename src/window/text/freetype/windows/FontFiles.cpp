// Font files on Windows: the family's own files in the system's fonts folder, else the free
// substitute that ships in the "fonts" folder beside the program (the same metric twins that
// fontconfig picks on Linux, so that text is laid out alike everywhere). A family the table does
// not know is shown in the sans-serif one, as fontconfig's default does.
#include "window/text/freetype/FontFiles.h"

#include "lang/FileSearch.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace window {

namespace {

// Files by style: regular, bold, italic, bold italic. An empty name is a style the family lacks.
using StyleFiles = std::array<const char*, 4>;

struct FamilyFiles {
    const char* family;
    StyleFiles system;
    const char* substitute;
    StyleFiles bundled;
};

constexpr FamilyFiles kFamilies[] = {
    {"Arial", {"arial.ttf", "arialbd.ttf", "ariali.ttf", "arialbi.ttf"}, "Liberation Sans",
     {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
      "LiberationSans-BoldItalic.ttf"}},
    {"Verdana", {"verdana.ttf", "verdanab.ttf", "verdanai.ttf", "verdanaz.ttf"}, "DejaVu Sans",
     {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "", ""}},
};

bool fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string systemFontsFolder()
{
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "";
    return std::string(windows) + "\\Fonts\\";
}

std::string bundledFontsFolder()
{
    return std::string(lang::programDirectory().c_str()) + "\\fonts\\";
}

const FamilyFiles& familyFiles(const std::string& family)
{
    for (const FamilyFiles& files : kFamilies) {
        if (_stricmp(files.family, family.c_str()) == 0)
            return files;
    }
    return kFamilies[0];
}

// The file of the nearest style that exists in the folder: the style asked for, then without
// italic, then regular. The style it has is noted, so that the rest is made up.
bool findStyle(const std::string& folder, const StyleFiles& files, const char* family, bool bold,
               bool italic, FontFile& found)
{
    const int wanted = (bold ? 1 : 0) + (italic ? 2 : 0);
    const int tries[] = {wanted, wanted & 1, 0};
    for (int style : tries) {
        if (folder.empty() || files[style][0] == '\0' || !fileExists(folder + files[style]))
            continue;
        found.path = folder + files[style];
        found.index = 0;
        found.boldDesign = (style & 1) != 0;
        found.slantedDesign = (style & 2) != 0;
        static const char* const kStyleNames[] = {" Regular", " Bold", " Italic", " Bold Italic"};
        found.description = std::string(family) + kStyleNames[style];
        return true;
    }
    return false;
}

} // namespace

bool findFontFile(const std::string& family, bool bold, bool italic, FontFile& found)
{
    const FamilyFiles& files = familyFiles(family);
    return findStyle(systemFontsFolder(), files.system, files.family, bold, italic, found)
        || findStyle(bundledFontsFolder(), files.bundled, files.substitute, bold, italic, found);
}

} // namespace window
