// The window component the game runs on. It holds the top-level sprites and the tables of the
// package's sprite table (texts, numbers, sounds), runs a render thread that advances the game
// in fixed steps of one frame period (40 ms) and repaints, and an input thread that takes the
// window's events from a queue and turns them, with the dialogs and buttons, into named
// actions. Everything the game does arrives as onAction(source, name).
//
// The canvas's virtual operations are the game's extension points; the work behind them is done
// by the collaborators the canvas owns: the sprite list, the render loop, the input router, the
// action schedule and the sound fades.
//
// Locking: the canvas's monitor is held for a whole frame step, for painting and by the game's
// action handlers; the sprite list, the schedule, the volume ramps and the event queue have
// monitors of their own, always taken after the canvas's.
#pragma once

#include "sprite/ActionSchedule.h"
#include "sprite/FrameClock.h"
#include "sprite/InputRouter.h"
#include "sprite/LoadListener.h"
#include "sprite/RenderLoop.h"
#include "sprite/SoundFades.h"
#include "sprite/SpriteBase.h"
#include "sprite/SpriteList.h"
#include "window/Component.h"
#include "window/Event.h"
#include "window/raster/Graphics.h"

#include <atomic>

namespace window {
class AudioClip;
class Event;
class Frame;
class Graphics;
class ImageArray;
}

namespace sprite {

class DataLoader;
class User;

class GameCanvas3 : public window::Component, public LoadListener {
public:
    using FrameNotify = sprite::FrameNotify;

    // The length of one frame step in milliseconds; all game timing counts these frames.
    static constexpr int32_t FramePeriodMs = 40;
    // Key codes of the debug keys.
    static constexpr int32_t DebugPauseKey = 1112;
    static constexpr int32_t DebugStepKeyA = 1039;
    static constexpr int32_t DebugStepKeyB = 1040;

    // The debug setting of the start-up: enables the debug keys.
    static std::atomic<bool> debugMode;

    GameCanvas3();
    ~GameCanvas3() override;

