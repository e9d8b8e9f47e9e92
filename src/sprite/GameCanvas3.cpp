#include "sprite/GameCanvas3.h"

#include "io/ByteArrayInputStream.h"
#include "io/FileInputStream.h"
#include "lang/Debug.h"
#include "lang/Exception.h"
#include "lang/SyncGuard.h"
#include "lang/Thread.h"
#include "sprite/DataLoader.h"
#include "sprite/detail/TableScanner.h"
#include "sprite/User.h"
#include "util/OwningArray.h"
#include "window/audio/AudioClip.h"
#include "window/Cursor.h"
#include "window/Event.h"
#include "window/Frame.h"
#include "window/raster/Graphics.h"

#include <cstring>

namespace sprite {

std::atomic<bool> GameCanvas3::debugMode{false};

GameCanvas3::GameCanvas3()
    : listA(lang::adopt<lang::StringArray>(new OwningStringArray)),
      listB(lang::adopt<lang::StringArray>(new OwningStringArray)),
      strings(lang::adopt<lang::StringArray>(new OwningStringArray)),
      data(lang::adopt(new lang::IntArray)),
      sounds(lang::adopt<lang::ObjectArray>(new OwningObjectArray)),
      spriteList(*this),
      input(*this, spriteList, [this] { dispatchEvent(); }),
      renderLoop(
          *this, FramePeriodMs, [this] { frameStep(); }, [this] { return paintFrame(); })
{
}

GameCanvas3::~GameCanvas3()
{
    shutdown();
}

// --- the virtual operations

void GameCanvas3::setup(const lang::String& directory, User* settings, const lang::String& tableName, int32_t)
{
    baseDir = directory;
    resolver = lang::retain(settings);
    dataFile = tableName;
}

bool GameCanvas3::loadData()
{
    lang::Ref<DataLoader> loader = lang::adopt(new DataLoader(baseDir, this, resolver.get()));
    loadTotal = loader->countItems(dataFile);
    if (!loader->load(dataFile))
        return false;
    {
        SyncGuard guard(this);
        strings = lang::retain(loader->getStrings());
        data = lang::retain(loader->getData());
        sounds = lang::retain(loader->getSounds());
        spriteList.takeOver(loader->getSpriteList(), loader->getSpritesByName());
    }
    while (!loaderGate)
        lang::Thread::sleep(1);
    dataLoaded(loader.get());
    return true;
}

SpriteBase* GameCanvas3::createSprite(const lang::String&, lang::IntArray*, window::ImageArray*, DataLoader*)
{
    return nullptr;
}

void GameCanvas3::loadLists(const lang::String& name)
{
    ready = false;
    try {
        lang::Ref<io::InputStream> stream;
        if (name.startsWith("+"))
            stream = lang::adopt<io::InputStream>(new io::ByteArrayInputStream(name));
        else
            stream = lang::adopt<io::InputStream>(new io::FileInputStream(baseDir, name));
        TableScanner in(stream.get());
        lang::Ref<lang::StringArray> firstList = readCountedTexts(in);
        lang::Ref<lang::StringArray> secondList = readCountedTexts(in);
        lang::Ref<lang::IntArray> numbers = readCountedNumbers(in);
        lang::Ref<lang::StringArray> texts = readCountedTexts(in);
        SyncGuard guard(this);
        listA = firstList;
        listB = secondList;
        data = numbers;
        strings = texts;
    } catch (lang::Exception* exception) {
        lang::debugOutput((exception->getMessage() + "\n").c_str());
        exception->release();
    }
}

void GameCanvas3::dataLoaded(DataLoader*)
{
    repaintAll = true;
    ready = true;
}

void GameCanvas3::listsLoaded(lang::ObjectArray* newSounds)
{
    SyncGuard guard(this);
    sounds = lang::retain(newSounds);
    listA = lang::adopt<lang::StringArray>(new OwningStringArray);
    listB = lang::adopt<lang::StringArray>(new OwningStringArray(listB->length()));
    repaintAll = true;
    ready = true;
}

lang::StringArray* GameCanvas3::getListB()
{
    return listB.get();
}

lang::StringArray* GameCanvas3::getListA()
{
    return listA.get();
}

bool GameCanvas3::beforeLoading()
{
    return true;
}

void GameCanvas3::start()
{
    SyncGuard guard(this);
    input.start();
    renderLoop.start();
    repaintAll = true;
}

void GameCanvas3::windowDeactivated() {}

void GameCanvas3::stop()
{
    lang::Ref<LoopThread> inputThread;
    lang::Ref<LoopThread> renderThread;
    {
        SyncGuard guard(this);
        input.requestStop();
        renderLoop.requestStop();
        inputThread = input.takeThread();
        renderThread = renderLoop.takeThread();
        for (int32_t i = 0; i < getSoundCount(); ++i)
            stopSound(getSound(i));
    }
    input.wake();
    if (inputThread)
        inputThread->joinUnlessCurrent();
    if (renderThread)
        renderThread->joinUnlessCurrent();
}

void GameCanvas3::quit()
{
    if (window::Frame* frame = getFrame())
        frame->exit();
}

void GameCanvas3::shutdown()
{
    stop();
    lang::Ref<lang::ObjectArray> clips;
    {
        SyncGuard guard(this);
        clips = sounds;
    }
    for (int32_t i = 0; clips && i < clips->length(); ++i) {
        if (auto* clip = static_cast<window::AudioClip*>((*clips)[i]))
            clip->stop();
    }
}

void GameCanvas3::windowActivated() {}

void GameCanvas3::frameStep()
{
    SyncGuard guard(this);
    if (!actionsFrozen && !scheduledActions.isEmpty()) {
        scheduledActions.fireDue(frameNo, [this](FrameNotify& due) {
            if (due.target)
                due.target->onAction(due.source.get(), due.name);
            else
                onAction(due.source.get(), due.name);
        });
    }
    if (spriteList.update(frameNo, size.width, size.height))
        repaintAll = true;
    fades.update();
    ++frameNo;
}

void GameCanvas3::scheduleAction(int32_t delay, const lang::String& name, int32_t flags, lang::Object* source,
    SpriteBase* target)
{
    scheduledActions.schedule(delay, name, flags, source, target, frameNo, FramePeriodMs);
}

void GameCanvas3::setActionsFrozen(bool on)
{
    actionsFrozen = on;
}

void GameCanvas3::setSoundOn(bool on)
{
    fades.setSoundOn(on);
    if (on)
        return;
    for (int32_t i = 0; i < getSoundCount(); ++i)
        stopSound(getSound(i));
}

void GameCanvas3::playSound(window::AudioClip* clip)
{
    fades.play(clip);
}

void GameCanvas3::loopSound(window::AudioClip* clip)
{
    fades.loop(clip);
}

void GameCanvas3::stopSound(window::AudioClip* clip)
{
    fades.stop(clip);
}

void GameCanvas3::slideSound(window::AudioClip* clip, float targetScale, int32_t frames)
{
    fades.slide(clip, targetScale, frames);
}

void GameCanvas3::fadeSound(window::AudioClip* clip, int32_t target, int32_t frames, int32_t stopAtEnd)
{
    fades.fade(clip, target, frames, stopAtEnd);
}

void GameCanvas3::onAction(lang::Object*, const lang::String& name)
{
    if (name.isEmpty())
        return;
    if (name.equals("handCursor")) {
        setCursor(window::Cursor::getProgramCursor(window::Cursor::Hand));
        return;
    }
    if (name.equals("normalCursor")) {
        setCursor(window::Cursor::getArrow());
        return;
    }
    if (name.equals("openHandCursor")) {
        setCursor(window::Cursor::getProgramCursor(window::Cursor::OpenHand));
        return;
    }
    SyncGuard guard(this);
    input.offerToDialogs(name);
}

void GameCanvas3::dispatchEvent()
{
    lang::Ref<window::Event> event = lang::retain(input.getCurrentEvent());
    if (!event)
        return;
    // The sprites answering input are those the render thread updates and paints.
    SyncGuard guard(this);
    lang::Ref<lang::Object> source;
    lang::String name;
    bool isAction = false;
    switch (event->id) {
    case window::Event::MouseDown:
        isAction = onMousePressed(event.get(), source, name);
        break;
    case window::Event::MouseMove:
    case window::Event::MouseDrag:
        isAction = onMouseMoved(event.get(), source, name);
        break;
    case window::Event::MouseUp:
        isAction = onMouseReleased(event.get(), source, name);
        break;
    case window::Event::KeyDown:
        isAction = !handleDebugKey(event.get()) && onKey(event.get(), source, name);
        break;
    case window::Event::KeyUp:
        isAction = onOtherEvent(event.get(), source, name);
        break;
    case window::Event::Action:
        handleEvent(event.get());
        return;
    default:
        return;
    }
    if (isAction)
        onAction(source.get(), name);
}

bool GameCanvas3::onMousePressed(
    window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    return input.mousePressed(event, outSource, outName);
}

bool GameCanvas3::onMouseReleased(
    window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    return input.mouseReleased(event, outSource, outName);
}

bool GameCanvas3::onMouseMoved(
    window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    return input.mouseMoved(event, outSource, outName);
}

bool GameCanvas3::onOtherEvent(window::Event*, lang::Ref<lang::Object>&, lang::String&)
{
    return false;
}

bool GameCanvas3::onKey(window::Event* event, lang::Ref<lang::Object>& outSource, lang::String& outName)
{
    return input.key(event, outSource, outName);
}

void GameCanvas3::paintAll()
{
    SyncGuard guard(this);
    repaintAll = false;
    if (!spriteList.isLoaded() || isExiting())
        return;
    lang::Ref<window::Graphics> target = lang::adopt(getGraphics());
    if (!target)
        return;
    lang::Ref<window::Graphics> frameGraphics = lang::adopt(target->create());
    if (!frameGraphics)
        return;
    spriteList.paint(frameGraphics.get());
    // The outermost dispose presents the finished picture.
    frameGraphics->dispose();
    ++paintCount;
}

void GameCanvas3::endTransition() {}

void GameCanvas3::saveOnExit() {}

// --- sprites and tables

SpriteBase* GameCanvas3::getSprite(const lang::String& name)
{
    return spriteList.byName(name);
}

SpriteBase* GameCanvas3::getSpriteAt(int32_t index)
{
    return spriteList.at(index);
}

int32_t GameCanvas3::getSpriteCount()
{
    return spriteList.count();
}

void GameCanvas3::addSprite(SpriteBase* sprite)
{
    if (!sprite)
        return;
    SyncGuard guard(this);
    spriteList.add(sprite);
    repaintAll = true;
}

void GameCanvas3::removeSprite(SpriteBase* sprite)
{
    spriteList.remove(sprite);
}

lang::String GameCanvas3::getText(int32_t index)
{
    SyncGuard guard(this);
    if (!strings || index < 0 || index >= strings->length() || !strings->at(index))
        return lang::String();
    return *strings->at(index);
}

int32_t GameCanvas3::getNumber(int32_t index)
{
    SyncGuard guard(this);
    if (!data || index < 0 || index >= data->length())
        return 0;
    return (*data)[index];
}

window::AudioClip* GameCanvas3::getSound(int32_t index)
{
    SyncGuard guard(this);
    if (!sounds || index < 0 || index >= sounds->length())
        return nullptr;
    return static_cast<window::AudioClip*>((*sounds)[index]);
}

int32_t GameCanvas3::getSoundCount()
{
    SyncGuard guard(this);
    return sounds ? sounds->length() : 0;
}

// --- input, threads and painting

bool GameCanvas3::enqueueEvent(window::Event* event)
{
    return input.enqueue(event);
}

bool GameCanvas3::paintFrame()
{
    window::Frame* frame = getFrame();
    if (!frame || frame->isPaintingSuspended())
        return false;
    SyncGuard guard(this);
    SyncGuard display(getDisplayLock());
    if (repaintAll)
        paintAll();
    return true;
}

bool GameCanvas3::mouseDown(window::Event* event, int32_t, int32_t)
{
    enqueueEvent(event);
    return true;
}

bool GameCanvas3::mouseUp(window::Event* event, int32_t, int32_t)
{
    enqueueEvent(event);
    return true;
}

bool GameCanvas3::mouseMove(window::Event* event, int32_t, int32_t)
{
    enqueueEvent(event);
    return true;
}

bool GameCanvas3::mouseDrag(window::Event* event, int32_t, int32_t)
{
    enqueueEvent(event);
    return true;
}

bool GameCanvas3::keyDown(window::Event* event, int32_t)
{
    enqueueEvent(event);
    // The frame sees the key too: Escape leaves full screen there.
    return false;
}

bool GameCanvas3::keyUp(window::Event* event, int32_t)
{
    enqueueEvent(event);
    return true;
}

bool GameCanvas3::handleEvent(window::Event* event)
{
    lang::Object* argument = event ? event->getArgument() : nullptr;
    if (!argument || !argument->isInstanceOf("String"))
        return false;
    onAction(event->getSource(), *static_cast<lang::String*>(argument));
    return true;
}

window::Frame* GameCanvas3::getFrame()
{
    for (window::Component* component = getParent(); component; component = component->getParent()) {
        if (auto* frame = dynamic_cast<window::Frame*>(component))
            return frame;
    }
    return nullptr;
}

bool GameCanvas3::handleDebugKey(window::Event* event)
{
    if (!debugMode)
        return false;
    if (event->keyCode == DebugPauseKey) {
        renderLoop.setPaused(!renderLoop.isPaused());
        return true;
    }
    if (renderLoop.isPaused() && (event->keyCode == DebugStepKeyA || event->keyCode == DebugStepKeyB)) {
        frameStep();
        return true;
    }
    return false;
}

bool GameCanvas3::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "GameCanvas3") == 0 || Component::isInstanceOf(className);
}

} // namespace sprite
