#include "game/Kipto2Canvas.h"

#include "game/flow/GameSettings.h"
#include "game/flow/SpriteHelpers.h"
#include "game/flow/BlitzMenuScreen.h"
#include "game/flow/ShopRound.h"
#include "game/menus/MainMenu.h"
#include "game/menus/OptionsSprite.h"
#include "game/profiles/ProfileInputPrompt.h"
#include "game/profiles/ProfileList.h"
#include "lang/Debug.h"
#include "lang/ResourceFile.h"
#include "lang/SyncGuard.h"
#include "sprite/DataLoader.h"
#include "sprite/User.h"
#include "window/audio/AudioClip.h"
#include "window/Frame.h"

#include <atomic>
#include <cstring>

namespace {

std::atomic<Kipto2Canvas*> instance{nullptr};

// The customer pictures that every customer copies; never shown themselves.
constexpr const char* CustomerTemplates[] = {"thoughtbubble", "money", "custfaces", "itemname"};

} // namespace

Kipto2Canvas::Kipto2Canvas() : flow(*this), profiles(lang::adopt(new ProfileStore)), music(*this)
{
    instance = this;
    registerButtons();
}

Kipto2Canvas::~Kipto2Canvas()
{
    Kipto2Canvas* self = this;
    instance.compare_exchange_strong(self, nullptr);
}

Kipto2Canvas* Kipto2Canvas::getInstance()
{
    return instance;
}

void Kipto2Canvas::setup(const lang::String& baseDir, sprite::User* resolver, const lang::String& dataFile, int32_t option)
{
    GameCanvas3::setup(baseDir, resolver, dataFile, option);
    if (dataFile.isEmpty())
        this->dataFile = lang::ResourceFile::loadText("REGISTRYNAME") + ".dat";
}

bool Kipto2Canvas::beforeLoading()
{
    window::AudioClip::setMasterVolume(getEffectsVolume());
    SyncGuard guard(this);
    music.startIntro(getMusicVolume());
    flow.setCurrentScreen(ScreenIntro);
    return true;
}

void Kipto2Canvas::dataLoaded(sprite::DataLoader* loader)
{
    SyncGuard guard(this);
    dialogs.find(*this);
    saveNotice.find(*this);
    lang::String registryName = lang::ResourceFile::loadText("REGISTRYNAME");
    if (registryName.isEmpty())
        registryName = "Kipto2";
    profiles->open(resolver.get(), registryName);
    if (MainMenu* menu = dialogs.mainMenu(); menu && !GameSettings::showLink(resolver.get()))
        showSprite(menu->getChild("upsellCV"), false);
    for (const char* name : CustomerTemplates)
        showSprite(getSprite(name), false);
    for (sprite::DialogSprite* page : dialogs.modalPages())
        page->setVisible(false);
    profiles->resetSave();
    music.createLoop(getMusicVolume());
    if (OptionsSprite* options = dialogs.options()) {
        options->setStore(resolver.get());
        options->setFrame(getFrame());
        options->setEffectsSample(soundEntry(EffectsSampleSound));
        options->addMusic(music.getLoop());
    }
    if (ProfileList* list = dialogs.profileList())
        list->setUp(profiles.get(), getSprite("message"));
    if (BlitzMenuScreen* blitz = dialogs.blitzMenuScreen())
        blitz->setUp(profiles.get(), resolver.get());
    saveProfileSave();
    startProfile();
    GameCanvas3::dataLoaded(loader);
}

void Kipto2Canvas::startProfile()
{
    const lang::String name = profiles->getLastUsed();
    if (name.isEmpty()) {
        showProfilePrompt(false);
        return;
    }
    chooseProfile(name);
}

void Kipto2Canvas::chooseProfile(const lang::String& typed)
{
    const lang::String stored = profiles->findName(typed);
    const lang::String name = stored.isEmpty() ? typed : stored;
    if (stored.isEmpty())
        profiles->addProfile(name);
    profiles->setLastUsed(name);
    profiles->choose(name);
    if (ProfileList* list = dialogs.profileList())
        list->reloadNames();
    showSprite(dialogs.profileListDialog(), false);
    welcomeProfile();
}

void Kipto2Canvas::showProfilePrompt(bool another)
{
    if (ProfileInputPrompt* prompt = dialogs.profilePrompt())
        prompt->setAddingAnother(another);
    showSprite(dialogs.blackdrop(), true);
    if (sprite::DialogSprite* prompt = dialogs.profilePromptDialog()) {
        addSprite(prompt);
        prompt->setVisible(true);
    }
}

bool Kipto2Canvas::loadProfileSave()
{
    return profiles->loadSave();
}

void Kipto2Canvas::saveProfileSave()
{
    profiles->saveSave();
}

