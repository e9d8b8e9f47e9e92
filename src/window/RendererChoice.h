// Which window target draws the game, and how its picture is scaled to the window. OpenGL is
// the default on a display a person sees; the software target is the reference, the choice of
// headless runs and the fallback where no OpenGL context can be made. KIPTO2_RENDERER (gl or
// software) decides before the stored setting "RENDERER" (the same words). The picture is
// scaled smoothly unless KIPTO2_SCALING, then the stored setting "SCALING", says "nearest"
// (whole pixels repeated) rather than "linear".
#pragma once

#include <string>

namespace window {

struct RendererChoice {
    bool openGl = false;
    // Why, in words for the debug output.
    std::string reason;
};

RendererChoice chooseRenderer(const char* environment, const std::string& stored, bool headless);

struct ScalingChoice {
    bool linear = true;
    std::string reason;
};

ScalingChoice chooseScaling(const char* environment, const std::string& stored);

} // namespace window
