// Finds the installed font file for a face name and style: fontconfig on Linux
// (fontconfig/FontFiles.cpp); on Windows the system's fonts folder and the free fonts beside
// the program (windows/FontFiles.cpp).
#pragma once

#include <string>

namespace window {

struct FontFile {
    std::string path;
    std::string description; // family and style, as the file names them
    int index = 0;           // the face inside a font collection
    bool boldDesign = false; // the file's own design is bold: no bold is made up
    bool slantedDesign = false;
};

// Called with the FreeType rasteriser's lock held.
bool findFontFile(const std::string& family, bool bold, bool italic, FontFile& found);

} // namespace window
