// Shared pieces of the frame and event tests: a headless SDL video driver, components that
// record what they receive, and helpers that inject SDL events as the desktop would send them.
#pragma once

#include "lang/Ref.h"
#include "window/Component.h"
#include "window/Event.h"
#include "window/Frame.h"
#include "window/NativeWindow.h"
#include "window/Platform.h"
#include "window/sdl/SdlWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace frametest {

// One received event, as "mouseDown 10,20 m0" or "keyDown 97 m2 first".
inline std::string describe(const char* what, window::Event* event, int32_t a, int32_t b)
{
    return std::string(what) + " " + std::to_string(a) + "," + std::to_string(b) + " m"
        + std::to_string(event->modifiers) + " id" + std::to_string(event->id);
}

inline std::string describeKey(const char* what, window::Event* event, int32_t code)
{
    return std::string(what) + " " + std::to_string(code) + " m" + std::to_string(event->modifiers)
        + (event->firstPress ? " first" : "");
}

// Records its mouse and key events; `takesKeys` decides whether key presses stop here.
template <class Base>
class Recording : public Base {
public:
    using Base::Base;
    std::vector<std::string> log;
    bool takesKeys = true;

    bool mouseDown(window::Event* e, int32_t x, int32_t y) override { log.push_back(describe("down", e, x, y)); return true; }
    bool mouseUp(window::Event* e, int32_t x, int32_t y) override { log.push_back(describe("up", e, x, y)); return true; }
    bool mouseMove(window::Event* e, int32_t x, int32_t y) override { log.push_back(describe("move", e, x, y)); return true; }
    bool mouseDrag(window::Event* e, int32_t x, int32_t y) override { log.push_back(describe("drag", e, x, y)); return true; }
    bool keyDown(window::Event* e, int32_t code) override
    {
        log.push_back(describeKey("key", e, code));
        return takesKeys;
    }
    bool keyUp(window::Event* e, int32_t code) override { log.push_back(describeKey("keyUp", e, code)); return true; }
};

using RecordingComponent = Recording<window::Component>;

// A frame that counts the messages it handles, per message number.
class RecordingFrame : public Recording<window::Frame> {
public:
    int32_t exitHooks = 0, destroys = 0, lostDeviceMessages = 0, timerMessages = 0;
    std::vector<int32_t> activations;

    void onExit() override { ++exitHooks; }
    void onDestroy() override { ++destroys; }
    void onActivate(bool active) override
    {
        activations.push_back(active ? 1 : 0);
        Frame::onActivate(active);
    }
    window::MessageResult handleMessage(uint32_t message, window::WParam wParam, window::LParam lParam) override
    {
        if (message == window::MsgLostDevice)
            ++lostDeviceMessages;
        if (message == window::MsgTimer)
            ++timerMessages;
        return Frame::handleMessage(message, wParam, lParam);
    }
    bool isWindowedAllowed() const { return windowedAllowed; }
    void setWindowedAllowed(bool allowed) { windowedAllowed = allowed; }
};

// A frame with a canvas-like child covering it, on SDL's offscreen driver.
class FrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(window::platform::initialise());
    }

    void SetUp() override
    {
        frame = lang::adopt(new RecordingFrame);
        ASSERT_TRUE(frame->create(nullptr, util::RectangleNM(0, 0, 800, 600)));
        canvas = lang::adopt(new RecordingComponent);
        ASSERT_TRUE(canvas->create(frame.get(), util::RectangleNM(0, 0, 800, 600)));
        canvas->requestFocus();
        pump();
        windowId = sdlWindow()->getWindowId();
        windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        pump();
    }

    void TearDown() override
    {
        if (frame->getWindow())
            frame->destroyWindow();
        pump();
    }

    window::sdl::SdlWindow* sdlWindow() { return static_cast<window::sdl::SdlWindow*>(frame->getWindow()); }

    // Handles every waiting message, and the messages those post in turn.
    static void pump()
    {
        for (int round = 0; round < 50 && waitingEvents(); ++round)
            window::platform::pumpMessages(0);
    }

    static bool waitingEvents()
    {
        SDL_PumpEvents();
        return SDL_HasEvents(SDL_FIRSTEVENT, SDL_POLLSENTINEL - 1) || SDL_HasEvents(SDL_USEREVENT, SDL_LASTEVENT);
    }

    // Pumps until `done` holds, waiting for messages at most `limitMs` in all.
    template <class Condition>
    static bool pumpUntil(Condition done, uint32_t limitMs = 5000)
    {
        uint32_t start = SDL_GetTicks();
        while (!done()) {
            if (SDL_GetTicks() - start > limitMs)
                return false;
            window::platform::pumpMessages(20);
        }
        return true;
    }

    void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }

    void windowEvent(uint8_t kind, int32_t data1 = 0, int32_t data2 = 0)
    {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = windowId;
        event.window.event = kind;
        event.window.data1 = data1;
        event.window.data2 = data2;
        push(event);
    }

    void key(bool down, SDL_Keycode sym, uint16_t modifiers = 0, bool repeat = false)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = windowId;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat ? 1 : 0;
        event.key.keysym.sym = sym;
        event.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
        event.key.keysym.mod = modifiers;
        push(event);
    }

    void text(const char* utf8)
    {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = windowId;
        SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
        push(event);
    }

    void motion(int32_t x, int32_t y, uint32_t buttons = 0)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = windowId;
        event.motion.x = x;
        event.motion.y = y;
        event.motion.state = buttons;
        push(event);
    }

    void button(bool down, uint8_t which, int32_t x, int32_t y)
    {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = windowId;
        event.button.button = which;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        push(event);
    }

    lang::Ref<RecordingFrame> frame;
    lang::Ref<RecordingComponent> canvas;
    uint32_t windowId = 0;
};

} // namespace frametest
