#include "ScriptDriver.h"

#include "HarnessClasses.h"
#include "lang/ResourceFile.h"
#include "lang/SyncGuard.h"
#include "PngWriter.h"
#include "sdl/SdlInput.h"
#include "sprite/DialogSprite.h"
#include "sprite/LoaderFrame2.h"
#include "sprite/User.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include "sprite/AnimateSprite.h"

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace harness {

namespace {

// Verbs and how many arguments they take at least.
const std::vector<std::pair<std::string, size_t>> Verbs = {
    {"wait_loading_held", 0}, {"release_loading", 0}, {"wait_ready", 0}, {"move", 2}, {"drag", 2}, {"press", 2},
    {"release", 2}, {"click", 2}, {"key", 1}, {"type", 1}, {"wait", 1}, {"wait_ms", 1}, {"screenshot", 1},
    {"expect_visible", 1}, {"expect_hidden", 1}, {"expect_pixel", 3}, {"expect_frame", 2}, {"close", 0},
    {"expect_exit", 1}, {"expect_setting", 2}, {"preset_setting", 3}, {"expect_fullscreen", 1}, {"deactivate", 0},
    {"activate", 0}};

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The program's frame, once it exists (not counted).
sprite::LoaderFrame2* currentFrame()
{
    sprite::GameCanvas3* canvas = sprite::LoaderFrame2::getCurrentCanvas();
    return canvas ? dynamic_cast<sprite::LoaderFrame2*>(canvas->getParent()) : nullptr;
}

} // namespace

ScriptDriver::ScriptDriver(std::string outputFolder) : outputFolder(std::move(outputFolder)) {}

ScriptDriver::~ScriptDriver()
{
    if (thread.joinable())
        thread.join();
}

bool ScriptDriver::load(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "harness: cannot read the script %s\n", path.c_str());
        return false;
    }
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        const size_t hash = text.find('#');
        std::istringstream words(text.substr(0, hash));
        Command command;
        command.line = line;
        if (!(words >> command.verb))
            continue;
        for (std::string word; words >> word;)
            command.arguments.push_back(word);
        bool known = false;
        for (const auto& [verb, count] : Verbs)
            known = known || (verb == command.verb && command.arguments.size() >= count);
        if (!known) {
            std::fprintf(stderr, "harness: %s:%d: unknown command or too few arguments: %s\n", path.c_str(), line,
                text.c_str());
            return false;
        }
        commands.push_back(command);
    }
    return true;
}

bool ScriptDriver::holdsLoading() const
{
    for (const Command& command : commands) {
        if (command.verb == "wait_loading_held")
            return true;
    }
    return false;
}

void ScriptDriver::applyPresets()
{
    for (const Command& command : commands) {
        if (command.verb != "preset_setting")
            continue;
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(lang::String(command.arguments[0].c_str()));
        settings->setInt(lang::String(command.arguments[1].c_str()), integerArgument(command, 2));
    }
}

void ScriptDriver::start()
{
    thread = std::thread([this] { run(); });
}

void ScriptDriver::programEnded(int exitCode)
{
    std::lock_guard<std::mutex> lock(mutex);
    programHasEnded = true;
    programExitCode = exitCode;
    ended.notify_all();
}

bool ScriptDriver::finish()
{
    if (thread.joinable())
        thread.join();
    canvas.reset();
    return !failed;
}

void ScriptDriver::run()
{
    for (const Command& command : commands) {
        if (!execute(command)) {
            failed = true;
            break;
        }
    }
    // A script that failed or did not close the window ends the program itself.
    bool running;
    {
        std::lock_guard<std::mutex> lock(mutex);
        running = !programHasEnded;
    }
    if (running) {
        HarnessGate::open();
        if (window)
            sdl::closeWindow(window);
        std::unique_lock<std::mutex> lock(mutex);
        if (!ended.wait_for(lock, std::chrono::seconds(20), [this] { return programHasEnded; })) {
            std::fprintf(stderr, "harness: the program does not end; giving up\n");
            std::_Exit(3);
        }
    }
}

bool ScriptDriver::fail(const Command& command, const std::string& message)
{
    std::fprintf(stderr, "harness: line %d (%s): %s\n", command.line, command.verb.c_str(), message.c_str());
    return false;
}

int ScriptDriver::integerArgument(const Command& command, size_t index, int fallback) const
{
    if (index >= command.arguments.size())
        return fallback;
    return std::atoi(command.arguments[index].c_str());
}

