#include "window/raster/GraphicsClip.h"

#include "window/raster/Graphics.h"

namespace sprite {

void narrowClip(window::Graphics& graphics, const util::RectangleNM& area)
{
    const int32_t originX = graphics.getTranslateX();
    const int32_t originY = graphics.getTranslateY();
    util::RectangleNM wanted(area.x + originX, area.y + originY, area.width, area.height);
    util::RectangleNM cut = graphics.getClipBounds().intersect(wanted);
    graphics.clipRect(cut.x - originX, cut.y - originY, cut.width, cut.height);
}

} // namespace sprite
