#include "window/RendererChoice.h"

#include <cstring>
#include <utility>

namespace window {

namespace {

// 1 for OpenGL, 0 for software, -1 for a word that names neither.
int parse(const std::string& word)
{
    if (word == "gl" || word == "opengl")
        return 1;
    if (word == "software" || word == "soft")
        return 0;
    return -1;
}

} // namespace

RendererChoice chooseRenderer(const char* environment, const std::string& stored, bool headless)
{
    std::string ignored;
    if (environment && *environment) {
        const int wanted = parse(environment);
        if (wanted >= 0)
            return {wanted == 1, std::string("KIPTO2_RENDERER=") + environment};
        ignored = std::string(" (KIPTO2_RENDERER=") + environment + " names no renderer)";
    }
    if (!stored.empty()) {
        const int wanted = parse(stored);
        if (wanted >= 0)
            return {wanted == 1, "the setting RENDERER is " + stored + ignored};
        ignored += " (the setting RENDERER=" + stored + " names no renderer)";
    }
    if (headless)
        return {false, "the default on a headless video driver" + ignored};
    return {true, "the default" + ignored};
}

ScalingChoice chooseScaling(const char* environment, const std::string& stored)
{
    std::string ignored;
    const std::pair<std::string, std::string> wishes[]
        = {{environment ? environment : "", "KIPTO2_SCALING"}, {stored, "the setting SCALING"}};
    for (const auto& [word, source] : wishes) {
        if (word == "linear" || word == "nearest")
            return {word == "linear", source + " is " + word + ignored};
        if (!word.empty())
            ignored += " (" + source + "=" + word + " names no scaling)";
    }
    return {true, "the default" + ignored};
}

} // namespace window
