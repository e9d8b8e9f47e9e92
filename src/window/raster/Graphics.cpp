#include "window/raster/Graphics.h"

#include "util/Region.h"
#include "window/text/Font.h"

#include <algorithm>
#include <cstring>

namespace window {

Graphics::~Graphics()
{
    while (savedStates)
        popState();
}

void Graphics::restoreState(const GraphicsDataStorage& storage)
{
    translateX = storage.translateX;
    translateY = storage.translateY;
    penColor = storage.penColor;
    tint = storage.tint;
    std::copy(std::begin(storage.cornerColors), std::end(storage.cornerColors), cornerColors);
    useCornerColors = storage.useCornerColors;
    opacity = storage.opacity;
    clipBounds = storage.clipBounds;
    flag = storage.flag;
    blendMode = storage.blendMode;
}

Graphics::GraphicsDataStorage* Graphics::saveState(GraphicsDataStorage* next)
{
    auto* storage = new GraphicsDataStorage;
    storage->next = next;
    storage->translateX = translateX;
    storage->translateY = translateY;
    storage->penColor = penColor;
    storage->tint = tint;
    std::copy(std::begin(cornerColors), std::end(cornerColors), storage->cornerColors);
    storage->useCornerColors = useCornerColors;
    storage->opacity = opacity;
    storage->clipBounds = clipBounds;
    storage->flag = flag;
    storage->blendMode = blendMode;
    return storage;
}

void Graphics::pushState()
{
    savedStates = saveState(savedStates);
}

void Graphics::popState()
{
    GraphicsDataStorage* top = savedStates;
    if (top == nullptr)
        return;
    restoreState(*top);
    savedStates = top->next;
    delete top;
}

bool Graphics::drawImageTransformedAt(ImageBase* image, int32_t x, int32_t y, const util::RectangleNM& sourceRect,
    double scaleX, double scaleY, double angle, int32_t flip)
{
    // Halves rounded down, as the sprites place their pictures.
    const int32_t centreX = x + (sourceRect.width >> 1);
    const int32_t centreY = y + (sourceRect.height >> 1);
    return drawImageTransformed(image, centreX, centreY, sourceRect, scaleX, scaleY, angle, flip);
}

bool Graphics::drawShadow(ImageBase*, int32_t, int32_t)
{
    return false;
}

void Graphics::setPixel(int32_t x, int32_t y)
{
    setPixel(x, y, penColor);
}

void Graphics::setPixel(int32_t, int32_t, uint32_t) {}

uint32_t Graphics::getPixel(int32_t, int32_t)
{
    return 0;
}

void Graphics::clipRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    clipBounds = clipBounds.intersect({x + translateX, y + translateY, width, height});
}

void Graphics::excludeClipRect(int32_t, int32_t, int32_t, int32_t) {}

void Graphics::setClip(const util::Region*) {}

util::Region* Graphics::getClip()
{
    auto* region = new util::Region;
    region->add(clipBounds.x, clipBounds.y, clipBounds.width, clipBounds.height);
    return region;
}

util::RectangleNM Graphics::getClipBounds()
{
    return util::RectangleNM(clipBounds.x, clipBounds.y, clipBounds.width, clipBounds.height);
}

void Graphics::drawRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const int32_t right = x + width - 1;
    const int32_t bottom = y + height - 1;
    drawLine(x, y, right, y, 1);
    drawLine(right, y, right, bottom, 1);
    drawLine(right, bottom, x, bottom, 1);
    drawLine(x, bottom, x, y, 1);
}

lang::Ref<Font> Graphics::setFont(Font* newFont)
{
    lang::Ref<Font> previous = font;
    font = lang::retain(newFont);
    return previous;
}

void Graphics::translate(int32_t dx, int32_t dy)
{
    translateX += dx;
    translateY += dy;
}

uint32_t Graphics::applyOpacity(uint32_t argb, int32_t opacity)
{
    if (opacity == 128)
        return argb;
    const int32_t alpha = std::clamp(static_cast<int32_t>(argb >> 24) * opacity / 128, 0, 255);
    return (argb & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24;
}

void Graphics::setTintAlpha(int32_t alpha)
{
    alpha = std::clamp(alpha, 0, 255);
    tint = (tint & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24;
}

ColorBase Graphics::getCornerColor(int32_t index) const
{
    if (useCornerColors && index >= 0 && index < 4)
        return ColorBase(cornerColors[index]);
    return ColorBase(tint);
}

void Graphics::setCornerColor(int32_t index, uint32_t argb)
{
    if (index >= 0 && index < 4)
        cornerColors[index] = argb;
}

bool Graphics::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Graphics") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
