#include "window/sdl/SurfacePresenter.h"

#include "window/sdl/Letterbox.h"

namespace window::sdl {

SurfacePresenter::~SurfacePresenter()
{
    if (!shown)
        return;
    // SDL_FreeSurface ignores the window's current surface (SDL_DONTFREE) and the window later
    // frees it only down to our count: that reference is given back by hand.
    if (shown->flags & SDL_DONTFREE)
        --shown->refcount;
    else
        SDL_FreeSurface(shown);
}

bool SurfacePresenter::present(
    const uint32_t* picture, int32_t width, int32_t height, PictureScaler::Filter filter)
{
    // SDL makes the surface anew after the window changed its size.
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface)
        return false;
    const bool fresh = surface != shown;
    if (fresh) {
        if (shown)
            SDL_FreeSurface(shown);
        shown = surface;
        ++shown->refcount;
    }
    const Letterbox box(width, height, surface->w, surface->h);
    const PixelRect area{box.pictureX(), box.pictureY(), box.pictureWidth(), box.pictureHeight()};
    const PictureScaler::Pixels source{const_cast<uint32_t*>(picture), width, height, width * 4};
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)
        return false;
    const Uint32 format = surface->format->format;
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
        const PictureScaler::Pixels target{
            static_cast<uint32_t*>(surface->pixels), surface->w, surface->h, surface->pitch};
        if (fresh)
            PictureScaler::paintBars(target, area);
        scaler.scale(source, target, area, filter);
    } else {
        // Another layout: the picture is scaled as it is, then converted whole.
        converted.resize(size_t(surface->w) * size_t(surface->h));
        const PictureScaler::Pixels target{converted.data(), surface->w, surface->h, surface->w * 4};
        PictureScaler::paintBars(target, area);
        scaler.scale(source, target, area, filter);
        SDL_ConvertPixels(surface->w, surface->h, SDL_PIXELFORMAT_ARGB8888, converted.data(), surface->w * 4,
            format, surface->pixels, surface->pitch);
    }
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
    return SDL_UpdateWindowSurface(window) == 0;
}

} // namespace window::sdl
