#include "MyFrame.h"

#include "game/Kipto2Canvas.h"
#include "lang/FileSearch.h"
#include "lang/ResourceFile.h"
#include "sprite/User.h"
#include "version/Version.h"
#include "window/Cursor.h"
#include "window/Platform.h"
#include "window/raster/Graphics.h"
#include "window/raster/GraphicsClip.h"
#include "window/raster/PixelImage.h"

#include <algorithm>

namespace {

const window::ColorBase LoadingBackground(80, 80, 76, 255);

bool hasPixels(window::ImageBase* image)
{
    return image && image->getPixels() && image->getWidth() > 0 && image->getHeight() > 0;
}

} // namespace

MyFrame::MyFrame() : sprite::LoaderFrame2(Width, Height) {}

MyFrame::~MyFrame() = default;

void MyFrame::loadLogo()
{
    const lang::String folder = baseDir.isEmpty() ? lang::programDirectory() : baseDir;
    for (const char* name : {"loading.gif", "loading.png", "loading.jpg"}) {
        lang::Ref<window::ImageBase> candidate = lang::adopt<window::ImageBase>(new window::PixelImage(folder + "/" + name));
        if (hasPixels(candidate.get())) {
            logo = candidate;
            return;
        }
    }
    lang::Ref<window::ImageBase> packaged = lang::adopt<window::ImageBase>(new window::PixelImage("+logo"));
    if (hasPixels(packaged.get()))
        logo = packaged;
}

bool MyFrame::create(window::Component* parentComponent, const util::RectangleNM& area)
{
    lang::String registryName = lang::ResourceFile::loadText("REGISTRYNAME");
    if (registryName.isEmpty())
        registryName = "Kipto2";
    // The window target and its scaling are chosen as the window is made, before the settings
    // open for good.
    {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(registryName);
        setDrawingSettings(
            settings->getString("RENDERER", "").c_str(), settings->getString("SCALING", "").c_str());
    }
    if (!sprite::LoaderFrame2::create(parentComponent, area))
        return false;
    setBackground(LoadingBackground);
    loadLogo();
    logoTop = logo ? (height - logo->getHeight()) / 2 : 0;
    loadingBar = lang::adopt<window::ImageBase>(new window::PixelImage("+loading"));
    setTitle((lang::ResourceFile::loadText("IDS_GAMETITLE") + " " + version::number()).c_str());
    // The window icon is the package picture "icon"; the desktop scales it to its sizes.
    setIcon(lang::adopt<window::ImageBase>(new window::PixelImage("+icon")).get());

    lang::Ref<Kipto2Canvas> gameCanvas = lang::adopt(new Kipto2Canvas);
    gameCanvas->create(this, util::RectangleNM(0, 0, width, height));
    setCurrentCanvas(gameCanvas.get());
    init(gameCanvas.get(), "+datfile", registryName);
    setVisible(true);
    gameCanvas->setCursor(window::Cursor::getWait());
    window::platform::setTimer(this, RepaintTimer, RepaintPeriodMs);
    startLoading();
    gameCanvas->requestFocus();
    return true;
}

double MyFrame::loadedShare(const sprite::GameCanvas3* gameCanvas)
{
    if (!gameCanvas || gameCanvas->getLoadTotal() <= 0)
        return 0.0;
    return std::clamp(double(gameCanvas->getLoadProgress()) / gameCanvas->getLoadTotal(), 0.0, 1.0);
}

void MyFrame::paint(window::Graphics* graphics)
{
    std::lock_guard<std::mutex> guard(picturesMutex);
    lang::Ref<window::Graphics> screen = lang::adopt(graphics->create());
    if (!screen)
        return;
    if (logo)
        screen->drawImage(logo.get(), (width - logo->getWidth()) / 2, logoTop);
    else
        screen->fillRect(0, 0, width, height, LoadingBackground.getValue());
    if (loadingBar) {
        loadingBar->ensurePixels();
        if (hasPixels(loadingBar.get())) {
            const int32_t shown = int32_t(loadingBar->getWidth() * loadedShare(canvas.get()));
            lang::Ref<window::Graphics> bar = lang::adopt(screen->create());
            if (bar) {
                sprite::narrowClip(*bar, util::RectangleNM(BarLeft, BarTop, shown, BarHeight));
                bar->drawImage(loadingBar.get(), BarLeft, BarTop);
                bar->dispose();
            }
        }
    }
    screen->dispose();
}

window::MessageResult MyFrame::handleMessage(uint32_t message, window::WParam wParam, window::LParam lParam)
{
    if (message == window::MsgTimer) {
        // The loading screen follows the loading bar.
        window::Component::repaint();
        return 0;
    }
    return sprite::LoaderFrame2::handleMessage(message, wParam, lParam);
}

void MyFrame::onActivate(bool active)
{
    if (canvas) {
        if (active)
            canvas->windowActivated();
        else
            canvas->windowDeactivated();
    }
    sprite::LoaderFrame2::onActivate(active);
}

void MyFrame::exit()
{
    if (canvas)
        canvas->saveOnExit();
    sprite::LoaderFrame2::exit();
}

void MyFrame::hideLoadingScreen()
{
    window::platform::killTimer(this, RepaintTimer);
    sprite::LoaderFrame2::hideLoadingScreen();
    {
        std::lock_guard<std::mutex> guard(picturesMutex);
        logo.reset();
    }
    if (crashTest)
        crash::crashOnPurpose(*crashTest);
}
