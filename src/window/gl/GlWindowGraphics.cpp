#include "window/gl/GlWindowGraphics.h"

#include "lang/Debug.h"
#include "lang/SyncGuard.h"
#include "window/Component.h"
#include "window/NativeWindow.h"
#include "window/gl/detail/GlDevice.h"
#include "window/gl/detail/GlParticleRenderer.h"
#include "window/image/ImageBase.h"
#include "window/raster/ClipParts.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"
#include "window/raster/Polygon.h"
#include "window/text/Font.h"
#include "window/text/FontMetrics.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace window::gl {

namespace {

// Multipliers in 1/128 units, as the shader takes them: 128 leaves a channel as it is.
void multipliersOf(uint32_t argb, float* out)
{
    out[0] = float(argb >> 16 & 0xFF) / 128.0f;
    out[1] = float(argb >> 8 & 0xFF) / 128.0f;
    out[2] = float(argb & 0xFF) / 128.0f;
    out[3] = float(argb >> 24) / 128.0f;
}

// The pen colour by the multipliers of the last plain picture, as the software target fills.
uint32_t scaledPen(uint32_t pen, uint32_t multipliers)
{
    auto channel = [&](int shift) {
        return std::min<uint32_t>(255, ((pen >> shift & 0xFF) * (multipliers >> shift & 0xFF)) >> 7) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

// Where a point of the part lands: the part's point (width div 2, height div 2) on the centre,
// scaled there, mirrored within the part's box and turned clockwise on screen.
struct Placement {
    double centreX, centreY, scaleX, scaleY, cosine, sine;
    int32_t partWidth, partHeight;
    bool mirrorX, mirrorY;

    void place(double partU, double partV, float& x, float& y) const
    {
        const double u = mirrorX ? partWidth - partU : partU;
        const double v = mirrorY ? partHeight - partV : partV;
        const double dx = (u - (partWidth >> 1)) * scaleX;
        const double dy = (v - (partHeight >> 1)) * scaleY;
        x = float(centreX + dx * cosine - dy * sine);
        y = float(centreY + dx * sine + dy * cosine);
    }
};

} // namespace

GlWindowGraphics::GlWindowGraphics(
    NativeWindow* window, std::shared_ptr<GlContext> context, int32_t width, int32_t height)
    : window(window), context(std::move(context)), width(width), height(height)
{
    setClipParts({{0, 0, width, height}});
}

GlWindowGraphics::~GlWindowGraphics() = default;

bool GlWindowGraphics::initialise(std::string& whyNot)
{
    SyncGuard guard(this);
    if (!context->acquire()) {
        whyNot = "the context cannot be made current";
        return false;
    }
    device = std::make_unique<GlDevice>(width, height, context->generation());
    const bool made = device->create(whyNot);
    if (made)
        description = GlDevice::describe() + (device->reportsResets() ? ", reports resets" : "");
    else
        device.reset();
    context->release();
    return made;
}

bool GlWindowGraphics::rebuildDevice()
{
    std::string whyNot;
    if (!context->recreate() || !initialise(whyNot)) {
        lang::debugOutput(("recreateDevice: no new OpenGL context " + whyNot + "\n").c_str());
        return false;
    }
    hasPicture = false;
    return true;
}

void GlWindowGraphics::setClipParts(std::vector<PixelRect> parts)
{
    const PixelRect whole{0, 0, width, height};
    clipParts.clear();
    for (const PixelRect& part : parts)
        if (!part.intersect(whole).isEmpty())
            clipParts.push_back(part.intersect(whole));
    clipBounds = clip::boundsOf(clipParts);
}

void GlWindowGraphics::restoreState(const GraphicsDataStorage& storage)
{
    Graphics::restoreState(storage);
    setClipParts({clipBounds});
}

void GlWindowGraphics::clipRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    setClipParts({{x + translateX, y + translateY, width, height}});
}

void GlWindowGraphics::excludeClipRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    setClipParts(clip::withHole(clipParts, {x + translateX, y + translateY, width, height}));
}

