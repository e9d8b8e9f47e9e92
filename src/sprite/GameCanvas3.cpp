#include "sprite/GameCanvas3.h"

#include "io/ByteArrayInputStream.h"
#include "io/FileInputStream.h"
#include "lang/Debug.h"
#include "lang/Exception.h"
#include "lang/ResourceFile.h"
#include "lang/SyncGuard.h"
#include "sprite/DataLoader.h"
#include "sprite/detail/TableScanner.h"
#include "sprite/DialogSprite.h"
#include "sprite/User.h"
#include "util/OwningArray.h"
#include "util/Region.h"
#include "window/audio/AudioClip.h"
#include "window/Cursor.h"
#include "window/Event.h"
#include "window/Frame.h"
#include "window/raster/Graphics.h"

#include <cstring>
#include <vector>

namespace sprite {

std::atomic<bool> GameCanvas3::debugMode{false};

namespace {

// Reads a counted list of texts: a number n, then n tokens (fewer when the list ends early).
lang::Ref<lang::StringArray> readTextList(TableScanner& in)
{
    const TableToken count = in.next();
    std::vector<lang::String> texts;
    for (int32_t i = 0; count.isNumber() && i < count.toInt(); ++i) {
        const TableToken token = in.next();
        if (token.isEnd())
            break;
        texts.push_back(token.text);
    }
    lang::Ref<lang::StringArray> list = lang::adopt<lang::StringArray>(new OwningStringArray(int32_t(texts.size())));
    for (size_t i = 0; i < texts.size(); ++i)
        (*list)[int32_t(i)] = new lang::String(texts[i]);
    return list;
}

lang::Ref<lang::IntArray> readNumberList(TableScanner& in)
{
    const TableToken count = in.next();
    std::vector<int32_t> numbers;
    for (int32_t i = 0; count.isNumber() && i < count.toInt(); ++i) {
        const TableToken token = in.next();
        if (token.isEnd())
            break;
        numbers.push_back(token.toInt());
    }
    lang::Ref<lang::IntArray> list = lang::adopt(new lang::IntArray(int32_t(numbers.size())));
    for (size_t i = 0; i < numbers.size(); ++i)
        (*list)[int32_t(i)] = numbers[i];
    return list;
}

} // namespace

GameCanvas3::GameCanvas3()
    : listA(lang::adopt<lang::StringArray>(new OwningStringArray)),
      listB(lang::adopt<lang::StringArray>(new OwningStringArray)),
      strings(lang::adopt<lang::StringArray>(new OwningStringArray)),
      data(lang::adopt(new lang::IntArray)),
      sounds(lang::adopt<lang::ObjectArray>(new OwningObjectArray)),
      clock(lang::retain(FrameClock::forNewCanvases()))
{
}

GameCanvas3::~GameCanvas3()
{
    shutdown();
}

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
        sprites = lang::retain(loader->getSpriteList());
        spritesByName = lang::retain(loader->getSpritesByName());
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
        lang::Ref<lang::StringArray> firstList = readTextList(in);
        lang::Ref<lang::StringArray> secondList = readTextList(in);
        lang::Ref<lang::IntArray> numbers = readNumberList(in);
        lang::Ref<lang::StringArray> texts = readTextList(in);
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
    acceptInput = true;
    if (!inputThread) {
        inputThread = lang::adopt(new InputThread(this));
        inputThread->start();
    }
    if (!renderThread) {
        renderThread = lang::adopt(new RenderThread(this));
        renderThread->start();
    }
    inputBlocked = false;
    repaintAll = true;
}

void GameCanvas3::windowDeactivated() {}

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
    if (lang::Ref<util::Vector> list = sprites) {
        SyncGuard listGuard(*list);
        util::RectangleNM area;
        util::Region region;
        region.add(0, 0, size.width, size.height);
        for (int32_t i = 0; i < list->size(); ++i) {
            lang::Ref<SpriteBase> sprite = lang::retain(static_cast<SpriteBase*>(list->elementAt(i)));
            if (sprite->update(frameNo, area, region))
                repaintAll = true;
        }
        SyncGuard removalGuard(pendingRemovals);
        for (int32_t i = pendingRemovals.size() - 1; i >= 0; --i) {
            list->removeElement(pendingRemovals.elementAt(i));
            pendingRemovals.removeElementAt(i);
        }
    }
    {
        SyncGuard rampGuard(volumeRamps);
        for (int32_t i = volumeRamps.size() - 1; i >= 0; --i) {
            if (!static_cast<window::AudioClip*>(volumeRamps.elementAt(i))->update())
                volumeRamps.removeElementAt(i);
        }
    }
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
    soundOn = on;
    if (on)
        return;
    for (int32_t i = 0; i < getSoundCount(); ++i)
        stopSound(getSound(i));
}

void GameCanvas3::playSound(window::AudioClip* clip)
{
    if (clip && soundOn)
        clip->play();
}

