// The game canvas: scheduled actions, the frame step, input dispatch with dialogs and buttons,
// the event queue, loading the top-level table and the canvas's threads on a virtual clock.
#include "canvas_testing.h"
#include "lang/SyncGuard.h"
#include "sprite/ButtonSprite.h"
#include "sprite/DialogSprite.h"
#include "sprite/RectButtonSprite.h"
#include "sprite_test_support.h"
#include "window/audio/AudioClip.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using sprite::ActionSchedule;
using sprite::ButtonMixin;
using sprite::DialogSprite;
using sprite::GameCanvas3;
using sprite::SpriteBase;
using spritetest::RecordingCanvas;

namespace {

// A sprite that records the scheduled actions it receives.
class ActionTarget : public sprite::BoundsSprite {
public:
    void onAction(lang::Object*, const lang::String& name) override { received.push_back(name.c_str()); }
    std::vector<std::string> received;
};

lang::Ref<RecordingCanvas> newCanvas()
{
    lang::Ref<RecordingCanvas> canvas = lang::adopt(new RecordingCanvas);
    return canvas;
}

void steps(GameCanvas3& canvas, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
        canvas.frameStep();
}

lang::Ref<sprite::RectButtonSprite> button(const char* name, int32_t left, int32_t top, bool fireOnRelease = false)
{
    lang::Ref<sprite::RectButtonSprite> made = lang::adopt(new sprite::RectButtonSprite(left, top, 20, 20));
    made->setName(name);
    made->setEnabled(true);
    made->setFireOnRelease(fireOnRelease);
    return made;
}

// A dialog that closes on its "x" button.
class ClosingDialog : public DialogSprite {
public:
    using DialogSprite::DialogSprite;
    int32_t onButton(const lang::String& name, lang::String&) override { return name.equals("x") ? Closed : NotHandled; }
    int32_t offerAction(const lang::String& name) override
    {
        offered.push_back(name.c_str());
        return name.equals(taken.c_str()) ? Swallowed : NotHandled;
    }
    std::vector<std::string> offered;
    std::string taken;
};

} // namespace

TEST(CanvasSchedule, ADelayInSecondsFiresAfterThatManyFrames)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    canvas->scheduleAction(2, "later", ActionSchedule::InSeconds, nullptr, nullptr);
    steps(*canvas, 49);
    EXPECT_TRUE(canvas->actions.empty());
    canvas->frameStep();
    ASSERT_EQ(canvas->actions, std::vector<std::string>{"later"});
    EXPECT_EQ(canvas->sources[0], nullptr);
    steps(*canvas, 60);
    EXPECT_EQ(canvas->actions.size(), 1u);
    EXPECT_TRUE(canvas->getSchedule().isEmpty());
}

TEST(CanvasSchedule, ReplaceKeepsOneEntryAndCancelRemovesAll)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    canvas->scheduleAction(5, "tick", 0, nullptr, nullptr);
    canvas->scheduleAction(8, "TICK", ActionSchedule::Replace, nullptr, nullptr);
    EXPECT_EQ(canvas->getSchedule().size(), 1);
    steps(*canvas, 7);
    EXPECT_TRUE(canvas->actions.empty()) << "the replaced entry counts from 8";
    canvas->frameStep();
    EXPECT_EQ(canvas->actions, std::vector<std::string>{"TICK"});

    canvas->scheduleAction(3, "gone", 0, nullptr, nullptr);
    canvas->scheduleAction(4, "Gone", 0, nullptr, nullptr);
    canvas->scheduleAction(4, "kept", 0, nullptr, nullptr);
    canvas->scheduleAction(0, "GONE", ActionSchedule::Cancel, nullptr, nullptr);
    EXPECT_EQ(canvas->getSchedule().size(), 1);
    steps(*canvas, 5);
    EXPECT_EQ(canvas->actions, (std::vector<std::string>{"TICK", "kept"}));
}

