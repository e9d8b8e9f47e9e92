#include "game/flow/GameSettings.h"

#include "sprite/User.h"

#include <algorithm>

namespace {

int32_t volumeOf(sprite::User* store, const char* key, int32_t fallback)
{
    const int32_t volume = store ? store->getInt(key, fallback) : fallback;
    return std::clamp(volume, 0, GameSettings::MaxVolume);
}

} // namespace

int32_t GameSettings::musicVolume(sprite::User* store)
{
    return volumeOf(store, MusicVolumeKey, DefaultMusicVolume);
}

int32_t GameSettings::effectsVolume(sprite::User* store)
{
    return volumeOf(store, EffectsVolumeKey, DefaultEffectsVolume);
}

bool GameSettings::showLink(sprite::User* store)
{
    return !store || store->getInt(ShowLinkKey, 1) != 0;
}
