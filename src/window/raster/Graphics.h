// The drawing target every sprite paints on. A paint method calls these operations and never
// knows which target lies behind them: an image in memory (ImageGraphics) or the window.
// All coordinates passed to drawing operations are moved by the origin (translate) unless an
// operation says otherwise.
#pragma once

#include "lang/Ref.h"
#include "lang/String.h"
#include "util/RectangleNM.h"
#include "window/raster/ColorBase.h"
#include "window/raster/PixelRect.h"

#include <cstdint>

namespace util {
class Region;
}

namespace window {

class FancyHelper;
class Font;
class GraphicsParticle;
class ImageBase;
class Polygon;

class Graphics : public lang::Object {
public:
    static constexpr int32_t BLEND_NORMAL = 0;
    static constexpr int32_t BLEND_ADDITIVE = 1;

    // Flip modes of the transformed draws.
    static constexpr int32_t FLIP_NONE = 0;
    static constexpr int32_t FLIP_LEFT_RIGHT = 1;
    static constexpr int32_t FLIP_TOP_BOTTOM = 2;
    static constexpr int32_t FLIP_BOTH = 3;

    // One saved drawing state; pushState and popState keep a stack of them. The font is not
    // part of it; the blend mode is, so that additive drawing ends with the state that began it.
    struct GraphicsDataStorage {
        GraphicsDataStorage* next = nullptr;
        int32_t translateX = 0;
        int32_t translateY = 0;
        uint32_t penColor = 0;
        uint32_t tint = 0;
        uint32_t cornerColors[4] = {0, 0, 0, 0};
        bool useCornerColors = false;
        int32_t opacity = 128;
        PixelRect clipBounds;
        uint8_t flag = 0;
        int32_t blendMode = BLEND_NORMAL;
    };

    Graphics() = default;
    // Drops every saved state still on the stack and the font.
    ~Graphics() override;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // --- saved states
    virtual void restoreState(const GraphicsDataStorage& storage);
    // A new record of the current state linked to `next`; the caller deletes it.
    virtual GraphicsDataStorage* saveState(GraphicsDataStorage* next);

    // --- pictures. Each returns false when the picture has no pixels.
    // Draws the part `sourceRect` of the picture scaled, rotated by `angle` degrees (clockwise
    // on screen) about (centreX, centreY), where the middle of the part lands, and mirrored by
    // `flip`; tinted by getTint() or by the four corner colours.
    virtual bool drawImageTransformed(ImageBase* image, int32_t centreX, int32_t centreY,
        const util::RectangleNM& sourceRect, double scaleX, double scaleY, double angle, int32_t flip) = 0;
    // Draws the whole picture with its top-left corner at (x, y).
    virtual bool drawImage(ImageBase* image, int32_t x, int32_t y) = 0;
    // drawImageTransformed about (x + width / 2, y + height / 2) of the source part.
    virtual bool drawImageTransformedAt(ImageBase* image, int32_t x, int32_t y,
        const util::RectangleNM& sourceRect, double scaleX, double scaleY, double angle, int32_t flip);
    // Darkens the target under the picture's opaque parts; false on targets without it.
    virtual bool drawShadow(ImageBase* image, int32_t x, int32_t y);

    // --- single pixels
    virtual void setPixel(int32_t x, int32_t y);
    virtual void setPixel(int32_t x, int32_t y, uint32_t argb);
    virtual uint32_t getPixel(int32_t x, int32_t y);

    // --- clipping
    virtual void clipRect(int32_t x, int32_t y, int32_t width, int32_t height);
    virtual void excludeClipRect(int32_t x, int32_t y, int32_t width, int32_t height);
    virtual void setClip(const util::Region* region);
    // A new region of the clip; the caller releases it.
    virtual util::Region* getClip();
    virtual util::RectangleNM getClipBounds();

    // --- life of a target
    // A new target on the same surface with the same origin; the caller releases it.
    virtual Graphics* create() = 0;
    // Gives back what the target holds of its surface; the caller still releases it.
    virtual void dispose() = 0;

