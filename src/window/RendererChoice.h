// Which window target draws the game. OpenGL is the default on a display a person sees; the
// software target is the reference, the choice of headless runs and the fallback where no
// OpenGL context can be made. KIPTO2_RENDERER (gl or software) decides before the stored
// setting "RENDERER" (the same words).
#pragma once

#include <string>

namespace window {

struct RendererChoice {
    bool openGl = false;
    // Why, in words for the debug output.
    std::string reason;
};

RendererChoice chooseRenderer(const char* environment, const std::string& stored, bool headless);

} // namespace window
