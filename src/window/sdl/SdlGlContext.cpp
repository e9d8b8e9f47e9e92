#include "window/sdl/SdlGlContext.h"

#include "window/sdl/Letterbox.h"

#include <cstdlib>
#include <cstring>

namespace window::sdl {

SdlGlContext::SdlGlContext(SDL_Window* window, int32_t logicalWidth, int32_t logicalHeight)
    : window(window), logicalWidth(logicalWidth), logicalHeight(logicalHeight)
{
    make();
}

SdlGlContext::~SdlGlContext()
{
    close();
}

void SdlGlContext::requestAttributes()
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

// Makes a context and leaves it current on no thread; the caller holds `holder` or is the
// constructor.
bool SdlGlContext::make()
{
    const char* unavailable = std::getenv("KIPTO2_GL_UNAVAILABLE");
    if (unavailable && std::strcmp(unavailable, "1") == 0) {
        failure = "KIPTO2_GL_UNAVAILABLE=1";
        return false;
    }
    // A context that reports a reset of the card (robust access, lost on reset) where the
    // driver offers one, else a plain one.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_ROBUST_ACCESS_FLAG);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_RESET_NOTIFICATION, SDL_GL_CONTEXT_RESET_LOSE_CONTEXT);
    context = SDL_GL_CreateContext(window);
    if (!context) {
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_RESET_NOTIFICATION, SDL_GL_CONTEXT_RESET_NO_NOTIFICATION);
        context = SDL_GL_CreateContext(window);
    }
    if (!context) {
        failure = std::string("SDL_GL_CreateContext failed: ") + SDL_GetError();
        return false;
    }
    ++made;
    // Presenting never waits for the display: the render thread keeps its own pace.
    SDL_GL_SetSwapInterval(0);
    SDL_GL_MakeCurrent(window, nullptr);
    return true;
}

void SdlGlContext::close()
{
    std::lock_guard<std::recursive_mutex> guard(holder);
    if (!context)
        return;
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(context);
    context = nullptr;
}

bool SdlGlContext::acquire()
{
    holder.lock();
    if (depth == 0 && (!context || SDL_GL_MakeCurrent(window, context) != 0)) {
        holder.unlock();
        return false;
    }
    ++depth;
    return true;
}

void SdlGlContext::release()
{
    if (depth == 0)
        return;
    if (--depth == 0 && context)
        SDL_GL_MakeCurrent(window, nullptr);
    holder.unlock();
}

bool SdlGlContext::swapBuffers()
{
    // SDL reports a failed swap only through its error text.
    SDL_ClearError();
    SDL_GL_SwapWindow(window);
    const char* error = SDL_GetError();
    return !error || *error == '\0';
}

gl::PresentArea SdlGlContext::presentArea()
{
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(window, &width, &height);
    const Letterbox box(logicalWidth, logicalHeight, width, height);
    return {width, height, box.pictureX(), box.pictureY(), box.pictureWidth(), box.pictureHeight()};
}

bool SdlGlContext::recreate()
{
    std::lock_guard<std::recursive_mutex> guard(holder);
    if (depth > 0)
        return false;
    if (context)
        SDL_GL_DeleteContext(context);
    context = nullptr;
    return make();
}

} // namespace window::sdl