    // --- shapes in the pen colour
    // The ellipse in the box (x, y)-(x + width, y + height); the origin is NOT added.
    virtual void fillOval(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void fillRect(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // The outline as four lines of width 1 through the corner pixels.
    virtual void drawRect(int32_t x, int32_t y, int32_t width, int32_t height);
    // An opaque fill in the given colour.
    virtual void fillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb) = 0;
    // The colour weighed over the target by its alpha; nothing on targets without blending.
    virtual void fillRectBlended(int32_t /*x*/, int32_t /*y*/, int32_t /*width*/, int32_t /*height*/, uint32_t /*argb*/) {}
    // Text with the left end of its baseline at (x, y).
    virtual void drawString(const lang::String& text, int32_t x, int32_t y) = 0;
    virtual void drawChars(const char* chars, int32_t offset, int32_t length, int32_t x, int32_t y) = 0;
    virtual void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) = 0;
    virtual void drawPolyline(const Polygon& polygon, int32_t width) = 0;
    virtual void drawPolygon(const Polygon& polygon) = 0;
    virtual void fillPolygon(const Polygon& polygon) = 0;
    // Text laid out from the rectangle's top-left corner; a word that does not fit ends in an
    // ellipsis.
    virtual void drawStringInRect(const lang::String& text, const util::RectangleNM& rect) = 0;
    // Takes a reference to the font and drops the old one, which it returns.
    virtual lang::Ref<Font> setFont(Font* font);
    // A Bezier curve through `count` control points (x, y pairs) drawn as line segments.
    virtual void drawCurve(const int32_t* points, int32_t count, float scale, int32_t dx, int32_t dy) = 0;
    virtual void fillCurve(const int32_t* points, int32_t count, float scale) = 0;

    // --- hooks of the window targets; the defaults suit every other target
    virtual bool beginDrawing() { return false; }
    virtual void endDrawing() {}
    virtual bool restoreDevice(bool /*windowed*/) { return true; }
    virtual bool recreateDevice(bool /*windowed*/) { return true; }
    virtual int32_t getUserValue() { return 0; }
    virtual void setUserValue(int32_t /*value*/) {}
    virtual void releaseResources(int32_t /*flag*/) {}
    // A particle renderer of this target, or null; the caller releases it.
    virtual GraphicsParticle* createParticleSystem() { return nullptr; }
    // The picture whose pixels the software particle renderer blends into; none on the targets
    // it does not draw on.
    virtual ImageBase* getPixelTarget() { return nullptr; }
    // Copies what the window shows into `into`; nothing on other targets.
    virtual void getBackBuffer(ImageBase* /*into*/) {}
    // The window is going away: a window target shows nothing any more.
    virtual void detachWindow() {}

    // --- blending of image targets
    // The blend parameters, made on first use; borrowed (null on targets without them).
    virtual FancyHelper* getFancyHelper() { return nullptr; }
    // BLEND_NORMAL or BLEND_ADDITIVE; returns the previous mode. Targets without blending stay
    // normal.
    virtual int32_t setBlendMode(int32_t /*mode*/) { return BLEND_NORMAL; }
    int32_t getBlendMode() const { return blendMode; }
    virtual void translate(int32_t dx, int32_t dy);

    // --- state
    void pushState();
    void popState();
    // The tint with its alpha multiplied by the opacity: what drawing uses.
    ColorBase getTint() const { return ColorBase(tintValue()); }
    uint32_t tintValue() const { return applyOpacity(tint, opacity); }
    // The colour with its alpha times the opacity (1/128 units), truncated, at most 255.
    static uint32_t applyOpacity(uint32_t argb, int32_t opacity);
    void setTint(uint32_t argb) { tint = argb; }
    // Clamped to 0..255; 128 is the normal value.
    void setTintAlpha(int32_t alpha);
    // The i-th corner colour while corner colours are on, else the tint (without opacity).
    ColorBase getCornerColor(int32_t index) const;
    void setCornerColor(int32_t index, uint32_t argb);
    void setUseCornerColors(bool on) { useCornerColors = on; }
    bool getUseCornerColors() const { return useCornerColors; }
    uint32_t getColor() const { return penColor; }
    void setColor(uint32_t argb) { penColor = argb; }
    int32_t getOpacity() const { return opacity; }
    void setOpacity(int32_t value) { opacity = value; }
    int32_t getTranslateX() const { return translateX; }
    int32_t getTranslateY() const { return translateY; }
    Font* getFont() const { return font.get(); }
    // A byte that sprites may set and that saved states keep; drawing ignores it.
    uint8_t getFlag() const { return flag; }
    void setFlag(uint8_t value) { flag = value; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Graphics"; }

protected:
    int32_t translateX = 0;
    int32_t translateY = 0;
    uint32_t penColor = 0xFFFFFFFFu;
    uint32_t tint = 0x80808080u;
    uint32_t cornerColors[4] = {0, 0, 0, 0};
    bool useCornerColors = false;
    int32_t opacity = 128;
    // In target coordinates.
    PixelRect clipBounds;
    lang::Ref<Font> font;
    uint8_t flag = 0;
    int32_t blendMode = BLEND_NORMAL;
    GraphicsDataStorage* savedStates = nullptr;
};

} // namespace window