void Kipto2Canvas::welcomeProfile()
{
    if (MainMenu* menu = dialogs.mainMenu()) {
        const lang::String greeting = lang::ResourceFile::loadText("welcomemessage") + " " + getProfileName();
        setSpriteText(menu->getChild("welcomemessage"), greeting);
    }
    flow.setScreen(ScreenMainMenu);
}

void Kipto2Canvas::setScreen(Screen screen)
{
    flow.setScreen(screen);
}

void Kipto2Canvas::leaveShop(bool leftByMenu)
{
    flow.leaveShop(leftByMenu);
}

// --- sounds

window::AudioClip* Kipto2Canvas::soundEntry(int32_t entry)
{
    window::AudioClip* clip = getSound(entry);
    if (!clip)
        lang::debugOutput((lang::String("Kipto2Canvas: no sound entry ") + entry + "\n").c_str());
    return clip;
}

void Kipto2Canvas::playSoundEntry(int32_t entry)
{
    playSound(soundEntry(entry));
}

void Kipto2Canvas::loopSoundEntry(int32_t entry)
{
    loopSound(soundEntry(entry));
}

void Kipto2Canvas::stopSoundEntry(int32_t entry)
{
    stopSound(soundEntry(entry));
}

void Kipto2Canvas::fadeSoundEntry(int32_t entry, int32_t target, int32_t frames, bool stopAtEnd)
{
    fadeSound(soundEntry(entry), target, frames, stopAtEnd ? 1 : 0);
}

void Kipto2Canvas::fadeInSoundEntry(int32_t entry, int32_t frames)
{
    window::AudioClip* clip = soundEntry(entry);
    if (!clip)
        return;
    if (!clip->isPlaying())
        clip->setVolume(0);
    loopSound(clip);
    fadeSound(clip, getEffectsVolume(), frames, 0);
}

void Kipto2Canvas::playSoundEntryAtPitch(int32_t entry, float factor)
{
    window::AudioClip* clip = soundEntry(entry);
    if (!clip)
        return;
    clip->setFrequencyScale(factor);
    playSound(clip);
}

int32_t Kipto2Canvas::getMusicVolume()
{
    return GameSettings::musicVolume(resolver.get());
}

int32_t Kipto2Canvas::getEffectsVolume()
{
    return GameSettings::effectsVolume(resolver.get());
}

// --- the frame and the window

void Kipto2Canvas::frameStep()
{
    SyncGuard guard(this);
    if (music.introJustFinished())
        scheduleAction(1, "startMenuMusic", 0, nullptr, nullptr);
    // The window thread only notes the change; the latest one counts.
    switch (focusChange.exchange(FocusUnchanged)) {
    case FocusLost:
        handleFocusLost();
        break;
    case FocusRegained:
        handleFocusRegained();
        break;
    default:
        break;
    }
    watchSaves();
    GameCanvas3::frameStep();
}

void Kipto2Canvas::watchSaves()
{
    sprite::User* settings = resolver.get();
    sprite::User* profileStore = profiles->getStore();
    int32_t failureRuns = settings ? settings->getWriteFailureRuns() : 0;
    bool failing = settings && settings->isWriteFailing();
    // The profiles may live in a second store beside the game's settings.
    if (profileStore && profileStore != settings) {
        failureRuns += profileStore->getWriteFailureRuns();
        failing = failing || profileStore->isWriteFailing();
    }
    saveNotice.update(*this, failureRuns, failing);
}

void Kipto2Canvas::windowDeactivated()
{
    focusChange = FocusLost;
}

void Kipto2Canvas::windowActivated()
{
    focusChange = FocusRegained;
}

void Kipto2Canvas::handleFocusRegained()
{
    music.release(getMusicVolume(), MenuMusic::FocusFrames, flow.playsMenuMusic());
}

void Kipto2Canvas::handleFocusLost()
{
    if (flow.isRoundOpen()) {
        flow.setScreen(ScreenPause);
        return;
    }
    music.hold(MenuMusic::FocusFrames);
    sprite::DialogSprite* menu = dialogs.mainMenuDialog();
    if (menu && menu->isVisible())
        fadeSoundEntry(MenuLoopSound, 0, MenuMusic::FocusFrames, true);
}

void Kipto2Canvas::onAction(lang::Object* source, const lang::String& name)
{
    SyncGuard guard(this);
    if (const ButtonTable::Entry* entry = buttons.find(name)) {
        if (entry->clicks())
            playSoundEntry(ClickSound);
        entry->handler(source, name);
        return;
    }
    if (name.equals("handCursor") || name.equals("normalCursor")) {
        auto* round = dynamic_cast<ShopRound*>(flow.getCurrentShop());
        if (round && round->holdsPointer())
            return;
    }
    GameCanvas3::onAction(source, name);
}

void Kipto2Canvas::saveOnExit()
{
    SyncGuard guard(this);
    saveProfileSave();
}

bool Kipto2Canvas::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Kipto2Canvas") == 0 || GameCanvas3::isInstanceOf(className);
}
