// Narrows a graphics' clip to a rectangle. Image targets replace their clip on clipRect, so the
// rectangle is first cut to the clip that is already there: nested containers stay inside
// their parents.
#pragma once

#include "util/RectangleNM.h"

namespace window {
class Graphics;
}

namespace sprite {

// `area` is in the graphics' own coordinates (its origin applied).
void narrowClip(window::Graphics& graphics, const util::RectangleNM& area);

} // namespace sprite