void GlWindowGraphics::setClip(const util::Region* region)
{
    setClipParts(clip::partsOf(region));
}

util::Region* GlWindowGraphics::getClip()
{
    return clip::regionOf(clipParts);
}

util::RectangleNM GlWindowGraphics::getClipBounds()
{
    return util::RectangleNM(clipBounds.x, clipBounds.y, clipBounds.width, clipBounds.height);
}

Graphics* GlWindowGraphics::create()
{
    if (!beginDrawing())
        return nullptr;
    pushState();
    addRef();
    return this;
}

void GlWindowGraphics::dispose()
{
    if (savedStates)
        popState();
    endDrawing();
}

bool GlWindowGraphics::beginDrawing()
{
    SyncGuard guard(this);
    if (nesting++ > 0)
        return true;
    drawn = false;
    acquired = !lost && device && context->acquire();
    if (!acquired)
        return true;
    // A card that was reset says so once, and the frame draws nothing.
    if (device->wasReset()) {
        loseContext();
        return true;
    }
    device->freeDiscarded();
    device->beginFrame();
    device->setAdditive(blendMode == BLEND_ADDITIVE);
    return true;
}

void GlWindowGraphics::endDrawing()
{
    SyncGuard guard(this);
    if (nesting == 0 || --nesting > 0)
        return;
    if (!acquired)
        return;
    if (drawn)
        present();
    context->release();
    acquired = false;
}

bool GlWindowGraphics::readyToDraw()
{
    if (!acquired || lost)
        return false;
    drawn = true;
    return true;
}

void GlWindowGraphics::present()
{
    hasPicture = true;
    if (!window)
        return;
    const PresentArea area = context->presentArea();
    device->present(area, smoothScaling && area.width != width);
    swap();
}

void GlWindowGraphics::swap()
{
    const bool swapped = context->swapBuffers() && !std::exchange(swapFailurePretended, false);
    // A swap that fails, or leaves an error saying the context is gone, loses the context.
    if (!swapped || device->hasLostError())
        loseContext();
}

void GlWindowGraphics::presentAgain()
{
    SyncGuard guard(this);
    if (!hasPicture || lost || !device || !window || !context->acquire())
        return;
    const PresentArea area = context->presentArea();
    device->present(area, smoothScaling && area.width != width);
    swap();
    context->release();
}

void GlWindowGraphics::loseContext()
{
    if (lost)
        return;
    lost = true;
    lang::debugOutput("endDrawing(): device is lost\n");
    if (window && window->getOwner())
        window->getOwner()->signalDeviceLost();
}

void GlWindowGraphics::simulateContextLoss()
{
    SyncGuard guard(this);
    loseContext();
}

void GlWindowGraphics::simulateReset()
{
    SyncGuard guard(this);
    if (device)
        device->pretendReset();
}

bool GlWindowGraphics::reportsResets() const
{
    return device && device->reportsResets();
}

bool GlWindowGraphics::restoreDevice(bool)
{
    SyncGuard guard(this);
    if (!lost && device)
        return true;
    if (nesting > 0)
        return false;
    if (!rebuildDevice())
        return false;
    lost = false;
    lang::debugOutput("InitD3D: Reset() succeeded\n");
    return true;
}

bool GlWindowGraphics::recreateDevice(bool windowed)
{
    return restoreDevice(windowed);
}

void GlWindowGraphics::releaseResources(int32_t)
{
    // Textures go with the context; the pictures upload them again when next drawn.
}

void GlWindowGraphics::detachWindow()
{
    SyncGuard guard(this);
    window = nullptr;
}

int32_t GlWindowGraphics::setBlendMode(int32_t mode)
{
    SyncGuard guard(this);
    const int32_t previous = blendMode;
    blendMode = mode;
    if (acquired && !lost)
        device->setAdditive(mode == BLEND_ADDITIVE);
    return previous;
}

