#include "window/gl/detail/GlDevice.h"

#include "lang/Debug.h"
#include "window/gl/GlContext.h"
#include "window/image/ImageBase.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace window::gl {

namespace {

// Positions are pixels of the target; row 0 of the picture is row 0 of its texture.
const char* const TexturedVertexShader = R"(#version 110
attribute vec2 position;
attribute vec2 texel;
attribute vec2 place;
uniform vec2 targetSize;
varying vec2 vTexel;
varying vec2 vPlace;
void main()
{
    gl_Position = vec4(position * 2.0 / targetSize - 1.0, 0.0, 1.0);
    vTexel = texel;
    vPlace = place;
}
)";

// The texel times the corner multipliers spread bilinearly over the part: one gradient over
// the whole picture, however many tiles it takes.
const char* const TexturedFragmentShader = R"(#version 110
uniform sampler2D picture;
uniform vec4 corners[4];
varying vec2 vTexel;
varying vec2 vPlace;
void main()
{
    vec4 top = mix(corners[0], corners[1], vPlace.x);
    vec4 bottom = mix(corners[3], corners[2], vPlace.x);
    gl_FragColor = min(texture2D(picture, vTexel) * mix(top, bottom, vPlace.y), 1.0);
}
)";

const char* const ColouredVertexShader = R"(#version 110
attribute vec2 position;
attribute vec4 colour;
uniform vec2 targetSize;
varying vec4 vColour;
void main()
{
    gl_Position = vec4(position * 2.0 / targetSize - 1.0, 0.0, 1.0);
    vColour = colour;
}
)";

const char* const ColouredFragmentShader = R"(#version 110
varying vec4 vColour;
void main()
{
    gl_FragColor = vColour;
}
)";

GLuint compile(GLenum kind, const char* source, std::string& log)
{
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE)
        return shader;
    char text[512] = {};
    glGetShaderInfoLog(shader, sizeof text - 1, nullptr, text);
    log = text;
    glDeleteShader(shader);
    return 0;
}

GLuint link(const char* vertexSource, const char* fragmentSource,
    std::initializer_list<const char*> attributes, std::string& log)
{
    GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource, log);
    GLuint fragment = vertex ? compile(GL_FRAGMENT_SHADER, fragmentSource, log) : 0;
    if (!fragment) {
        glDeleteShader(vertex);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    GLuint location = 0;
    for (const char* name : attributes)
        glBindAttribLocation(program, location++, name);
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == GL_TRUE)
        return program;
    char text[512] = {};
    glGetProgramInfoLog(program, sizeof text - 1, nullptr, text);
    log = text;
    glDeleteProgram(program);
    return 0;
}

// The tiles of a picture of width x height: steps of `tileSize` less the two border texels.
std::vector<GlImageTextures::Tile> layTiles(int32_t width, int32_t height, int32_t tileSize)
{
    std::vector<GlImageTextures::Tile> tiles;
    const PixelRect whole{0, 0, width, height};
    if (width <= tileSize && height <= tileSize) {
        tiles.push_back({0, whole, whole});
        return tiles;
    }
    const int32_t step = tileSize - 2;
    for (int32_t y = 0; y < height; y += step) {
        for (int32_t x = 0; x < width; x += step) {
            const PixelRect covers = PixelRect{x, y, step, step}.intersect(whole);
            const PixelRect stored
                = PixelRect{covers.x - 1, covers.y - 1, covers.width + 2, covers.height + 2}.intersect(whole);
            tiles.push_back({0, covers, stored});
        }
    }
    return tiles;
}

void setFilter(GLenum filter)
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

} // namespace

bool GlDevice::supported(std::string& whyNot)
{
    const int version = epoxy_gl_version();
    if (epoxy_is_desktop_gl() == 0 || version < 21) {
        whyNot = "OpenGL 2.1 is needed, the context offers " + describe();
        return false;
    }
    if (version < 30 && !epoxy_has_gl_extension("GL_ARB_framebuffer_object")) {
        whyNot = "the context has no framebuffer objects";
        return false;
    }
    return true;
}

std::string GlDevice::describe()
{
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return std::string("OpenGL ") + (version ? version : "?") + " (" + (renderer ? renderer : "?") + ")";
}

GlDevice::GlDevice(int32_t width, int32_t height, uint32_t generation)
    : width(width), height(height), generation(generation)
{
}

