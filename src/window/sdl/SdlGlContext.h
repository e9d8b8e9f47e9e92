// The OpenGL context of an SDL window, for the OpenGL window target. A recursive mutex lets
// one thread at a time hold it current, from the first acquire to the last release; the
// window closes it before SDL destroys the window, after which acquire fails.
#pragma once

#include "window/gl/GlContext.h"

#include <SDL.h>

#include <mutex>
#include <string>

namespace window::sdl {

class SdlGlContext : public gl::GlContext {
public:
    // A context on `window` (made with SDL_WINDOW_OPENGL) for a picture of the logical size;
    // check isValid, and whyNot for the reason it is not. KIPTO2_GL_UNAVAILABLE=1 pretends
    // that the machine has no OpenGL driver.
    SdlGlContext(SDL_Window* window, int32_t logicalWidth, int32_t logicalHeight);
    ~SdlGlContext() override;

    bool isValid() const { return context != nullptr; }
    const std::string& whyNot() const { return failure; }
    // Deletes the context; the window is about to go.
    void close();

    // The attributes asked of SDL before an OpenGL window is made.
    static void requestAttributes();

    bool acquire() override;
    void release() override;
    bool swapBuffers() override;
    gl::PresentArea presentArea() override;
    bool recreate() override;
    uint32_t generation() const override { return made; }

private:
    bool make();

    SDL_Window* window;
    SDL_GLContext context = nullptr;
    int32_t logicalWidth, logicalHeight;
    std::recursive_mutex holder;
    int32_t depth = 0;
    uint32_t made = 0;
    std::string failure;
};

} // namespace window::sdl