template <class Condition>
bool ScriptDriver::waitFor(const Command& command, const char* what, Condition done, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return fail(command, std::string("timed out waiting for ") + what);
        sleepMs(2);
    }
    return true;
}

bool ScriptDriver::waitForProgram(const Command& command)
{
    if (window)
        return true;
    if (!waitFor(command, "the window", [this] { return currentFrame() && (window = sdl::findWindow()) != 0; }))
        return false;
    // The settings the checks read after the end are those the package names.
    registryName = lang::ResourceFile::loadText("REGISTRYNAME").c_str();
    if (registryName.empty())
        registryName = "Kipto2";
    sdl::focus(window);
    return waitUntilHandled(command);
}

bool ScriptDriver::waitUntilHandled(const Command& command)
{
    if (!sdl::pushMarker())
        return fail(command, "SDL's event queue is full");
    if (!waitFor(command, "the event loop", [] { return !sdl::markerPending(); }))
        return false;
    if (!canvas)
        return true;
    return waitFor(command, "the input thread", [this] {
        return canvas->getQueuedEventCount() == 0 && !canvas->isDispatching();
    });
}

bool ScriptDriver::waitForFreshPaint(const Command& command)
{
    if (!canvas || !canvas->isRunning()) {
        // The loading screen repaints every 60 ms.
        sleepMs(200);
        return true;
    }
    const int64_t before = canvas->getPaintCount();
    // A paint that was already running when the request came does not count: wait for two.
    return waitFor(command, "a paint", [&] {
        canvas->setRepaintAll();
        return canvas->getPaintCount() >= before + 2;
    });
}

lang::Ref<window::ImageBase> ScriptDriver::grabPicture(const Command& command)
{
    sprite::LoaderFrame2* frame = currentFrame();
    if (!frame) {
        fail(command, "no window to take a picture of");
        return nullptr;
    }
    lang::Ref<window::ImageBase> picture = lang::adopt<window::ImageBase>(new window::PixelImage);
    lang::Ref<window::Graphics> target = lang::adopt(frame->getGraphics());
    if (target) {
        SyncGuard display(window::Component::getDisplayLock());
        target->getBackBuffer(picture.get());
    }
    if (!picture->getPixels()) {
        fail(command, "the window's picture is empty");
        return nullptr;
    }
    return picture;
}

bool ScriptDriver::screenshot(const Command& command, const std::string& file)
{
    lang::Ref<window::ImageBase> picture = grabPicture(command);
    if (!picture)
        return false;
    const std::string path = outputFolder + "/" + file;
    if (!window::writePngFile(*picture, lang::String(path.c_str())))
        return fail(command, "cannot write " + path);
    return true;
}

sprite::SpriteBase* ScriptDriver::findSprite(const std::string& path)
{
    if (!canvas)
        return nullptr;
    const size_t dot = path.find('.');
    sprite::SpriteBase* sprite = canvas->getSprite(lang::String(path.substr(0, dot).c_str()));
    for (size_t from = dot; sprite && from != std::string::npos;) {
        const size_t next = path.find('.', from + 1);
        const std::string child = path.substr(from + 1, next == std::string::npos ? std::string::npos : next - from - 1);
        if (!sprite->isInstanceOf("DialogSprite"))
            return nullptr;
        sprite = static_cast<sprite::DialogSprite*>(sprite)->getChild(lang::String(child.c_str()));
        from = next;
    }
    return sprite;
}