// What the device made dies with its context; a device outliving its context has nothing to free.
GlDevice::~GlDevice() = default;

bool GlDevice::create(std::string& whyNot)
{
    if (!supported(whyNot))
        return false;
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    maxTextureSize = maxSize;
    if (epoxy_gl_version() >= 45 || epoxy_has_gl_extension("GL_KHR_robustness"))
        resetQuery = ResetQuery::Core;
    else if (epoxy_has_gl_extension("GL_ARB_robustness"))
        resetQuery = ResetQuery::Arb;
    // A context that goes on after a reset, or reports nothing, has nothing to ask.
    GLint strategy = 0;
    if (resetQuery != ResetQuery::None)
        glGetIntegerv(GL_RESET_NOTIFICATION_STRATEGY, &strategy);
    if (strategy != GL_LOSE_CONTEXT_ON_RESET)
        resetQuery = ResetQuery::None;
    texturedProgram
        = link(TexturedVertexShader, TexturedFragmentShader, {"position", "texel", "place"}, whyNot);
    colouredProgram = texturedProgram
        ? link(ColouredVertexShader, ColouredFragmentShader, {"position", "colour"}, whyNot)
        : 0;
    if (!colouredProgram)
        return false;
    texturedSize = glGetUniformLocation(texturedProgram, "targetSize");
    texturedCorners = glGetUniformLocation(texturedProgram, "corners");
    colouredSize = glGetUniformLocation(colouredProgram, "targetSize");
    glUseProgram(texturedProgram);
    glUniform1i(glGetUniformLocation(texturedProgram, "picture"), 0);

    glGenTextures(1, &pictureTexture);
    glBindTexture(GL_TEXTURE_2D, pictureTexture);
    setFilter(GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
    glGenFramebuffers(1, &pictureFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, pictureTexture, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        whyNot = "the picture's framebuffer is incomplete";
        return false;
    }
    // A new picture is opaque black, as a cleared screen is.
    glViewport(0, 0, width, height);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (glGetError() != GL_NO_ERROR) {
        whyNot = "setting up the picture failed";
        return false;
    }
    return true;
}

void GlDevice::beginFrame()
{
    glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer);
    glViewport(0, 0, width, height);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glEnable(GL_SCISSOR_TEST);
    glActiveTexture(GL_TEXTURE0);
    setAdditive(false);
    glUseProgram(texturedProgram);
    glUniform2f(texturedSize, float(width), float(height));
    glUseProgram(colouredProgram);
    glUniform2f(colouredSize, float(width), float(height));
}

void GlDevice::setScissor(const PixelRect& area)
{
    glScissor(area.x, area.y, std::max(0, area.width), std::max(0, area.height));
}

void GlDevice::setAdditive(bool additive)
{
    // The picture stays opaque: its alpha is never written.
    glBlendFuncSeparate(GL_SRC_ALPHA, additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
}

const GlImageTextures* GlDevice::texturesOf(ImageBase& image, int32_t tileLimit)
{
    auto* record = dynamic_cast<GlImageTextures*>(image.getTextures());
    const int32_t tileSize = tileLimit > 2 ? std::min(tileLimit, maxTextureSize) : maxTextureSize;
    const bool fresh = !record || record->generation != generation || record->width != image.getWidth()
        || record->height != image.getHeight() || record->tileSize != tileSize;
    if (!fresh && !image.isPixelsChanged())
        return record;
    if (fresh) {
        // Textures of an older context are gone with it; those of this one are freed now, and
        // the old record, discarded below, names none that a new texture may take over.
        if (record && record->generation == generation)
            for (const auto& tile : record->tiles)
                glDeleteTextures(1, &tile.texture);
        if (record)
            record->tiles.clear();
        auto made = std::make_unique<GlImageTextures>();
        made->generation = generation;
        made->width = image.getWidth();
        made->height = image.getHeight();
        made->tileSize = tileSize;
        made->tiles = layTiles(made->width, made->height, tileSize);
        record = made.get();
        image.setTextures(std::move(made));
    }
    image.setPixelsChanged(false);
    return upload(image, *record, fresh) ? record : nullptr;
}

bool GlDevice::upload(ImageBase& image, GlImageTextures& record, bool fresh)
{
    const uint32_t* pixels = image.getPixels();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, image.getRowBytes() / 4);
    for (auto& tile : record.tiles) {
        const uint32_t* first
            = pixels + size_t(tile.stored.y) * size_t(image.getRowBytes() / 4) + tile.stored.x;
        if (fresh) {
            glGenTextures(1, &tile.texture);
            glBindTexture(GL_TEXTURE_2D, tile.texture);
            setFilter(GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, tile.stored.width, tile.stored.height, 0, GL_BGRA,
                GL_UNSIGNED_INT_8_8_8_8_REV, first);
        } else {
            glBindTexture(GL_TEXTURE_2D, tile.texture);
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, tile.stored.width, tile.stored.height, GL_BGRA,
                GL_UNSIGNED_INT_8_8_8_8_REV, first);
        }
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    if (glGetError() == GL_NO_ERROR)
        return true;
    lang::debugOutput("Failed to create Texture...\n");
    return false;
}

