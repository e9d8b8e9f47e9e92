// Encodes an image's pixels as a PNG with an alpha channel, for screenshots, reference
// pictures and tools.
#pragma once

#include "lang/String.h"

#include <cstdint>
#include <vector>

namespace window {

class ImageBase;

// False when the image has no pixels or libpng fails.
bool encodePng(ImageBase& image, std::vector<uint8_t>& out);
bool writePngFile(ImageBase& image, const lang::String& path);

} // namespace window
