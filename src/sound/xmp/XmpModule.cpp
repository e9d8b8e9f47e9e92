#include "sound/xmp/XmpModule.h"

#include <xmp.h>

namespace sound {

std::unique_ptr<XmpModule> XmpModule::load(const uint8_t* data, size_t size)
{
    if (data == nullptr || size == 0)
        return nullptr;
    xmp_context context = xmp_create_context();
    if (context == nullptr)
        return nullptr;
    if (xmp_load_module_from_memory(context, data, long(size)) != 0) {
        xmp_free_context(context);
        return nullptr;
    }
    return std::unique_ptr<XmpModule>(new XmpModule(context));
}

XmpModule::~XmpModule()
{
    auto player = static_cast<xmp_context>(context);
    if (started)
        xmp_end_player(player);
    xmp_release_module(player);
    xmp_free_context(player);
}

bool XmpModule::start(int rate)
{
    auto player = static_cast<xmp_context>(context);
    if (started)
        xmp_end_player(player);
    started = xmp_start_player(player, rate, 0) == 0;
    return started;
}

bool XmpModule::render(int16_t* pcm, int frames)
{
    return xmp_play_buffer(static_cast<xmp_context>(context), pcm, frames * 4, 0) == 0;
}

} // namespace sound
