// Everything the OpenGL window target makes in its context: the two shader programs, the
// picture it draws into (a texture behind a framebuffer object) and the textures of the
// pictures it draws. Every call needs the context current on the calling thread.
#pragma once

#include "window/image/ImageTextures.h"
#include "window/raster/PixelRect.h"

#include <cstdint>
#include <string>
#include <vector>

namespace window {
class ImageBase;
}

namespace window::gl {

struct PresentArea;

// The textures of one picture: tiles of at most the device's texture size, each stored with a
// border of one texel from its neighbours so that filtering across a tile's edge matches the
// picture drawn whole.
class GlImageTextures : public ImageTextures {
public:
    struct Tile {
        uint32_t texture = 0;
        PixelRect covers; // the picture pixels the tile draws
        PixelRect stored; // the pixels the texture holds: covers and its border
    };
    uint32_t generation = 0;
    int32_t width = 0, height = 0, tileSize = 0;
    std::vector<Tile> tiles;
};

// One corner of a textured quad: its place in the picture being drawn, its texture
// coordinates and its place (0..1) in the drawn part, which spreads the corner colours.
struct TexturedVertex {
    float x, y, u, v, s, t;
};

struct ColouredVertex {
    float x, y;
    uint32_t argb;
};

class GlDevice {
public:
    // Tells whether the current context can run the target; the reason when it cannot.
    static bool supported(std::string& whyNot);
    // A one-line description of the current context ("OpenGL 4.5 (llvmpipe ...)").
    static std::string describe();

    GlDevice(int32_t width, int32_t height, uint32_t generation);
    ~GlDevice();
    GlDevice(const GlDevice&) = delete;
    GlDevice& operator=(const GlDevice&) = delete;

    bool create(std::string& whyNot);
    uint32_t getGeneration() const { return generation; }
    int32_t getMaxTextureSize() const { return maxTextureSize; }

    // Binds the picture and the drawing states for a frame.
    void beginFrame();
    void setScissor(const PixelRect& area);
    void setAdditive(bool additive);
    // The picture's textures, uploaded when it has none in this context or its pixels changed;
    // null when the card refused them.
    const GlImageTextures* texturesOf(ImageBase& image, int32_t tileLimit);
    // Frees textures of pictures that were unloaded or destroyed.
    void freeDiscarded();
    // Quads of four vertices each, drawn with one texture; `corners` holds four RGBA multipliers.
    void drawTextured(uint32_t texture, const std::vector<TexturedVertex>& quads, const float corners[16]);
    // Quads of four vertices each (as triangle fans), or single points.
    void drawColoured(const std::vector<ColouredVertex>& vertices, bool points);
    // True when the context says the card was reset since the last ask: everything made in it
    // is gone. Only a context made to report resets can say so.
    bool wasReset();
    // True when the context reports resets of the card.
    bool reportsResets() const { return resetQuery != ResetQuery::None; }
    // True when an error waiting says that the context is gone (lost, or out of memory).
    bool hasLostError();
    // Test hook: the next wasReset answers true, as after a reset of the card.
    void pretendReset() { resetPretended = true; }
    // Draws the picture into the window's drawable, letterboxed; `smooth` filters linearly.
    void present(const PresentArea& area, bool smooth);
    // Rows of the picture, top first, into `pixels` (width x height).
    void readPicture(uint32_t* pixels);

private:
    bool upload(ImageBase& image, GlImageTextures& record, bool fresh);

    int32_t width, height;
    uint32_t generation;
    int32_t maxTextureSize = 0;
    uint32_t texturedProgram = 0, colouredProgram = 0;
    int32_t texturedSize = -1, texturedCorners = -1, colouredSize = -1;
    uint32_t pictureTexture = 0, pictureFramebuffer = 0;
    // How the context tells a reset: OpenGL 4.5 or KHR_robustness, or ARB_robustness.
    enum class ResetQuery { None, Core, Arb };
    ResetQuery resetQuery = ResetQuery::None;
    bool resetPretended = false;
};

} // namespace window::gl
