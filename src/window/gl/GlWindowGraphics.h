// The OpenGL window target: the frame is drawn on the graphics card into a picture of the
// window's logical size (a texture behind a framebuffer object), which the outermost end of a
// frame shows letterboxed and scaled to the window. Pictures become textured quads from tiles
// of at most the device's texture size, tinted or shaded by four corner colours (a channel of
// 128 leaves the picture as it is); fills and lines are coloured quads, particles are points.
// It draws what the software window target draws, within the rounding and filtering of the
// card; ellipses, polygon fills and curves are left to the pictures the sprites make.
// As on the software target, create() begins a frame and returns this same target.
#pragma once

#include "window/gl/GlContext.h"
#include "window/raster/Graphics.h"

#include "lang/Ref.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace window {
class NativeWindow;
}

namespace window::gl {

class GlDevice;

class GlWindowGraphics : public Graphics {
public:
    // Draws through `context` (shared with the window) a picture of width x height.
    GlWindowGraphics(NativeWindow* window, std::shared_ptr<GlContext> context, int32_t width, int32_t height);
    ~GlWindowGraphics() override;

    // Makes the programs and the picture in the context; false, with the reason, when the
    // context lacks what they need.
    bool initialise(std::string& whyNot);
    // Whether the picture is filtered linearly when scaled to the window (else whole pixels
    // repeat); smooth by default.
    void setSmoothScaling(bool smooth) { smoothScaling = smooth; }
    // The context's version and renderer, once initialised.
    const std::string& getDescription() const { return description; }

    void restoreState(const GraphicsDataStorage& storage) override;

    bool drawImageTransformed(ImageBase* image, int32_t centreX, int32_t centreY,
        const util::RectangleNM& sourceRect, double scaleX, double scaleY, double angle,
        int32_t flip) override;
    bool drawImage(ImageBase* image, int32_t x, int32_t y) override;

    // A blended point, within the picture (the clip does not apply).
    void setPixel(int32_t x, int32_t y, uint32_t argb) override;
    using Graphics::setPixel;

    // The picture's bounds cut to the rectangle become the clip.
    void clipRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void excludeClipRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void setClip(const util::Region* region) override;
    util::Region* getClip() override;
    util::RectangleNM getClipBounds() override;

    // Begins a frame, saves the drawing state and returns this target with one more
    // reference (the caller releases it).
    Graphics* create() override;
    // Restores the saved state and ends the frame.
    void dispose() override;

    void fillOval(int32_t, int32_t, int32_t, int32_t) override { }
    // The pen colour times the multipliers of the last plain picture drawn, opaque.
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb) override;
    void fillRectBlended(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb) override;
    // Text in the pen colour with the set font (none without one): laid out by the software
    // rasteriser into a picture of its own, kept while the same run is drawn again.
    void drawString(const lang::String& text, int32_t x, int32_t y) override;
    void drawChars(const char* chars, int32_t offset, int32_t length, int32_t x, int32_t y) override;
    // A quad of the width (at least 1) in the pen colour, made opaque.
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) override;
    void drawPolyline(const Polygon& polygon, int32_t width) override;
    void drawPolygon(const Polygon& polygon) override;
    void fillPolygon(const Polygon&) override { }
    void drawStringInRect(const lang::String&, const util::RectangleNM&) override { }
    void drawCurve(const int32_t*, int32_t, float, int32_t, int32_t) override { }
    void fillCurve(const int32_t*, int32_t, float) override { }

    bool beginDrawing() override;
    // The outermost end shows the picture when anything was drawn.
    void endDrawing() override;
    // Makes a new context after a loss; the pictures upload their textures again as they are
    // drawn. True at once while nothing was lost.
    bool restoreDevice(bool windowed) override;
    bool recreateDevice(bool windowed) override;
    void releaseResources(int32_t flag) override;
    GraphicsParticle* createParticleSystem() override;
    void getBackBuffer(ImageBase* into) override;
    int32_t setBlendMode(int32_t mode) override;
    void detachWindow() override;

    // Shows the last picture again, for a window that was uncovered or resized.
    void presentAgain();
    // Points of a particle frame: (x, y) before the origin, 0xAARRGGBB.
    struct Point {
        float x, y;
        uint32_t argb;
    };
    void drawPoints(const std::vector<Point>& points);

    // Test hooks. Tiles no larger than `size` (below the device's own limit).
    void limitTileSize(int32_t size);
    // The context counts as lost from now on, as after a reset of the card: nothing is drawn
    // and the frame is told, until restoreDevice makes a new one.
    void simulateContextLoss();
    // The context says at the next frame's beginning that the card was reset.
    void simulateReset();
    // The next swap fails.
    void simulateFailedSwap() { swapFailurePretended = true; }
    // True when the context reports resets of the card (a robust context), once initialised.
    bool reportsResets() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "GlWindowGraphics"; }

private:
    struct Quad;
    void setClipParts(std::vector<PixelRect> parts);
    // True inside a frame whose context is usable; the first drawing of a frame marks it drawn.
    bool readyToDraw();
    void fillQuad(const float corners[8], uint32_t argb, bool blended);
    void drawTiles(
        ImageBase* image, const PixelRect& part, const double transform[6], const uint32_t corners[4]);
    void drawText(const lang::String& text, int32_t x, int32_t baseline);
    void present();
    void swap();
    void loseContext();
    bool rebuildDevice();

    NativeWindow* window;
    std::shared_ptr<GlContext> context;
    std::unique_ptr<GlDevice> device;
    int32_t width, height;
    std::vector<PixelRect> clipParts;
    uint32_t fillMultipliers = 0x80808080u;
    int32_t nesting = 0;
    bool acquired = false;
    bool drawn = false;
    bool hasPicture = false;
    bool lost = false;
    bool smoothScaling = true;
    bool swapFailurePretended = false;
    int32_t tileLimit = 0;
    std::string description;
    // Pictures of text runs by run, font and colour; the fonts are held so that their
    // addresses stay theirs.
    struct TextPicture {
        lang::Ref<Font> font;
        lang::Ref<ImageBase> picture;
        int32_t left, top; // of the picture, from the pen position on the baseline
    };
    std::map<std::string, TextPicture> textPictures;
};

} // namespace window::gl