bool ScriptDriver::execute(const Command& command)
{
    const std::string& verb = command.verb;
    const int x = integerArgument(command, 0);
    const int y = integerArgument(command, 1);
    if (verb == "wait_loading_held")
        return waitForProgram(command) && waitFor(command, "the loading gate", [] { return HarnessGate::isHolding(); });
    if (verb == "release_loading") {
        HarnessGate::open();
        return true;
    }
    if (verb == "wait_ready") {
        if (!waitForProgram(command))
            return false;
        const int seconds = integerArgument(command, 0, 20);
        if (!waitFor(command, "the hand-over to the canvas", [] {
                sprite::LoaderFrame2* frame = currentFrame();
                return frame && frame->isHandedOver();
            }, seconds * 1000))
            return false;
        canvas = lang::retain(sprite::LoaderFrame2::getCurrentCanvas());
        return waitUntilHandled(command);
    }
    if (verb == "close") {
        if (!waitForProgram(command))
            return false;
        sdl::closeWindow(window);
        std::unique_lock<std::mutex> lock(mutex);
        if (!ended.wait_for(lock, std::chrono::seconds(20), [this] { return programHasEnded; }))
            return fail(command, "the program did not end");
        return true;
    }
    if (verb == "expect_exit") {
        std::unique_lock<std::mutex> lock(mutex);
        if (!ended.wait_for(lock, std::chrono::seconds(20), [this] { return programHasEnded; }))
            return fail(command, "the program is still running");
        if (programExitCode != x)
            return fail(command, "the program ended with " + std::to_string(programExitCode));
        return true;
    }
    if (verb == "expect_setting") {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(lang::String(registryName.c_str()));
        const int value = settings->getInt(lang::String(command.arguments[0].c_str()), -999999);
        if (value != y)
            return fail(command, command.arguments[0] + " is " + std::to_string(value));
        return true;
    }
    if (verb == "preset_setting")
        return true; // written before the program started
    if (verb == "wait_ms") {
        sleepMs(x);
        return true;
    }
    if (!waitForProgram(command))
        return false;
    if (verb == "move" || verb == "drag") {
        sdl::mouseMove(window, x, y, verb == "drag" || leftHeld);
        return waitUntilHandled(command);
    }
    if (verb == "press" || verb == "release" || verb == "click") {
        if (verb != "release") {
            sdl::mouseMove(window, x, y, leftHeld);
            sdl::mouseButton(window, x, y, true);
            leftHeld = true;
        }
        if (verb != "press") {
            sdl::mouseButton(window, x, y, false);
            leftHeld = false;
        }
        return waitUntilHandled(command);
    }
    if (verb == "deactivate" || verb == "activate") {
        if (verb == "deactivate")
            sdl::loseFocus(window);
        else
            sdl::focus(window);
        return waitUntilHandled(command);
    }
    if (verb == "expect_fullscreen") {
        sprite::LoaderFrame2* frame = currentFrame();
        if (!frame || frame->isFullScreen() != (x != 0))
            return fail(command, frame && frame->isFullScreen() ? "the window is full screen" : "the window is not full screen");
        return true;
    }
    if (verb == "key") {
        if (!sdl::key(window, command.arguments[0], true) || !sdl::key(window, command.arguments[0], false))
            return fail(command, "unknown key " + command.arguments[0]);
        return waitUntilHandled(command);
    }
    if (verb == "type") {
        sdl::text(window, command.arguments[0]);
        return waitUntilHandled(command);
    }
    if (verb == "wait") {
        if (!canvas)
            return fail(command, "frames count once the canvas runs (wait_ready first)");
        const int32_t target = canvas->getFrameNo() + x;
        return waitFor(command, "frames", [&] { return canvas->getFrameNo() >= target; });
    }
    if (verb == "screenshot")
        return waitForFreshPaint(command) && screenshot(command, command.arguments[0]);
    if (verb == "expect_visible" || verb == "expect_hidden" || verb == "expect_frame") {
        const bool wantVisible = verb != "expect_hidden";
        if (!canvas)
            return fail(command, "sprites are there once the canvas runs (wait_ready first)");
        SyncGuard guard(canvas.get());
        sprite::SpriteBase* sprite = findSprite(command.arguments[0]);
        if (!sprite)
            return fail(command, "no sprite " + command.arguments[0]);
        if (verb == "expect_frame") {
            auto* animated = dynamic_cast<sprite::AnimateSprite*>(sprite);
            const int cell = integerArgument(command, 1);
            if (!animated || animated->getFrame() != cell)
                return fail(command, command.arguments[0] + " shows cell " + std::to_string(animated ? animated->getFrame() : -1));
            return true;
        }
        if (sprite->isVisible() != wantVisible)
            return fail(command, command.arguments[0] + (wantVisible ? " is hidden" : " is shown"));
        return true;
    }
    if (verb == "expect_pixel") {
        if (!waitForFreshPaint(command))
            return false;
        lang::Ref<window::ImageBase> picture = grabPicture(command);
        if (!picture)
            return false;
        if ( x < 0 || y < 0 || x >= picture->getWidth() || y >= picture->getHeight())
            return fail(command, "no pixel there");
        const uint32_t got = picture->getPixels()[y * picture->getWidth() + x] & 0xFFFFFFu;
        const uint32_t want = uint32_t(std::stoul(command.arguments[2], nullptr, 16));
        const int tolerance = integerArgument(command, 3, 0);
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(int((got >> shift) & 255) - int((want >> shift) & 255)) > tolerance) {
                char text[80];
                std::snprintf(text, sizeof text, "pixel (%d, %d) is %06X, not %06X", x, y, got, want);
                return fail(command, text);
            }
        }
        return true;
    }
    return fail(command, "unknown command");
}

} // namespace harness