TEST(CanvasSchedule, MatchingBySourceAndTarget)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<ActionTarget> first = lang::adopt(new ActionTarget);
    lang::Ref<ActionTarget> second = lang::adopt(new ActionTarget);
    canvas->scheduleAction(2, "hit", 0, nullptr, first.get());
    canvas->scheduleAction(2, "hit", 0, nullptr, second.get());
    canvas->scheduleAction(0, "hit", ActionSchedule::Cancel | ActionSchedule::MatchSourceAndTarget, nullptr, first.get());
    steps(*canvas, 2);
    EXPECT_TRUE(first->received.empty());
    EXPECT_EQ(second->received, std::vector<std::string>{"hit"});
    EXPECT_TRUE(canvas->actions.empty()) << "a target takes the action instead of the canvas";

    canvas->scheduleAction(3, "move", 0, nullptr, first.get());
    canvas->scheduleAction(9, "move", ActionSchedule::Replace | ActionSchedule::MatchSourceAndTarget, nullptr, second.get());
    EXPECT_EQ(canvas->getSchedule().size(), 2) << "another target is another entry";
}

TEST(CanvasSchedule, RepeatingActionFiresEveryPeriodUntilCancelled)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    steps(*canvas, 3);
    canvas->scheduleAction(10, "beat", ActionSchedule::Repeat, nullptr, nullptr);
    std::vector<int32_t> firedAt;
    for (int32_t i = 0; i < 45; ++i) {
        const size_t before = canvas->actions.size();
        const int32_t frame = canvas->getFrameNo();
        canvas->frameStep();
        if (canvas->actions.size() != before)
            firedAt.push_back(frame);
    }
    ASSERT_EQ(firedAt.size(), 4u);
    EXPECT_EQ(firedAt[1] - firedAt[0], 10);
    EXPECT_EQ(firedAt[3] - firedAt[2], 10);
    EXPECT_EQ(firedAt[0], 12);
    canvas->scheduleAction(0, "beat", ActionSchedule::Cancel, nullptr, nullptr);
    steps(*canvas, 30);
    EXPECT_EQ(canvas->actions.size(), 4u);
    // A repeat with no period is every frame rather than a division by zero.
    canvas->scheduleAction(0, "every", ActionSchedule::Repeat, nullptr, nullptr);
    steps(*canvas, 3);
    EXPECT_EQ(canvas->actions.size(), 7u);
}

TEST(CanvasSchedule, FrozenActionsWait)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    canvas->scheduleAction(1, "soon", 0, nullptr, nullptr);
    canvas->setActionsFrozen(true);
    steps(*canvas, 5);
    EXPECT_TRUE(canvas->actions.empty());
    canvas->setActionsFrozen(false);
    canvas->frameStep();
    EXPECT_EQ(canvas->actions.size(), 1u);
}

TEST(CanvasFrameStep, SpritesUpdateAndLeaveAtTheEndOfTheStep)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::BoundsSprite> mover = lang::adopt(new sprite::BoundsSprite(0, 0, 4, 4));
    lang::Ref<sprite::BoundsSprite> leaving = lang::adopt(new sprite::BoundsSprite(0, 0, 4, 4));
    canvas->addSprite(mover.get());
    canvas->addSprite(leaving.get());
    canvas->frameStep();
    EXPECT_EQ(canvas->getFrameNo(), 1);
    canvas->paintAll(); // clears the repaint flag (nothing to paint on)
    EXPECT_FALSE(canvas->isRepaintAll());
    mover->moveTo(10, 0, 2);
    canvas->removeSprite(leaving.get());
    EXPECT_EQ(canvas->getSpriteCount(), 2);
    canvas->frameStep();
    EXPECT_TRUE(canvas->isRepaintAll());
    EXPECT_EQ(canvas->getSpriteCount(), 1);
    EXPECT_EQ(canvas->pendingRemovalCount(), 0);
    lang::Ref<SpriteBase> left = lang::adopt(canvas->getSpriteAt(0));
    EXPECT_EQ(left.get(), mover.get());
    EXPECT_EQ(canvas->getSpriteAt(5), nullptr);
}