void GlWindowGraphics::limitTileSize(int32_t size)
{
    tileLimit = size;
}

bool GlWindowGraphics::drawImage(ImageBase* image, int32_t x, int32_t y)
{
    if (image == nullptr || !image->hasPixelsReady())
        return false;
    fillMultipliers = tintValue();
    const uint32_t tint = tintValue();
    const uint32_t corners[4] = {tint, tint, tint, tint};
    const PixelRect whole{0, 0, image->getWidth(), image->getHeight()};
    const double identity[6] = {double(x + translateX + (whole.width >> 1)),
        double(y + translateY + (whole.height >> 1)), 1, 1, 0, 0};
    drawTiles(image, whole, identity, corners);
    return true;
}

bool GlWindowGraphics::drawImageTransformed(ImageBase* image, int32_t centreX, int32_t centreY,
    const util::RectangleNM& sourceRect, double scaleX, double scaleY, double angle, int32_t flip)
{
    if (image == nullptr || !image->hasPixelsReady())
        return false;
    if (sourceRect.width <= 0 || sourceRect.height <= 0 || scaleX == 0 || scaleY == 0
        || !std::isfinite(scaleX) || !std::isfinite(scaleY) || !std::isfinite(angle))
        return true;
    const bool untransformed = scaleX == 1.0 && scaleY == 1.0 && angle == 0.0 && (flip & 3) == 0;
    if (untransformed && !useCornerColors)
        fillMultipliers = tintValue();
    uint32_t corners[4];
    for (int32_t i = 0; i < 4; ++i)
        corners[i] = useCornerColors ? applyOpacity(getCornerColor(i).getValue(), opacity) : tintValue();
    // A negative scale mirrors just as a flip does.
    const int32_t mirrors = (flip & 3) ^ (scaleX < 0 ? 1 : 0) ^ (scaleY < 0 ? 2 : 0);
    const double transform[6] = {double(centreX + translateX), double(centreY + translateY), std::abs(scaleX),
        std::abs(scaleY), angle, double(mirrors)};
    drawTiles(image, {sourceRect.x, sourceRect.y, sourceRect.width, sourceRect.height}, transform, corners);
    return true;
}

// transform: centre x, centre y, scale x, scale y (both positive), angle in degrees, mirrors.
void GlWindowGraphics::drawTiles(
    ImageBase* image, const PixelRect& part, const double transform[6], const uint32_t corners[4])
{
    SyncGuard guard(this);
    const PixelRect valid = part.intersect({0, 0, image->getWidth(), image->getHeight()});
    const bool invisible = !useCornerColors && (corners[0] >> 24) == 0;
    if (valid.isEmpty() || invisible || clipParts.empty() || !readyToDraw())
        return;
    const GlImageTextures* textures = device->texturesOf(*image, tileLimit);
    if (!textures)
        return;
    const double radians = transform[4] * 3.14159265358979323846 / 180.0;
    const auto mirrors = int32_t(transform[5]);
    const Placement placement{transform[0], transform[1], transform[2], transform[3], std::cos(radians),
        std::sin(radians), part.width, part.height, (mirrors & 1) != 0, (mirrors & 2) != 0};
    float multipliers[16];
    for (int32_t i = 0; i < 4; ++i)
        multipliersOf(corners[i], multipliers + 4 * i);
    std::vector<TexturedVertex> quad(4);
    for (const GlImageTextures::Tile& tile : textures->tiles) {
        const PixelRect piece = tile.covers.intersect(valid);
        if (piece.isEmpty())
            continue;
        const int32_t us[4] = {piece.x, piece.right(), piece.right(), piece.x};
        const int32_t vs[4] = {piece.y, piece.y, piece.bottom(), piece.bottom()};
        for (int32_t i = 0; i < 4; ++i) {
            TexturedVertex& vertex = quad[i];
            placement.place(us[i] - part.x, vs[i] - part.y, vertex.x, vertex.y);
            vertex.u = float(us[i] - tile.stored.x) / float(tile.stored.width);
            vertex.v = float(vs[i] - tile.stored.y) / float(tile.stored.height);
            vertex.s = float(us[i] - part.x) / float(part.width);
            vertex.t = float(vs[i] - part.y) / float(part.height);
        }
        for (const PixelRect& clip : clipParts) {
            device->setScissor(clip);
            device->drawTextured(tile.texture, quad, multipliers);
        }
    }
}

