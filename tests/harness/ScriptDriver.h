// Runs a script of input events and checks against the real program, on a thread of its own
// while the program's main thread runs the game. Every input command waits until the program
// has handled it (SDL's queue, then the canvas's event queue) before the next command runs.
// The commands are listed in the README's developer section.
#pragma once

#include "lang/Ref.h"
#include "sprite/GameCanvas3.h"
#include "window/image/ImageBase.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace harness {

struct Command {
    int line = 0;
    std::string verb;
    std::vector<std::string> arguments;
};

class ScriptDriver {
public:
    // Screenshots go to `outputFolder`.
    explicit ScriptDriver(std::string outputFolder);
    ~ScriptDriver();

    // Reads the script; false (with a message on standard error) for an unknown command.
    bool load(const std::string& path);
    // True when the script looks at the loading screen (the loading gate must be armed).
    bool holdsLoading() const;
    // Writes the settings of the script's preset_setting commands, before the program starts.
    void applyPresets();
    void start();
    // The program has ended with this exit code; commands after "close" run now.
    void programEnded(int exitCode);
    // Waits for the script's end; true when every command and check passed.
    bool finish();

private:
    void run();
    bool execute(const Command& command);
    // Waits until `done` holds or the time runs out; false (and a failure) on time-out.
    template <class Condition>
    bool waitFor(const Command& command, const char* what, Condition done, int timeoutMs = 20000);
    bool waitForProgram(const Command& command);
    bool waitUntilHandled(const Command& command);
    bool waitForFreshPaint(const Command& command);
    // The picture the window shows now; none (and a failure) without one.
    lang::Ref<window::ImageBase> grabPicture(const Command& command);
    bool screenshot(const Command& command, const std::string& file);
    // The sprite named "Name" or "Dialog.child"; none when there is none.
    sprite::SpriteBase* findSprite(const std::string& path);
    bool fail(const Command& command, const std::string& message);
    int integerArgument(const Command& command, size_t index, int fallback = 0) const;

    std::string outputFolder;
    std::string registryName;
    std::vector<Command> commands;
    std::thread thread;
    lang::Ref<sprite::GameCanvas3> canvas;
    uint32_t window = 0;
    bool leftHeld = false;
    bool failed = false;

    std::mutex mutex;
    std::condition_variable ended;
    bool programHasEnded = false;
    int programExitCode = 0;
};

} // namespace harness