TEST(CanvasFrameStep, VolumeRampsEndWithTheirFades)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<window::AudioClip> clip = lang::adopt(new window::AudioClip);
    canvas->fadeSound(clip.get(), 0, 3, 0);
    canvas->fadeSound(clip.get(), 0, 3, 0);
    EXPECT_EQ(canvas->rampCount(), 1);
    canvas->frameStep();
    canvas->frameStep();
    EXPECT_EQ(canvas->rampCount(), 1);
    canvas->frameStep();
    EXPECT_EQ(canvas->rampCount(), 0);
    canvas->fadeSound(nullptr, 0, 3, 0);
    EXPECT_EQ(canvas->rampCount(), 0);
}

TEST(CanvasInput, AClickThatMissesEverythingIsNoAction)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::RectButtonSprite> play = button("play", 100, 100);
    canvas->addSprite(play.get());
    canvas->dispatchMouse(window::Event::MouseDown, 10, 10);
    canvas->dispatchMouse(window::Event::MouseUp, 10, 10);
    EXPECT_TRUE(canvas->actions.empty());
    canvas->dispatchMouse(window::Event::MouseDown, 105, 105);
    EXPECT_EQ(canvas->actions, std::vector<std::string>{"play"});
    EXPECT_EQ(canvas->sources[0], play.get());
}

TEST(CanvasInput, FireOnReleaseNeedsTheReleaseOverTheButton)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::RectButtonSprite> go = button("go", 100, 100, true);
    canvas->addSprite(go.get());
    canvas->dispatchMouse(window::Event::MouseDown, 105, 105);
    EXPECT_TRUE(canvas->actions.empty());
    EXPECT_EQ(go->getState(), ButtonMixin::Pressed);
    canvas->dispatchMouse(window::Event::MouseUp, 300, 300);
    EXPECT_TRUE(canvas->actions.empty());
    EXPECT_EQ(go->getState(), ButtonMixin::Normal);
    canvas->dispatchMouse(window::Event::MouseDown, 105, 105);
    canvas->dispatchMouse(window::Event::MouseUp, 110, 110);
    EXPECT_EQ(canvas->actions, std::vector<std::string>{"go"});
}

TEST(CanvasInput, DialogsTakeClicksFromTheTopAndModalOnesStopTheSearch)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::RectButtonSprite> under = button("under", 10, 10);
    lang::Ref<ClosingDialog> dialog = lang::adopt(new ClosingDialog(200, 200, 100, 100));
    lang::Ref<sprite::RectButtonSprite> x = button("x", 0, 0);
    lang::Ref<sprite::RectButtonSprite> ok = button("ok", 50, 0);
    dialog->addNamed("x", x.get());
    dialog->addNamed("ok", ok.get());
    canvas->addSprite(under.get());
    canvas->addSprite(dialog.get());

    canvas->dispatchMouse(window::Event::MouseDown, 255, 205);
    canvas->dispatchMouse(window::Event::MouseDown, 205, 205);
    canvas->dispatchMouse(window::Event::MouseDown, 15, 15);
    EXPECT_EQ(canvas->actions, (std::vector<std::string>{"ok", "CLOSED", "under"}));
    EXPECT_EQ(canvas->sources[0], dialog.get());
    EXPECT_EQ(canvas->sources[1], dialog.get());

    dialog->setModal(true);
    canvas->actions.clear();
    canvas->dispatchMouse(window::Event::MouseDown, 15, 15);
    canvas->dispatchMouse(window::Event::MouseUp, 15, 15);
    EXPECT_TRUE(canvas->plainActions().empty()) << "the modal dialog swallows the click";

    dialog->setVisible(false);
    canvas->dispatchMouse(window::Event::MouseDown, 15, 15);
    EXPECT_EQ(canvas->plainActions(), std::vector<std::string>{"under"});
}

