// Shows the window's picture on the window's own surface, letterboxed by our own scaler: SDL
// then copies the surface to the screen (through X11 shared memory where it can) with no
// renderer in between. The software target's pictures reach the screen this way unless the
// player asks for SDL's accelerated renderer.
#pragma once

#include "window/raster/PictureScaler.h"

#include <SDL.h>

#include <vector>

namespace window::sdl {

class SurfacePresenter {
public:
    explicit SurfacePresenter(SDL_Window* window) : window(window) { }
    ~SurfacePresenter();
    SurfacePresenter(const SurfacePresenter&) = delete;
    SurfacePresenter& operator=(const SurfacePresenter&) = delete;

    // Shows `picture` (0xAARRGGBB, width x height, packed rows) scaled to the window's size;
    // false when the window has no surface to show it on (SDL_GetError says why).
    bool present(const uint32_t* picture, int32_t width, int32_t height, PictureScaler::Filter filter);
    // The window's surface as last shown; none before the first present.
    SDL_Surface* getSurface() const { return shown; }

private:
    SDL_Window* window;
    // The surface last shown on, held (counted) so that a new surface SDL makes is never
    // mistaken for it: the bars are painted once on every new surface.
    SDL_Surface* shown = nullptr;
    PictureScaler scaler;
    // The scaled picture for a surface of another pixel format, converted from here.
    std::vector<uint32_t> converted;
};

} // namespace window::sdl
