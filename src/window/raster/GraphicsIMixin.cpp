#include "window/raster/GraphicsIMixin.h"

namespace window {

FancyHelper* GraphicsIMixin::fancyHelper()
{
    if (!helper)
        helper = lang::adopt(new FancyHelper);
    return helper.get();
}

} // namespace window