TEST(CanvasInput, ReleasesReachFireOnReleaseButtonsInDialogs)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<ClosingDialog> dialog = lang::adopt(new ClosingDialog(200, 200, 100, 100));
    lang::Ref<sprite::RectButtonSprite> ok = button("ok", 50, 0);
    dialog->addNamed("ok", ok.get());
    dialog->setChildrenFireOnRelease(true);
    canvas->addSprite(dialog.get());
    canvas->dispatchMouse(window::Event::MouseDown, 255, 205);
    EXPECT_TRUE(canvas->plainActions().empty());
    canvas->dispatchMouse(window::Event::MouseUp, 256, 206);
    EXPECT_EQ(canvas->plainActions(), std::vector<std::string>{"ok"});
}

TEST(CanvasInput, TheHandCursorFollowsEnabledButtons)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::RectButtonSprite> play = button("play", 100, 100);
    lang::Ref<sprite::RectButtonSprite> off = button("off", 200, 100);
    off->setEnabled(false);
    canvas->addSprite(play.get());
    canvas->addSprite(off.get());
    canvas->dispatchMouse(window::Event::MouseMove, 105, 105);
    canvas->dispatchMouse(window::Event::MouseMove, 106, 106);
    canvas->dispatchMouse(window::Event::MouseMove, 205, 105);
    canvas->dispatchMouse(window::Event::MouseMove, 5, 5);
    EXPECT_EQ(canvas->actions, (std::vector<std::string>{"handCursor", "normalCursor"}));
    EXPECT_EQ(play->getState(), ButtonMixin::Normal);
}

TEST(CanvasInput, NamedActionsAreOfferedToVisibleDialogsFromTheTop)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<ClosingDialog> lower = lang::adopt(new ClosingDialog(0, 0, 10, 10));
    lang::Ref<ClosingDialog> hidden = lang::adopt(new ClosingDialog(0, 0, 10, 10));
    lang::Ref<ClosingDialog> upper = lang::adopt(new ClosingDialog(0, 0, 10, 10));
    hidden->setVisible(false);
    upper->taken = "mine";
    canvas->addSprite(lower.get());
    canvas->addSprite(hidden.get());
    canvas->addSprite(upper.get());
    canvas->onAction(nullptr, "mine");
    canvas->onAction(nullptr, "open");
    EXPECT_EQ(upper->offered, (std::vector<std::string>{"mine", "open"}));
    EXPECT_EQ(lower->offered, std::vector<std::string>{"open"});
    EXPECT_TRUE(hidden->offered.empty());

    // A named action sent by a sprite to the canvas as its listener.
    lang::Ref<lang::String> text = lang::adopt(new lang::String("arrived"));
    lang::Ref<window::Event> event = lang::adopt(new window::Event(lower.get(), text.get()));
    canvas->dispatch(event.get());
    EXPECT_EQ(canvas->actions.back(), "arrived");
    EXPECT_EQ(canvas->sources.back(), lower.get());
}

TEST(CanvasInput, DebugKeysPauseAndStepWhenDebugIsOn)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    canvas->dispatchKey(GameCanvas3::DebugPauseKey);
    EXPECT_FALSE(canvas->isDebugPaused());
    GameCanvas3::debugMode = true;
    canvas->dispatchKey(GameCanvas3::DebugPauseKey);
    EXPECT_TRUE(canvas->isDebugPaused());
    canvas->dispatchKey(GameCanvas3::DebugStepKeyA);
    canvas->dispatchKey(GameCanvas3::DebugStepKeyB);
    EXPECT_EQ(canvas->getFrameNo(), 2);
    canvas->dispatchKey(GameCanvas3::DebugPauseKey);
    EXPECT_FALSE(canvas->isDebugPaused());
    canvas->dispatchKey(GameCanvas3::DebugStepKeyA);
    EXPECT_EQ(canvas->getFrameNo(), 2);
    GameCanvas3::debugMode = false;
}