void GlDevice::freeDiscarded()
{
    for (auto& record : ImageTextures::takeDiscarded()) {
        const auto* textures = dynamic_cast<const GlImageTextures*>(record.get());
        if (textures && textures->generation == generation)
            for (const auto& tile : textures->tiles)
                glDeleteTextures(1, &tile.texture);
    }
}

void GlDevice::drawTextured(
    uint32_t texture, const std::vector<TexturedVertex>& quads, const float corners[16])
{
    glUseProgram(texturedProgram);
    glUniform4fv(texturedCorners, 4, corners);
    glBindTexture(GL_TEXTURE_2D, texture);
    const auto stride = GLsizei(sizeof(TexturedVertex));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, &quads[0].x);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, &quads[0].u);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, &quads[0].s);
    for (size_t first = 0; first + 4 <= quads.size(); first += 4)
        glDrawArrays(GL_TRIANGLE_FAN, GLint(first), 4);
    glDisableVertexAttribArray(2);
}

void GlDevice::drawColoured(const std::vector<ColouredVertex>& vertices, bool points)
{
    if (vertices.empty())
        return;
    glUseProgram(colouredProgram);
    const auto stride = GLsizei(sizeof(ColouredVertex));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, &vertices[0].x);
    // 0xAARRGGBB in memory is B, G, R, A: the shader reads it back in order.
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, &vertices[0].argb);
    if (points) {
        glDrawArrays(GL_POINTS, 0, GLsizei(vertices.size()));
        return;
    }
    for (size_t first = 0; first + 4 <= vertices.size(); first += 4)
        glDrawArrays(GL_TRIANGLE_FAN, GLint(first), 4);
}

bool GlDevice::wasReset()
{
    if (resetPretended) {
        resetPretended = false;
        return true;
    }
    switch (resetQuery) {
    case ResetQuery::Core:
        return glGetGraphicsResetStatus() != GL_NO_ERROR;
    case ResetQuery::Arb:
        return glGetGraphicsResetStatusARB() != GL_NO_ERROR;
    default:
        return false;
    }
}

bool GlDevice::hasLostError()
{
    bool gone = false;
    // Bounded: a context that is gone may answer errors for ever.
    for (int32_t i = 0; i < 8; ++i) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR)
            break;
        gone = gone || error == GL_CONTEXT_LOST || error == GL_OUT_OF_MEMORY;
    }
    return gone;
}

void GlDevice::present(const PresentArea& area, bool smooth)
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, area.drawableWidth, area.drawableHeight);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_BLEND);
    // The bars are black; the picture covers the rest.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glUseProgram(texturedProgram);
    glUniform2f(texturedSize, float(area.drawableWidth), float(area.drawableHeight));
    const float whole[16] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    // The drawable counts rows from the bottom; the picture's top row goes up.
    const auto left = float(area.x);
    const auto right = float(area.x + area.width);
    const auto bottom = float(area.drawableHeight - area.y - area.height);
    const auto top = float(area.drawableHeight - area.y);
    const std::vector<TexturedVertex> quad{{left, bottom, 0, 1, 0, 0}, {right, bottom, 1, 1, 0, 0},
        {right, top, 1, 0, 0, 0}, {left, top, 0, 0, 0, 0}};
    glBindTexture(GL_TEXTURE_2D, pictureTexture);
    setFilter(smooth ? GL_LINEAR : GL_NEAREST);
    drawTextured(pictureTexture, quad, whole);
}

void GlDevice::readPicture(uint32_t* pixels)
{
    glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels);
}

} // namespace window::gl
