// The headless harness: the real program (frame, canvas, threads, sound on SDL's dummy driver)
// on SDL's offscreen video driver with the software target, driven by a script of input events
// that also takes screenshots and checks what the program shows. See the README's developer
// section for the script's commands.
//
//   kipto2_harness --script FILE [--data FOLDER] [--out FOLDER] [--home FOLDER] [options]
//
// --data: the folder holding Kipto2.bin (the harness runs there); --out: where screenshots go;
// --home: the settings folder (a fresh temporary one by default). Further options are those
// the harness's files register (ScriptVerbs.h). Exit status: 0 when the script passed, 1 when
// a command or check failed, 2 for bad usage.
#include "BackEnds.h"
#include "GameMain.h"
#include "HarnessClasses.h"
#include "ScriptDriver.h"
#include "sprite/User.h"
#include "support/TempFolder.h"
#include "window/Component.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr,
        "usage: kipto2_harness --script FILE [--data FOLDER] [--out FOLDER] [--home FOLDER] [options]\n");
    return 2;
}

// The settings of the script's preset_setting lines, written before the program starts.
void applyPresets(const harness::ScriptDriver& driver)
{
    for (const harness::Command& command : driver.commandsOf("preset_setting")) {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(lang::String(command.arguments[0].c_str()));
        settings->setInt(lang::String(command.arguments[1].c_str()), std::atoi(command.arguments[2].c_str()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string script, data, out, home;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool own = option == "--script" || option == "--data" || option == "--out" || option == "--home";
        const bool takesValue = own || harness::Option::takesValue(option);
        if (takesValue && i + 1 >= argc)
            return usage();
        const std::string value = takesValue ? argv[++i] : "";
        if (option == "--script")
            script = value;
        else if (option == "--data")
            data = value;
        else if (option == "--out")
            out = value;
        else if (option == "--home")
            home = value;
        else if (!harness::Option::apply(option, value))
            return usage();
    }
    if (script.empty())
        return usage();
    namespace fs = std::filesystem;
    script = fs::absolute(script).string();
    out = fs::absolute(out.empty() ? fs::current_path() : fs::path(out)).string();
    fs::create_directories(out);
    std::optional<testing_support::TempFolder> temporaryHome;
    if (home.empty()) {
        temporaryHome.emplace();
        home = temporaryHome->path;
    }
    if (!data.empty() && chdir(data.c_str()) != 0) {
        std::fprintf(stderr, "harness: no folder %s\n", data.c_str());
        return 2;
    }
    // The real program, headless: offscreen video, silent audio, software drawing, a fixed seed.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("KIPTO2_RENDERER", "soft", 0);
    setenv("KIPTO2_SEED", "1", 0);
    setenv("KIPTO2_HOME", home.c_str(), 1);

    installBackEnds();
    harness::ScriptDriver driver(out);
    if (!driver.load(script))
        return 2;
    applyPresets(driver);
    if (driver.uses("wait_loading_held"))
        harness::HarnessGate::arm();
    driver.start();
    int exitCode = 0;
    do {
        // A restarted program begins as a new process would.
        window::Component::setExiting(false);
        exitCode = gameMain();
    } while (driver.programEnded(exitCode));
    const bool passed = driver.finish();
    std::fprintf(stderr, "harness: %s (the program ended with %d)\n", passed ? "passed" : "FAILED", exitCode);
    return passed ? 0 : 1;
}