TEST(CanvasTables, LoadDataTakesTheTopLevelTableOver)
{
    spritetest::TempFolder folder;
    spritetest::PackageScope package(folder,
        {{"top", "<strings> first second <data> 7 8 9 <sounds> +a.wav <sprites> back BoundsSprite 0 0 800 600 "
                 "Menu DialogSprite:+menu 10 10 100 100"},
            {"menu", "<sprites> inner BoundsSprite 1 1 2 2"}});
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    canvas->setup(lang::String(folder.path.c_str()), nullptr, "+top", -1);
    ASSERT_TRUE(canvas->loadData());
    EXPECT_TRUE(canvas->isReady());
    EXPECT_EQ(canvas->getLoadTotal(), 4);
    EXPECT_EQ(canvas->getLoadProgress(), 4);
    EXPECT_EQ(canvas->getText(1), "second");
    EXPECT_TRUE(canvas->getText(2).isEmpty());
    EXPECT_EQ(canvas->getNumber(2), 9);
    EXPECT_EQ(canvas->getNumber(-1), 0);
    EXPECT_EQ(canvas->getSoundCount(), 1);
    EXPECT_EQ(canvas->getSpriteCount(), 2);
    ASSERT_NE(canvas->getSprite("Menu"), nullptr);
    EXPECT_EQ(static_cast<DialogSprite*>(canvas->getSprite("Menu"))->childCount(), 1);
    EXPECT_EQ(canvas->getSprite("inner"), nullptr);

    lang::Ref<RecordingCanvas> failing = newCanvas();
    failing->setup(lang::String(folder.path.c_str()), nullptr, "+absent", -1);
    EXPECT_FALSE(failing->loadData());
    EXPECT_FALSE(failing->isReady());
}

TEST(CanvasTables, LoadListsReadsFourCountedLists)
{
    spritetest::TempFolder folder;
    spritetest::writeFile(folder.file("lists.txt"), "2 a \"b c\" ; texts\n1 x\n3 4 5 6\n9 only ; the count lies");
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    canvas->setup(lang::String(folder.path.c_str()), nullptr, "", -1);
    canvas->loadLists("lists.txt");
    ASSERT_EQ(canvas->getListA()->length(), 2);
    EXPECT_EQ(*canvas->getListA()->at(1), "b c");
    ASSERT_EQ(canvas->getListB()->length(), 1);
    EXPECT_EQ(*canvas->getListB()->at(0), "x");
    EXPECT_EQ(canvas->getNumber(2), 6);
    EXPECT_EQ(canvas->getText(0), "only");
    EXPECT_TRUE(canvas->getText(1).isEmpty()) << "a list that ends early is as long as what it holds";
    EXPECT_FALSE(canvas->isReady());
}

TEST(CanvasQueue, EventsAreRefusedBeforeStartAndAfterStop)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::VirtualFrameClock> clock = lang::adopt(new sprite::VirtualFrameClock);
    canvas->setClock(clock.get());
    lang::Ref<window::Event> event = lang::adopt(new window::Event(window::Event::KeyUp, 0, 0, 0, 65, 0));
    EXPECT_FALSE(canvas->enqueueEvent(event.get()));
    EXPECT_FALSE(canvas->enqueueEvent(nullptr));
    canvas->start();
    EXPECT_TRUE(canvas->isRunning());
    EXPECT_TRUE(canvas->enqueueEvent(event.get()));
    canvas->stop();
    EXPECT_FALSE(canvas->isRunning());
    EXPECT_FALSE(canvas->enqueueEvent(event.get()));
    EXPECT_EQ(canvas->getQueuedEventCount(), 0);
}

