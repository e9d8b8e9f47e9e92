// The game's canvas: the one GameCanvas3 of the run, reachable from everywhere in the game. It
// ties the game's pieces together and owns them: the dialogs found by name (GameDialogs), the
// screen flow (ScreenFlow), the profiles and the current saved game (ProfileStore), the menu
// music (MenuMusic), the table of the buttons it answers (ButtonTable) and the notice of
// failing saves (SaveNotice). Screens that later
// parts of the game bring (shops, calendar, upgrades, story board, Blitz menu) plug in through
// the small interfaces beside ScreenFlow and are found by name; while one is missing from the
// package the canvas logs it and goes on.
//
// Everything here runs under the canvas's monitor: actions and frame steps hold it already;
// the window thread's calls (activation, save on exit) take it.
#pragma once

#include "game/flow/ButtonTable.h"
#include "game/flow/GameDialogs.h"
#include "game/flow/SaveNotice.h"
#include "game/flow/Screen.h"
#include "game/flow/ScreenFlow.h"
#include "game/menus/MenuMusic.h"
#include "game/profiles/ProfileStore.h"
#include "sprite/GameCanvas3.h"

#include <atomic>

class ProfileSave;

class Kipto2Canvas : public sprite::GameCanvas3 {
public:
    // Sound entries of the table that the canvas and the menus play.
    static constexpr int32_t ClickSound = 51;
    static constexpr int32_t StartClickSound = 30;
    static constexpr int32_t MenuLoopSound = 31;
    static constexpr int32_t FinaleSound = 19;
    static constexpr int32_t PageBackSound = 48;
    static constexpr int32_t PageNextSound = 49;
    static constexpr int32_t EffectsSampleSound = 52;
    static constexpr int32_t DayMusicSound = 60;
    static constexpr int32_t BlitzMusicSound = 61;

    // Registers itself as the canvas of the run.
    Kipto2Canvas();
    ~Kipto2Canvas() override;

    // The canvas of the run (not counted), or none.
    static Kipto2Canvas* getInstance();

    // --- screens
    // Switches to the screen: shows and hides the dialogs, opens a shop round, restarts the
    // menu music when coming back from a shop.
    void setScreen(Screen screen);
    Screen getCurrentScreen() const { return flow.getCurrentScreen(); }
    // Sets the screen without switching: a paused round that resumes goes back to ScreenShop.
    void setCurrentScreen(Screen screen) { flow.setCurrentScreen(screen); }
    Screen getPreviousScreen() const { return flow.getPreviousScreen(); }
    // The shop round hands back: the progress is recorded and saved, and the next screen
    // follows unless the player left through the mini menu (then the caller switches).
    void leaveShop(bool leftByMenu);
    // The shop (1 to 12; 13 the upgrade screen, 14 the own shop decorating) and day (0 Blitz,
    // 1 to 5, 7 the final celebration) that the next round opens.
    int32_t getSelectedShop() const { return flow.getSelectedShop(); }
    int32_t getSelectedDay() const { return flow.getSelectedDay(); }
    void setSelectedShop(int32_t shop) { flow.setSelectedShop(shop); }
    void setSelectedDay(int32_t day) { flow.setSelectedDay(day); }
    // The shop dialog of the open round (not counted), or none.
    sprite::DialogSprite* getCurrentShop() const { return flow.getCurrentShop(); }

    // --- the profile and its saved game
    // The current record (not counted; replaced whenever a profile is chosen).
    ProfileSave* getSave() const { return profiles->getSave(); }
    const lang::String& getProfileName() const { return profiles->getCurrentName(); }
    // Reads the stored record of the current profile; false when none is stored.
    bool loadProfileSave();
    // Writes the record; nothing while no profile is current.
    void saveProfileSave();
    // Greets the profile in the main menu and shows it.
    void welcomeProfile();
    ProfileStore& getProfiles() { return *profiles; }
    // The settings store that holds the profiles and their records (not counted).
    sprite::User* getProfileStore() const { return profiles->getStore(); }

    // --- pieces
    GameDialogs& getDialogs() { return dialogs; }
    MenuMusic& getMenuMusic() { return music; }
    ButtonTable& getButtons() { return buttons; }

    // --- sounds of the table, by entry
    void playSoundEntry(int32_t entry);
    void loopSoundEntry(int32_t entry);
    void stopSoundEntry(int32_t entry);
    // Fades the entry's volume to the target over the frames; with stopAtEnd it then stops.
    void fadeSoundEntry(int32_t entry, int32_t target, int32_t frames, bool stopAtEnd);
    // Starts the entry looping from silence (unless it plays) and fades it to the effects
    // volume over the frames.
    void fadeInSoundEntry(int32_t entry, int32_t frames);
    // Plays the entry once at `factor` times its own pitch.
    void playSoundEntryAtPitch(int32_t entry, float factor);

    // --- settings ("VOLUMEMUSIC" 128 and "VOLUMEFX" 255 unless set)
    int32_t getMusicVolume();
    int32_t getEffectsVolume();

    // --- overrides of the engine's canvas
    // Without a data-file name the top-level table is the package text "REGISTRYNAME" + ".dat".
    void setup(const lang::String& baseDir, sprite::User* resolver, const lang::String& dataFile,
        int32_t option) override;
    // The effects volume and the intro music, before the tables load.
    bool beforeLoading() override;
    // The set-up after loading, then the profile start.
    void dataLoaded(sprite::DataLoader* loader) override;
    // The menu music, a lost focus and failing saves, then the engine's step.
    void frameStep() override;
    void windowDeactivated() override;
    void windowActivated() override;
    // The button table first; names it does not know go to the engine.
    void onAction(lang::Object* source, const lang::String& name) override;
    // Writes the record when the program ends normally.
    void saveOnExit() override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Kipto2Canvas"; }

protected:
    // Fills the button table (Kipto2CanvasButtons.cpp).
    void registerButtons();
    // After loading: the first profile's prompt, or the last profile greeted.
    void startProfile();
    // Makes the profile current, reads or writes its record, remembers it and greets it.
    void chooseProfile(const lang::String& name);
    // Shows the name prompt; `another` for a further profile.
    void showProfilePrompt(bool another);
    // Ends the open round as left and hides the mini menu: the common part of the mini
    // menu's ways out.
    void leaveRoundByMenu();
    // The window's focus, handled on the frame after it changed: a round pauses, the menu
    // music fades out and back in.
    void handleFocusLost();
    void handleFocusRegained();
    // Tells the player through the save notice when the settings, or the second store that
    // holds the profiles, stop taking saves.
    void watchSaves();
    void openWebPage(const char* textName);
    void closeOptions();
    window::AudioClip* soundEntry(int32_t entry);

    GameDialogs dialogs;
    ScreenFlow flow;
    lang::Ref<ProfileStore> profiles;
    MenuMusic music;
    ButtonTable buttons;
    SaveNotice saveNotice;
    enum FocusChange : int32_t { FocusUnchanged, FocusLost, FocusRegained };
    std::atomic<int32_t> focusChange{FocusUnchanged};
};
