#include "BackEnds.h"

#include "net/curl/CurlHttpGet.h"
#include "sound/sdl/SdlOutput.h"
#include "sprite/settings/sqlite/SqliteSettingsStore.h"
#include "window/sdl/SdlPlatform.h"
#include "window/text/freetype/FreeTypeRasteriser.h"

void installBackEnds()
{
    window::platform::install(std::make_unique<window::sdl::SdlPlatform>());
    window::GlyphRasteriser::install(std::make_unique<window::FreeTypeRasteriser>());
    sound::installDeviceOutput(&sound::SdlOutput::create);
    sprite::installSettingsStore(&sprite::SqliteSettingsStore::openFor);
    net::HttpGet::install(std::make_unique<net::CurlHttpGet>());
}
