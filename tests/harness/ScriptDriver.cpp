#include "ScriptDriver.h"

#include "HarnessClasses.h"
#include "lang/ResourceFile.h"
#include "lang/SyncGuard.h"
#include "sdl/SdlInput.h"
#include "sprite/DialogSprite.h"
#include "sprite/LoaderFrame2.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace harness {

ScriptDriver::ScriptDriver(std::string outputFolder) : outputFolder(std::move(outputFolder)) {}

ScriptDriver::~ScriptDriver()
{
    if (thread.joinable())
        thread.join();
}

void ScriptDriver::sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

sprite::LoaderFrame2* ScriptDriver::currentFrame()
{
    sprite::GameCanvas3* canvas = sprite::LoaderFrame2::getCurrentCanvas();
    return canvas ? dynamic_cast<sprite::LoaderFrame2*>(canvas->getParent()) : nullptr;
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
        const VerbInfo* verb = Verb::find(command.verb);
        if (!verb || command.arguments.size() < verb->minArguments) {
            std::fprintf(stderr, "harness: %s:%d: unknown command or too few arguments: %s\n", path.c_str(), line,
                text.c_str());
            return false;
        }
        commands.push_back(command);
    }
    return true;
}

bool ScriptDriver::uses(const std::string& verb) const
{
    return !commandsOf(verb).empty();
}

std::vector<Command> ScriptDriver::commandsOf(const std::string& verb) const
{
    std::vector<Command> found;
    for (const Command& command : commands) {
        if (command.verb == verb)
            found.push_back(command);
    }
    return found;
}

void ScriptDriver::start()
{
    thread = std::thread([this] {
        run();
        sdl::endThread();
    });
}

bool ScriptDriver::programEnded(int exitCode)
{
    std::unique_lock<std::mutex> lock(mutex);
    programHasEnded = true;
    programExitCode = exitCode;
    ended.notify_all();
    if (!restartWanted)
        return false;
    ended.wait(lock, [this] { return restartReady; });
    restartReady = false;
    return true;
}

bool ScriptDriver::restartProgram(const Command& command)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        restartWanted = true;
    }
    sdl::closeWindow(window);
    if (!waitForEnd(command, "the program did not end"))
        return false;
    if (programExitCode != 0)
        return fail(command, "the program ended with " + std::to_string(programExitCode));
    // The next run makes a window and a canvas of its own.
    window = 0;
    canvas.reset();
    leftHeld = false;
    std::lock_guard<std::mutex> lock(mutex);
    restartWanted = false;
    programHasEnded = false;
    restartReady = true;
    ended.notify_all();
    return true;
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
        if (!ended.wait_for(lock, std::chrono::seconds(20) * patience(), [this] { return programHasEnded; })) {
            std::fprintf(stderr, "harness: the program does not end; giving up\n");
            std::_Exit(3);
        }
    }
}

bool ScriptDriver::execute(const Command& command)
{
    const VerbInfo* verb = Verb::find(command.verb);
    if (!verb)
        return fail(command, "unknown command");
    if (verb->needsProgram && !waitForProgram(command))
        return false;
    return verb->handler(*this, command);
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

int ScriptDriver::patience()
{
    static const int factor = [] {
        const char* text = std::getenv("KIPTO2_HARNESS_PATIENCE");
        return text ? std::max(1, std::atoi(text)) : 1;
    }();
    return factor;
}

std::string ScriptDriver::restOf(const Command& command, size_t first)
{
    std::string text;
    for (size_t i = first; i < command.arguments.size(); ++i)
        text += (i > first ? " " : "") + command.arguments[i];
    return text;
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

void ScriptDriver::takeCanvas()
{
    canvas = lang::retain(sprite::LoaderFrame2::getCurrentCanvas());
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

bool ScriptDriver::waitForEnd(const Command& command, const char* failure)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (!ended.wait_for(lock, std::chrono::seconds(20) * patience(), [this] { return programHasEnded; }))
        return fail(command, failure);
    return true;
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

namespace {

// The names of a path, split at "/" and ".".
std::vector<std::string> namesOf(const std::string& path)
{
    std::vector<std::string> names(1);
    for (char c : path) {
        if (c == '/' || c == '.')
            names.emplace_back();
        else
            names.back() += c;
    }
    return names;
}

} // namespace

sprite::SpriteBase* ScriptDriver::findSprite(const std::string& path)
{
    if (!canvas)
        return nullptr;
    const std::vector<std::string> names = namesOf(path);
    sprite::SpriteBase* sprite = canvas->getSprite(lang::String(names[0].c_str()));
    for (size_t i = 1; sprite && i < names.size(); ++i) {
        if (!sprite->isInstanceOf("DialogSprite"))
            return nullptr;
        sprite = static_cast<sprite::DialogSprite*>(sprite)->getChild(lang::String(names[i].c_str()));
    }
    return sprite;
}

bool ScriptDriver::isShownOnScreen(const std::string& path, int32_t& centreX, int32_t& centreY)
{
    const std::vector<std::string> names = namesOf(path);
    sprite::SpriteBase* sprite = canvas ? canvas->getSprite(lang::String(names[0].c_str())) : nullptr;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    for (size_t i = 1; sprite && i < names.size(); ++i) {
        if (!sprite->isVisible() || !sprite->isInstanceOf("DialogSprite"))
            return false;
        // Children lie in their dialog's coordinates.
        offsetX += sprite->getX();
        offsetY += sprite->getY();
        sprite = static_cast<sprite::DialogSprite*>(sprite)->getChild(lang::String(names[i].c_str()));
    }
    if (!sprite || !sprite->isVisible())
        return false;
    const util::RectangleNM& bounds = sprite->getBounds();
    centreX = offsetX + bounds.x + bounds.width / 2;
    centreY = offsetY + bounds.y + bounds.height / 2;
    return true;
}

} // namespace harness
