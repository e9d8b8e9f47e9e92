// The settings of the game that several pieces read: the music and effects volumes (0 to 255)
// and the web link of the main menu, with their defaults.
#pragma once

#include <cstdint>

namespace sprite {
class User;
}

class GameSettings {
public:
    static constexpr const char* MusicVolumeKey = "VOLUMEMUSIC";
    static constexpr const char* EffectsVolumeKey = "VOLUMEFX";
    static constexpr const char* ShowLinkKey = "SHOWLINK";
    static constexpr const char* FullScreenKey = "FULLSCREEN";
    static constexpr int32_t DefaultMusicVolume = 128;
    static constexpr int32_t DefaultEffectsVolume = 255;
    static constexpr int32_t MaxVolume = 255;

    // Each reads the store (none gives the default); volumes are kept within 0 to 255 so that
    // a hand-edited value cannot put a knob off its track.
    static int32_t musicVolume(sprite::User* store);
    static int32_t effectsVolume(sprite::User* store);
    static bool showLink(sprite::User* store);
};