void GameCanvas3::loopSound(window::AudioClip* clip)
{
    if (clip && soundOn)
        clip->loop();
}

void GameCanvas3::stopSound(window::AudioClip* clip)
{
    if (clip)
        clip->stop();
}

void GameCanvas3::slideSound(window::AudioClip* clip, float targetScale, int32_t frames)
{
    if (!clip)
        return;
    clip->slideFrequency(targetScale, frames);
    SyncGuard guard(volumeRamps);
    if (volumeRamps.indexOf(clip) < 0)
        volumeRamps.addElement(clip);
}

void GameCanvas3::fadeSound(window::AudioClip* clip, int32_t target, int32_t frames, int32_t stopAtEnd)
{
    if (!clip)
        return;
    clip->fadeVolume(target, frames, stopAtEnd);
    SyncGuard guard(volumeRamps);
    if (volumeRamps.indexOf(clip) < 0)
        volumeRamps.addElement(clip);
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
    lang::Ref<util::Vector> list = sprites;
    if (!list)
        return;
    SyncGuard listGuard(*list);
    for (int32_t i = list->size() - 1; i >= 0; --i) {
        lang::Ref<SpriteBase> sprite = lang::retain(static_cast<SpriteBase*>(list->elementAt(i)));
        if (!sprite->isVisible() || !sprite->isInstanceOf("DialogSprite"))
            continue;
        const int32_t result = static_cast<DialogSprite*>(sprite.get())->offerAction(name);
        if (result >= DialogSprite::Action && result <= DialogSprite::Swallowed)
            return;
    }
}

void GameCanvas3::paintAll()
{
    SyncGuard guard(this);
    repaintAll = false;
    lang::Ref<util::Vector> list = sprites;
    if (!list || isExiting())
        return;
    lang::Ref<window::Graphics> target = lang::adopt(getGraphics());
    if (!target)
        return;
    lang::Ref<window::Graphics> frameGraphics = lang::adopt(target->create());
    if (!frameGraphics)
        return;
    {
        SyncGuard listGuard(*list);
        for (int32_t i = 0; i < list->size(); ++i) {
            auto* sprite = static_cast<SpriteBase*>(list->elementAt(i));
            if (sprite->isVisible())
                sprite->render(frameGraphics.get());
        }
    }
    // The outermost dispose presents the finished picture.
    frameGraphics->dispose();
    ++paintCount;
}

void GameCanvas3::endTransition() {}

void GameCanvas3::saveOnExit() {}

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

SpriteBase* GameCanvas3::getSprite(const lang::String& name)
{
    SyncGuard guard(this);
    return spritesByName ? static_cast<SpriteBase*>(spritesByName->get(name)) : nullptr;
}

SpriteBase* GameCanvas3::getSpriteAt(int32_t index)
{
    lang::Ref<util::Vector> list;
    {
        SyncGuard guard(this);
        list = sprites;
    }
    if (!list)
        return nullptr;
    SyncGuard listGuard(*list);
    if (index < 0 || index >= list->size())
        return nullptr;
    auto* sprite = static_cast<SpriteBase*>(list->elementAt(index));
    sprite->addRef();
    return sprite;
}

int32_t GameCanvas3::getSpriteCount()
{
    SyncGuard guard(this);
    if (!sprites)
        return 0;
    SyncGuard listGuard(*sprites);
    return sprites->size();
}

void GameCanvas3::addSprite(SpriteBase* sprite)
{
    if (!sprite)
        return;
    SyncGuard guard(this);
    if (!sprites)
        sprites = lang::adopt(new util::Vector);
    SyncGuard listGuard(*sprites);
    sprites->removeElement(sprite);
    sprites->addElement(sprite);
    SyncGuard removalGuard(pendingRemovals);
    pendingRemovals.removeElement(sprite);
    repaintAll = true;
}

void GameCanvas3::removeSprite(SpriteBase* sprite)
{
    if (!sprite)
        return;
    SyncGuard removalGuard(pendingRemovals);
    if (pendingRemovals.indexOf(sprite) < 0)
        pendingRemovals.addElement(sprite);
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

bool GameCanvas3::enqueueEvent(window::Event* event)
{
    if (!event || !acceptInput || inputBlocked)
        return false;
    SyncGuard guard(eventQueue);
    eventQueue.addElement(event);
    eventQueue.notifyAll();
    return true;
}

int32_t GameCanvas3::getQueuedEventCount()
{
    SyncGuard guard(eventQueue);
    return eventQueue.size();
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

void GameCanvas3::setClock(FrameClock* newClock)
{
    clock = lang::retain(newClock ? newClock : FrameClock::steady());
}

window::Frame* GameCanvas3::getFrame()
{
    for (window::Component* component = getParent(); component; component = component->getParent()) {
        if (auto* frame = dynamic_cast<window::Frame*>(component))
            return frame;
    }
    return nullptr;
}

bool GameCanvas3::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "GameCanvas3") == 0 || Component::isInstanceOf(className);
}

} // namespace sprite