void GlWindowGraphics::fillQuad(const float corners[8], uint32_t argb, bool blended)
{
    SyncGuard guard(this);
    if (clipParts.empty() || !readyToDraw())
        return;
    const std::vector<ColouredVertex> quad{{corners[0], corners[1], argb}, {corners[2], corners[3], argb},
        {corners[4], corners[5], argb}, {corners[6], corners[7], argb}};
    if (!blended)
        glDisable(GL_BLEND);
    for (const PixelRect& clip : clipParts) {
        device->setScissor(clip);
        device->drawColoured(quad, false);
    }
    if (!blended)
        glEnable(GL_BLEND);
}

void GlWindowGraphics::fillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    fillRect(x, y, width, height, scaledPen(penColor, fillMultipliers));
}

void GlWindowGraphics::fillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb)
{
    const auto left = float(x + translateX), top = float(y + translateY);
    const float corners[8] = {left, top, left + width, top, left + width, top + height, left, top + height};
    fillQuad(corners, argb | 0xFF000000u, false);
}

void GlWindowGraphics::fillRectBlended(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb)
{
    if ((argb >> 24) == 0)
        return;
    const auto left = float(x + translateX), top = float(y + translateY);
    const float corners[8] = {left, top, left + width, top, left + width, top + height, left, top + height};
    fillQuad(corners, argb, (argb >> 24) < 255);
}

void GlWindowGraphics::setPixel(int32_t x, int32_t y, uint32_t argb)
{
    const std::vector<PixelRect> clip = std::exchange(clipParts, {{0, 0, width, height}});
    const auto left = float(x + translateX), top = float(y + translateY);
    const float corners[8] = {left, top, left + 1, top, left + 1, top + 1, left, top + 1};
    fillQuad(corners, argb, (argb >> 24) < 255);
    clipParts = clip;
}

void GlWindowGraphics::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width)
{
    // Through the pixel centres, reaching half a pixel beyond both ends so that the end
    // pixels are covered.
    const double ax = x1 + translateX + 0.5, ay = y1 + translateY + 0.5;
    const double bx = x2 + translateX + 0.5, by = y2 + translateY + 0.5;
    double dx = bx - ax, dy = by - ay;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
        dx /= length;
        dy /= length;
    } else {
        dx = 1;
        dy = 0;
    }
    const double half = std::max(1, width) / 2.0;
    const double ex = dx * 0.5, ey = dy * 0.5; // along the line
    const double nx = -dy * half, ny = dx * half; // across it
    const float corners[8]
        = {float(ax - ex + nx), float(ay - ey + ny), float(bx + ex + nx), float(by + ey + ny),
            float(bx + ex - nx), float(by + ey - ny), float(ax - ex - nx), float(ay - ey - ny)};
    fillQuad(corners, penColor | 0xFF000000u, false);
}

void GlWindowGraphics::drawPolyline(const Polygon& polygon, int32_t width)
{
    for (int32_t i = 0; i + 1 < polygon.getPointCount(); ++i)
        drawLine(polygon.getX(i), polygon.getY(i), polygon.getX(i + 1), polygon.getY(i + 1), width);
}

void GlWindowGraphics::drawPolygon(const Polygon& polygon)
{
    const int32_t count = polygon.getPointCount();
    for (int32_t i = 0; i < count; ++i) {
        const int32_t next = (i + 1) % count;
        drawLine(polygon.getX(i), polygon.getY(i), polygon.getX(next), polygon.getY(next), 1);
    }
}

