#include "window/text/freetype/FontFiles.h"

#include <fontconfig/fontconfig.h>

namespace window {

// Asks fontconfig for the installed file that best matches the family and style.
bool findFontFile(const std::string& family, bool bold, bool italic, FontFile& found)
{
    if (!FcInit())
        return false;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr)
        return false;
    FcChar8* file = nullptr;
    const bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr;
    if (ok) {
        found.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
        int weight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        found.boldDesign = weight >= FC_WEIGHT_DEMIBOLD;
        found.slantedDesign = slant != FC_SLANT_ROMAN;
        FcChar8* family = nullptr;
        FcChar8* style = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family)
            found.description = reinterpret_cast<const char*>(family);
        if (FcPatternGetString(match, FC_STYLE, 0, &style) == FcResultMatch && style)
            found.description += std::string(" ") + reinterpret_cast<const char*>(style);
    }
    FcPatternDestroy(match);
    return ok;
}

} // namespace window
