#include "window/NativeWindow.h"

#include "window/Component.h"
#include "window/raster/SoftwareWindowGraphics.h"

#include <algorithm>

namespace window {

Graphics* NativeWindow::createGraphics(int32_t width, int32_t height)
{
    return new SoftwareWindowGraphics(this, width, height);
}

void NativeWindow::attach(Component* component)
{
    if (!isAttached(component))
        components.push_back(component);
}

void NativeWindow::detach(Component* component)
{
    components.erase(std::remove(components.begin(), components.end(), component), components.end());
    if (focusComponent == component)
        focusComponent = nullptr;
    if (captureComponent == component)
        captureComponent = nullptr;
}

bool NativeWindow::isAttached(const Component* component) const
{
    return std::find(components.begin(), components.end(), component) != components.end();
}

Component* NativeWindow::componentAt(int32_t x, int32_t y) const
{
    // Later components lie over earlier ones.
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
        Component* component = *it;
        if (component == owner || !component->isVisible())
            continue;
        int32_t originX = 0, originY = 0;
        component->getOriginInWindow(originX, originY);
        const util::RectangleNM* bounds = component->getBounds();
        if (x >= originX && y >= originY && x < originX + bounds->width && y < originY + bounds->height)
            return component;
    }
    return owner;
}

} // namespace window