void GlWindowGraphics::drawString(const lang::String& text, int32_t x, int32_t y)
{
    drawText(text, x, y);
}

void GlWindowGraphics::drawChars(const char* chars, int32_t offset, int32_t length, int32_t x, int32_t y)
{
    if (chars != nullptr && length > 0)
        drawText(lang::String(chars, offset, offset + length), x, y);
}

void GlWindowGraphics::drawText(const lang::String& text, int32_t x, int32_t baseline)
{
    if (!font || text.isEmpty())
        return;
    const std::string key = std::string(text.c_str(), size_t(text.length())) + '\0'
        + std::to_string(reinterpret_cast<uintptr_t>(font.get())) + ':'
        + std::to_string(penColor & 0xFFFFFFu);
    auto found = textPictures.find(key);
    if (found == textPictures.end()) {
        // Room around the run for glyphs that reach beyond their cells.
        constexpr int32_t margin = 4;
        lang::Ref<FontMetrics> metrics = lang::adopt(font->getFontMetrics());
        const TextMetrics& sizes = font->getTextMetrics();
        lang::Ref<ImageBase> picture = lang::adopt<ImageBase>(new PixelImage(
            metrics->stringWidth(text) + 2 * margin, sizes.ascent + sizes.descent + 2 * margin));
        picture->setHasAlpha(true);
        ImageGraphics painter(picture.get());
        painter.setFont(font.get());
        painter.setColor(penColor);
        painter.drawString(text, margin, margin + sizes.ascent);
        // A handful of runs show at a time; an overflowing cache starts again.
        if (textPictures.size() >= 256)
            textPictures.clear();
        found = textPictures.emplace(key, TextPicture{font, picture, -margin, -margin - sizes.ascent}).first;
    }
    // Text takes the pen colour alone: neither the tint nor the opacity applies.
    const uint32_t savedTint = tint, savedMultipliers = fillMultipliers;
    const int32_t savedOpacity = opacity;
    tint = 0x80808080u;
    opacity = 128;
    drawImage(found->second.picture.get(), x + found->second.left, baseline + found->second.top);
    tint = savedTint;
    opacity = savedOpacity;
    fillMultipliers = savedMultipliers;
}

GraphicsParticle* GlWindowGraphics::createParticleSystem()
{
    return new GlParticleRenderer;
}

void GlWindowGraphics::drawPoints(const std::vector<Point>& points)
{
    SyncGuard guard(this);
    if (points.empty() || clipParts.empty() || !readyToDraw())
        return;
    std::vector<ColouredVertex> vertices;
    vertices.reserve(points.size());
    for (const Point& point : points) {
        // A point covers the pixel it falls in, as the software renderer's does.
        const uint32_t argb = applyOpacity(point.argb, opacity);
        vertices.push_back(
            {std::floor(point.x) + translateX + 0.5f, std::floor(point.y) + translateY + 0.5f, argb});
    }
    for (const PixelRect& clip : clipParts) {
        device->setScissor(clip);
        device->drawColoured(vertices, true);
    }
}

void GlWindowGraphics::getBackBuffer(ImageBase* into)
{
    if (!into)
        return;
    SyncGuard guard(this);
    into->create(width, height, 0);
    const bool holding = acquired || (!lost && device && context->acquire());
    if (!holding)
        return;
    device->readPicture(into->getPixels());
    if (acquired)
        device->beginFrame();
    else
        context->release();
    // The picture's alpha means nothing: what the window shows is opaque.
    uint32_t* pixels = into->getPixels();
    for (size_t i = 0, count = size_t(width) * size_t(height); i < count; ++i)
        pixels[i] |= 0xFF000000u;
    into->setPixelsChanged(true);
}

bool GlWindowGraphics::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "GlWindowGraphics") == 0 || Graphics::isInstanceOf(className);
}

} // namespace window::gl
