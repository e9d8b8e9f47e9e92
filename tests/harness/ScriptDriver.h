// Runs a script of input events and checks against the real program, on a thread of its own
// while the program's main thread runs the game. Every input command waits until the program
// has handled it (SDL's queue, then the canvas's event queue) before the next command runs.
// The commands come from the verb table (ScriptVerbs.h); the files *Verbs.cpp register them,
// using the driver's operations below. The README's developer section lists them.
#pragma once

#include "ScriptVerbs.h"
#include "lang/Ref.h"
#include "sprite/GameCanvas3.h"
#include "window/image/ImageBase.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sprite {
class LoaderFrame2;
}

namespace harness {

class ScriptDriver {
public:
    // How long a wait lasts before it fails, unless a command says otherwise.
    static constexpr int DefaultTimeoutMs = 20000;
    // Every wait lasts this many times as long: KIPTO2_HARNESS_PATIENCE (a whole number, 1 by
    // default), for the sanitizer builds, whose frame steps are several times slower.
    static int patience();

    // Screenshots go to `outputFolder`.
    explicit ScriptDriver(std::string outputFolder);
    ~ScriptDriver();

    // Reads the script; false (with a message on standard error) for an unknown command.
    bool load(const std::string& path);
    // True when the script holds a command of that verb.
    bool uses(const std::string& verb) const;
    // The commands of that verb, in script order.
    std::vector<Command> commandsOf(const std::string& verb) const;
    void start();
    // The program has ended with this exit code; commands after "close" run now. True when the
    // script restarts the program: the caller then runs it again.
    bool programEnded(int exitCode);
    // Waits for the script's end; true when every command and check passed.
    bool finish();

    // --- for the verbs' handlers
    // Reports the failed command; answers false.
    bool fail(const Command& command, const std::string& message);
    int integerArgument(const Command& command, size_t index, int fallback = 0) const;
    // The arguments from `first` on, joined by single spaces.
    static std::string restOf(const Command& command, size_t first);
    // Waits until `done` holds or the time runs out; false (and a failure) on time-out.
    template <class Condition>
    bool waitFor(const Command& command, const char* what, Condition done, int timeoutMs = DefaultTimeoutMs);
    // Waits for the program's window (once); false when it does not come.
    bool waitForProgram(const Command& command);
    // Waits until the events pushed so far are handled.
    bool waitUntilHandled(const Command& command);
    bool waitForFreshPaint(const Command& command);
    // Waits for the program's end; false (and a failure) when it does not end.
    bool waitForEnd(const Command& command, const char* failure);
    // Closes the window and lets the program start again once it has ended; the next commands
    // see the new run.
    bool restartProgram(const Command& command);
    int exitCode() const { return programExitCode; }
    // The picture the window shows now; none (and a failure) without one.
    lang::Ref<window::ImageBase> grabPicture(const Command& command);
    // The sprite at PATH: a top-level name, then child names through dialogs, separated by
    // "/" or "."; none when there is none. Call under the canvas's monitor.
    sprite::SpriteBase* findSprite(const std::string& path);
    // Whether the sprite and every dialog that holds it are shown; its centre on the screen.
    bool isShownOnScreen(const std::string& path, int32_t& centreX, int32_t& centreY);
    // The canvas once the window is handed over (wait_ready), or none.
    sprite::GameCanvas3* getCanvas() const { return canvas.get(); }
    void takeCanvas();
    uint32_t getWindow() const { return window; }
    const std::string& getOutputFolder() const { return outputFolder; }
    // The settings name the program uses (known once its window exists).
    const std::string& getRegistryName() const { return registryName; }
    // Whether the script holds the left button down between a press and a release.
    bool isLeftHeld() const { return leftHeld; }
    void setLeftHeld(bool held) { leftHeld = held; }

    // The program's frame, once it exists (not counted).
    static sprite::LoaderFrame2* currentFrame();
    static void sleepMs(int ms);

private:
    void run();
    bool execute(const Command& command);

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
    bool restartWanted = false;
    bool restartReady = false;
};

template <class Condition>
bool ScriptDriver::waitFor(const Command& command, const char* what, Condition done, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs) * patience();
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return fail(command, std::string("timed out waiting for ") + what);
        sleepMs(2);
    }
    return true;
}

} // namespace harness