TEST(CanvasThreads, TheInputThreadDispatchesQueuedClicks)
{
    lang::Ref<RecordingCanvas> canvas = newCanvas();
    lang::Ref<sprite::VirtualFrameClock> clock = lang::adopt(new sprite::VirtualFrameClock);
    canvas->setClock(clock.get());
    lang::Ref<sprite::RectButtonSprite> play = button("play", 0, 0);
    canvas->addSprite(play.get());
    canvas->start();
    lang::Ref<window::Event> press = lang::adopt(new window::Event(window::Event::MouseDown, 5, 5, 0, 0, 0));
    ASSERT_TRUE(canvas->enqueueEvent(press.get()));
    for (int i = 0; i < 5000 && (canvas->getQueuedEventCount() > 0 || canvas->isDispatching()); ++i)
        lang::Thread::sleep(1);
    canvas->stop();
    EXPECT_EQ(canvas->plainActions(), std::vector<std::string>{"play"});
}

namespace {

// Records the times of the render thread's frame steps until the virtual clock reaches a time,
// then asks its render thread to end.
class CountingCanvas : public GameCanvas3 {
public:
    explicit CountingCanvas(sprite::VirtualFrameClock& clock, int64_t until) : clock(clock), until(until) {}

    void frameStep() override
    {
        GameCanvas3::frameStep();
        std::lock_guard<std::mutex> lock(mutex);
        if (clock.now() >= until) {
            renderLoop.requestStop();
            reached = true;
            changed.notify_all();
            return;
        }
        stepTimes.push_back(clock.now());
        if (int32_t(stepTimes.size()) == stallAfterStep)
            clock.advance(stallMs);
    }
    void runUntilReached()
    {
        start();
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [this] { return reached; });
        }
        stop();
    }

    sprite::VirtualFrameClock& clock;
    int64_t until;
    int32_t stallAfterStep = 0;
    int64_t stallMs = 0;
    std::vector<int64_t> stepTimes;
    std::mutex mutex;
    std::condition_variable changed;
    bool reached = false;
};

} // namespace

TEST(CanvasThreads, TheRenderThreadStepsTwentyFiveTimesASecond)
{
    lang::Ref<sprite::VirtualFrameClock> clock = lang::adopt(new sprite::VirtualFrameClock);
    clock->advance(123456);
    lang::Ref<CountingCanvas> canvas = lang::adopt(new CountingCanvas(*clock, 123456 + 10000));
    canvas->setClock(clock.get());
    canvas->runUntilReached();
    // Steps at 0, 40, ..., 9960 ms of the ten seconds.
    EXPECT_EQ(canvas->stepTimes.size(), 250u);
    EXPECT_EQ(canvas->stepTimes[1] - canvas->stepTimes[0], 40);
    EXPECT_EQ(canvas->stepTimes.back() - canvas->stepTimes.front(), 9960);
}

TEST(CanvasThreads, AStallIsNotCaughtUp)
{
    lang::Ref<sprite::VirtualFrameClock> clock = lang::adopt(new sprite::VirtualFrameClock);
    lang::Ref<CountingCanvas> canvas = lang::adopt(new CountingCanvas(*clock, 2000));
    canvas->setClock(clock.get());
    canvas->stallAfterStep = 10;
    canvas->stallMs = 500;
    canvas->runUntilReached();
    // Ten steps at 0..360 ms, then a stall to 860 ms. The backlog is dropped: one step at once,
    // one more for the timer tick that came during the stall, then one per tick of the timer.
    const std::vector<int64_t>& times = canvas->stepTimes;
    ASSERT_GT(times.size(), 14u);
    EXPECT_EQ(times[9], 360);
    EXPECT_EQ(times[10], 860);
    EXPECT_EQ(times[11], 860);
    EXPECT_EQ(times[12], 880);
    EXPECT_EQ(times[13], 920);
    EXPECT_EQ(times.back(), 1960);
    EXPECT_EQ(times.size(), 10u + 2u + 28u) << "about 12 steps of the stall are never made up";
}
