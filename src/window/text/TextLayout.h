// Small pieces of text layout shared by the text primitives: lines of a text, and a line cut
// to a width with an ellipsis.
#pragma once

#include "lang/String.h"

#include <vector>

namespace window {

class FontMetrics;

// The lines of a text, split at line feeds; a carriage return before a line feed is dropped.
std::vector<lang::String> splitLines(const lang::String& text);

// The line unchanged when it fits `width`; otherwise cut inside the first word that does not
// fit, keeping as much of it as fits together with "...".
lang::String fitWithEllipsis(const lang::String& line, int32_t width, const FontMetrics& metrics);

} // namespace window