    // --- the canvas's virtual operations, in their fixed order
    // Where the data is: the directory of disk files, the settings store (gains a reference)
    // and the top-level sprite table. The option is not used here.
    virtual void setup(const lang::String& baseDir, User* resolver, const lang::String& dataFile, int32_t option);
    // Counts and loads the top-level table and takes its results over; on the loading thread.
    virtual bool loadData();
    // The loader asks this first for every sprite entry; none lets the loader make it. The
    // caller releases what it returns.
    virtual SpriteBase* createSprite(const lang::String& classToken, lang::IntArray* numbers,
        window::ImageArray* pictures, DataLoader* loader) override;
    // Reads four counted lists (texts, texts, numbers, texts) into listA, listB, data, strings.
    virtual void loadLists(const lang::String& name);
    virtual void dataLoaded(DataLoader* loader);
    // Takes the sounds over (the canvas holds the array), empties listA and drops the texts of
    // listB.
    virtual void listsLoaded(lang::ObjectArray* newSounds);
    virtual lang::StringArray* getListB();
    virtual lang::StringArray* getListA();
    // Runs on the loading thread before loadData; false stops the start-up.
    virtual bool beforeLoading();
    virtual void start();
    // The frame window was deactivated.
    virtual void windowDeactivated();
    virtual void stop();
    // Asks the frame window to end the program (a normal exit).
    virtual void quit();
    virtual void shutdown();
    // The frame window was activated again.
    virtual void windowActivated();
    virtual void frameStep();
    virtual void scheduleAction(int32_t delay, const lang::String& name, int32_t flags, lang::Object* source,
        SpriteBase* target);
    virtual void setActionsFrozen(bool on);
    virtual void setSoundOn(bool on);
    virtual void playSound(window::AudioClip* clip);
    virtual void loopSound(window::AudioClip* clip);
    virtual void stopSound(window::AudioClip* clip);
    virtual void slideSound(window::AudioClip* clip, float targetScale, int32_t frames);
    virtual void fadeSound(window::AudioClip* clip, int32_t target, int32_t frames, int32_t stopAtEnd);
    virtual void onAction(lang::Object* source, const lang::String& name);
    virtual void dispatchEvent();
    // Input rules: each answers true with a source and a name when the event is an action.
    virtual bool onMousePressed(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    virtual bool onMouseReleased(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    virtual bool onMouseMoved(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    virtual bool onOtherEvent(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    virtual bool onKey(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName);
    virtual void paintAll();
    // A hook for a screen transition.
    virtual void endTransition();
    // The frame window ends the program normally: the game saves what it keeps.
    virtual void saveOnExit();

    // --- sprites and tables
    // The sprite of that name in the top-level table (not counted), or none.
    SpriteBase* getSprite(const lang::String& name);
    // A counted reference to the i-th top-level sprite, or none; the caller releases it.
    SpriteBase* getSpriteAt(int32_t index);
    int32_t getSpriteCount();
    // Appends a sprite to the top of the list.
    void addSprite(SpriteBase* sprite);
    // The sprite leaves the list at the end of the next frame step.
    void removeSprite(SpriteBase* sprite);
    // A text or number of the table by position: empty or 0 outside.
    lang::String getText(int32_t index);
    int32_t getNumber(int32_t index);
    // The sound at that position (not counted), or none.
    window::AudioClip* getSound(int32_t index);
    int32_t getSoundCount();
    User* getResolver() const { return resolver.get(); }
    const lang::String& getBaseDir() const { return baseDir; }
    const lang::String& getDataFile() const { return dataFile; }

    // --- input, threads and painting
    // Queues an event for the input thread; false before start() or after stop().
    bool enqueueEvent(window::Event* event);
    // Paints when the frame window can show it; false while painting is suspended.
    bool paintFrame();
    // Events from the window go to the queue; keys also go on to the frame.
    bool mouseDown(window::Event* event, int32_t x, int32_t y) override;
    bool mouseUp(window::Event* event, int32_t x, int32_t y) override;
    bool mouseMove(window::Event* event, int32_t x, int32_t y) override;
    bool mouseDrag(window::Event* event, int32_t x, int32_t y) override;
    bool keyDown(window::Event* event, int32_t keyCode) override;
    bool keyUp(window::Event* event, int32_t keyCode) override;
    // A named action sent to the canvas as a listener: onAction(source, text).
    bool handleEvent(window::Event* event) override;
    // The clock of the render thread (the real one unless set; set it before start()).
    void setClock(FrameClock* newClock) { renderLoop.setClock(newClock); }
    FrameClock* getClock() const { return renderLoop.getClock(); }
    bool isRunning() const { return renderLoop.isRunning(); }
    // The most that any frame step ran after its time, in milliseconds of the clock.
    int64_t getWorstStepLateness() const { return renderLoop.getWorstLateness(); }

    // --- state read by the start-up and the tests
    int32_t getFrameNo() const { return frameNo; }
    bool isReady() const { return ready; }
    bool isRepaintAll() const { return repaintAll; }
    void setRepaintAll() { repaintAll = true; }
    bool isSoundOn() const { return fades.isSoundOn(); }
    bool isDebugPaused() const { return renderLoop.isPaused(); }
    int32_t getLoadTotal() const { return loadTotal; }
    int32_t getLoadProgress() const { return loadProgress; }
    void addLoadProgress(int32_t count) override { loadProgress += count; }
    // loadData waits while the gate is shut.
    void setLoaderGate(bool open) { loaderGate = open; }
    ActionSchedule& getSchedule() { return scheduledActions; }
    int32_t getQueuedEventCount() { return input.queuedCount(); }
    // True while the input thread works on an event.
    bool isDispatching() const { return input.isDispatching(); }
    // The number of paints done, for the tests and the harness.
    int64_t getPaintCount() const { return paintCount; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "GameCanvas3"; }

protected:
    // The frame window that holds the canvas (not counted), or none.
    window::Frame* getFrame();
    // Resolves a dialog's pending action after a handler's result; answers whether the event
    // became an action.
    bool resolveDialogResult(
        SpriteBase* dialog, int32_t result, lang::Ref<lang::Object>& outSource, lang::String& outName)
    {
        return input.resolveDialogResult(dialog, result, outSource, outName);
    }
    bool handleDebugKey(window::Event* event);

    lang::Ref<lang::StringArray> listA;
    lang::Ref<lang::StringArray> listB;
    lang::Ref<lang::StringArray> strings;
    lang::Ref<User> resolver;
    lang::String baseDir;
    lang::Ref<lang::IntArray> data;
    lang::String dataFile;
    lang::Ref<lang::ObjectArray> sounds;
    std::atomic<int32_t> frameNo{0};
    std::atomic<bool> ready{false};
    std::atomic<bool> actionsFrozen{false};
    std::atomic<bool> repaintAll{false};
    std::atomic<int32_t> loadTotal{0};
    std::atomic<int32_t> loadProgress{0};
    std::atomic<bool> loaderGate{true};
    std::atomic<int64_t> paintCount{0};

    SpriteList spriteList;
    ActionSchedule scheduledActions;
    SoundFades fades;
    InputRouter input;
    RenderLoop renderLoop;
};

} // namespace sprite
