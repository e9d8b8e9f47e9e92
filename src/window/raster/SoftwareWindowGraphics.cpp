#include "window/raster/SoftwareWindowGraphics.h"

#include "lang/SyncGuard.h"
#include "window/Component.h"
#include "window/NativeWindow.h"
#include "window/raster/PixelImage.h"

#include <algorithm>
#include <cstring>

namespace window {

namespace {

lang::Ref<ImageBase> makeBackImage(int32_t width, int32_t height)
{
    lang::Ref<ImageBase> image = lang::adopt<ImageBase>(new PixelImage(width, height));
    // Opaque black, as a cleared screen is; the picture never counts as transparent.
    std::fill_n(image->getPixels(), size_t(width) * size_t(height), 0xFF000000u);
    image->setHasAlpha(false);
    image->setPixelsChanged(false);
    return image;
}

} // namespace

SoftwareWindowGraphics::SoftwareWindowGraphics(NativeWindow* window, int32_t width, int32_t height)
    : SoftwareWindowGraphics(window, makeBackImage(width, height))
{
}

SoftwareWindowGraphics::SoftwareWindowGraphics(NativeWindow* window, lang::Ref<ImageBase> image)
    : ImageGraphics(image.get()), window(window), backImage(std::move(image))
{
}

SoftwareWindowGraphics::~SoftwareWindowGraphics() = default;

Graphics* SoftwareWindowGraphics::create()
{
    if (!beginDrawing())
        return nullptr;
    pushState();
    addRef();
    return this;
}

void SoftwareWindowGraphics::dispose()
{
    if (savedStates)
        popState();
    endDrawing();
}

bool SoftwareWindowGraphics::beginDrawing()
{
    SyncGuard guard(this);
    ++nesting;
    return true;
}

void SoftwareWindowGraphics::endDrawing()
{
    SyncGuard guard(this);
    if (nesting == 0)
        return;
    if (--nesting == 0 && backImage->isPixelsChanged())
        present();
}

void SoftwareWindowGraphics::present()
{
    backImage->setPixelsChanged(false);
    if (window)
        window->submitFrame(backImage->getPixels(), backImage->getWidth(), backImage->getHeight(), backImage->getRowBytes());
}

bool SoftwareWindowGraphics::restoreDevice(bool)
{
    SyncGuard guard(this);
    ++restoreAttempts;
    if (failuresLeft > 0) {
        --failuresLeft;
        return false;
    }
    if (window && window->isPresenterLost())
        return window->restorePresenter();
    return true;
}

bool SoftwareWindowGraphics::recreateDevice(bool windowed)
{
    return restoreDevice(windowed);
}

void SoftwareWindowGraphics::getBackBuffer(ImageBase* into)
{
    if (!into)
        return;
    SyncGuard guard(this);
    int32_t width = backImage->getWidth();
    int32_t height = backImage->getHeight();
    into->create(width, height, 0);
    std::memcpy(into->getPixels(), backImage->getPixels(), size_t(width) * size_t(height) * 4);
    into->setPixelsChanged(true);
}

void SoftwareWindowGraphics::detachWindow()
{
    SyncGuard guard(this);
    window = nullptr;
}

void SoftwareWindowGraphics::simulateDeviceLoss(int32_t failures)
{
    failRestores(failures);
    NativeWindow* target = nullptr;
    {
        SyncGuard guard(this);
        target = window;
    }
    if (target)
        target->getOwner()->signalDeviceLost();
}

void SoftwareWindowGraphics::failRestores(int32_t failures)
{
    SyncGuard guard(this);
    failuresLeft = failures;
    restoreAttempts = 0;
}

bool SoftwareWindowGraphics::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "SoftwareWindowGraphics") == 0 || ImageGraphics::isInstanceOf(className);
}

} // namespace window
