// The game's canvas on the game's own package (build/Kipto2.bin) for the benchmarks: a settings
// folder of its own for the run, the canvas loaded as the start-up loads it, an 800 x 600 picture
// and a paint of every shown sprite into it, as the render thread does.
#pragma once

#include "game/Kipto2Canvas.h"
#include "lang/ResourceFile.h"
#include "sprite/User.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace gamebench {

// KIPTO2_HOME in a fresh temporary folder and the game's package opened, both undone at the end.
class BenchHome {
public:
    BenchHome()
    {
        char pattern[] = "/tmp/kipto2-bench-XXXXXX";
        if (!mkdtemp(pattern))
            return;
        path = pattern;
        setenv("KIPTO2_HOME", pattern, 1);
        lang::ResourceFile::add(KIPTO2_PACKAGE_DIR "/Kipto2.bin");
    }
    ~BenchHome()
    {
        lang::ResourceFile::closeAll();
        if (!path.empty())
            std::filesystem::remove_all(path);
    }
    bool ready() const { return !path.empty(); }

private:
    std::string path;
};

// A canvas of that class with the package's tables loaded and a returning player; none (and
// the benchmark skipped) when the package does not load.
template <class Canvas>
lang::Ref<Canvas> loadCanvas(benchmark::State& state)
{
    lang::Ref<Canvas> canvas = lang::adopt(new Canvas);
    lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
    settings->open(lang::ResourceFile::loadText("REGISTRYNAME"));
    // A player of an earlier run, so that no name prompt stands in front of the game.
    settings->setString("Bench\\", "");
    settings->setString("MRUHSNAME", "Bench");
    canvas->setup(KIPTO2_PACKAGE_DIR, settings.get(), "+datfile", -1);
    canvas->beforeLoading();
    if (canvas->loadData())
        return canvas;
    state.SkipWithError("the game's package does not load");
    canvas->shutdown();
    return lang::Ref<Canvas>();
}

// The whole picture, painted the way the render thread paints it.
class Screen {
public:
    Screen()
        : picture(lang::adopt<window::ImageBase>(new window::PixelImage(800, 600))),
          target(lang::adopt(new window::ImageGraphics(picture.get())))
    {
    }

    void paint(sprite::GameCanvas3& canvas)
    {
        for (int32_t i = 0; i < canvas.getSpriteCount(); ++i) {
            lang::Ref<sprite::SpriteBase> sprite = lang::adopt(canvas.getSpriteAt(i));
            if (sprite->isVisible())
                sprite->render(target.get());
        }
    }

private:
    lang::Ref<window::ImageBase> picture;
    lang::Ref<window::ImageGraphics> target;
};

} // namespace gamebench
