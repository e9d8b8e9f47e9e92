#include "sprite/StartupSettings.h"

#include "sprite/User.h"

namespace sprite {

bool chooseFullScreen(User& settings, int32_t depth)
{
    const bool windowedDepth = depth == 15 || depth == 16 || depth == 24 || depth == 32;
    const int32_t fullScreen = windowedDepth ? settings.getInt("FULLSCREEN", depth == 24 ? 1 : 0) : 1;
    if (settings.getInt("NORMALEXIT", 1) == 0) {
        // The last run did not end normally: perhaps full screen failed on this machine.
        settings.setInt("FULLSCREEN", 0);
        return false;
    }
    settings.setInt("NORMALEXIT", 0);
    return fullScreen == 1;
}

} // namespace sprite
