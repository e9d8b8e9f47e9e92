// The canvas's button table: every named button and action that no dialog takes itself, with
// what it does. Entries marked Click play the click sound first.
#include "game/Kipto2Canvas.h"

#include "game/flow/BlitzTimesPanel.h"
#include "game/flow/CalendarScreen.h"
#include "game/flow/GameSettings.h"
#include "game/flow/ShopRound.h"
#include "game/flow/SpriteHelpers.h"
#include "game/flow/StoryBoardScreen.h"
#include "game/menus/MainMenu.h"
#include "game/profiles/ProfileInputPrompt.h"
#include "game/profiles/ProfileList.h"
#include "game/profiles/ProfileName.h"
#include "lang/Debug.h"
#include "lang/ResourceFile.h"
#include "sprite/User.h"
#include "window/Cursor.h"
#include "window/Frame.h"
#include "window/Platform.h"

#include <cstring>

namespace {

constexpr int32_t Click = ButtonTable::Click;
constexpr int32_t Silent = ButtonTable::Silent;

constexpr const char* EnterShopPrefix = "EnterShop";
constexpr const char* DefaultWebPage = "https://www.corvalen.com/kipto2";
// Blitz times worth sending, in tenths of a second, and the score they are sent as.
constexpr int32_t ShortestBlitzTime = 601;
constexpr int32_t BlitzScoreBase = 300000;

void debugLine(const lang::String& text)
{
    lang::debugOutput((text + "\n").c_str());
}

// The shop and day of "EnterShop" followed by the shop, "_" and a one-digit day. Digits only,
// shop 1 to 14, day 0 to 7; false for anything else.
bool parseEnterShop(const lang::String& name, int32_t& shop, int32_t& day)
{
    const lang::String rest = name.substring(int32_t(std::strlen(EnterShopPrefix)));
    const int32_t length = rest.length();
    if (length < 3 || length > 4 || rest.charAt(length - 2) != '_')
        return false;
    auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : -1; };
    day = digit(rest.charAt(length - 1));
    shop = 0;
    for (int32_t i = 0; i < length - 2; ++i) {
        const int32_t d = digit(rest.charAt(i));
        if (d < 0)
            return false;
        shop = shop * 10 + d;
    }
    return shop >= 1 && shop <= 14 && day >= 0 && day <= 7;
}

sprite::DialogSprite* asDialog(lang::Object* source)
{
    auto* sprite = dynamic_cast<sprite::SpriteBase*>(source);
    return sprite && sprite->isInstanceOf("DialogSprite") ? static_cast<sprite::DialogSprite*>(sprite) : nullptr;
}

} // namespace

void Kipto2Canvas::registerButtons()
{
    // --- the main menu
    buttons.add("buttonstart", Silent, [this](lang::Object*, const lang::String&) {
        ProfileSave* save = getSave();
        const bool storyFirst = save && save->storySeen == 0;
        sprite::DialogSprite* next = storyFirst ? dialogs.storyBoard() : dialogs.calendar();
        if (!next) {
            debugLine(lang::String("buttonstart: no ") + (storyFirst ? "StoryBoard" : "Calendar"));
            // The menu stays: shown afresh, its start sign is back at rest.
            showSprite(dialogs.mainMenuDialog(), false);
            showSprite(dialogs.mainMenuDialog(), true);
            return;
        }
        showSprite(dialogs.mainMenuDialog(), false);
        if (!storyFirst) {
            setScreen(ScreenCalendar);
            return;
        }
        save->storySeen = 1;
        if (StoryBoardScreen* story = dialogs.storyBoardScreen())
            story->showFromStart();
        else
            next->setVisible(true);
    });
    buttons.add("bBlitz", Click, [this](lang::Object*, const lang::String&) { setScreen(ScreenBlitzMenu); });
    buttons.add("instructions_btn", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.dim(), true);
        showSprite(dialogs.instructionsDialog(), true);
    });
    buttons.add("options_btn", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.dim(), true);
        showSprite(dialogs.optionsDialog(), true);
        music.pause();
    });
    buttons.add("bOptionsClose", Click, [this](lang::Object*, const lang::String&) { closeOptions(); });
    buttons.add(SaveNotice::CloseButton, Click, [this](lang::Object*, const lang::String&) { saveNotice.close(); });
    buttons.add("upsellCV", Click, [this](lang::Object*, const lang::String&) {
        sprite::DialogSprite* menu = dialogs.mainMenuDialog();
        if (menu && menu->getAlpha() < sprite::SpriteBase::OpaqueAlpha)
            return;
        openWebPage("VISITURL");
    });
    buttons.add("upsellKipto", Click, [this](lang::Object*, const lang::String&) { openWebPage("VISITURL2"); });
    buttons.add("bexit", Click, [this](lang::Object*, const lang::String&) {
        window::Frame* frame = getFrame();
        if (resolver)
            resolver->setInt(GameSettings::FullScreenKey, frame && frame->isFullScreen() ? 1 : 0);
        setCursor(window::Cursor::getWait());
        saveProfileSave();
        quit();
    });
    buttons.add("enableMenu", Silent, [this](lang::Object*, const lang::String&) {
        if (MainMenu* menu = dialogs.mainMenu())
            menu->setMenuEnabled(true);
    });
    buttons.add("startMenuMusic", Silent, [this](lang::Object*, const lang::String&) {
        music.fadeIn(getMusicVolume(), MenuMusic::FirstStartFrames);
    });
    buttons.add("EndGame", Silent, [this](lang::Object*, const lang::String&) { setScreen(ScreenEndGame); });
    buttons.add("OverMenu", Silent, [this](lang::Object*, const lang::String&) { setScreen(ScreenEndGame); });
    buttons.add("CLOSED", Silent, [this](lang::Object*, const lang::String&) { showSprite(dialogs.dim(), false); });
    buttons.add("crossCursor", Silent, [this](lang::Object*, const lang::String&) {
        setCursor(window::Cursor::getCross());
    });

    // --- profiles
    buttons.add("bchangeprofile", Click | ButtonTable::ExactCase, [this](lang::Object*, const lang::String&) {
        if (ProfileList* list = dialogs.profileList())
            list->selectName(getProfileName());
        showSprite(dialogs.blackdrop(), true);
        if (sprite::DialogSprite* list = dialogs.profileListDialog()) {
            addSprite(list);
            list->setVisible(true);
        }
    });
    buttons.add("addfirstprofile", Silent, [this](lang::Object*, const lang::String&) { showProfilePrompt(false); });
    buttons.add("addnewprofile", Click, [this](lang::Object*, const lang::String&) { showProfilePrompt(true); });
    buttons.add("bsubmitprofile", Click, [this](lang::Object*, const lang::String&) {
        ProfileInputPrompt* prompt = dialogs.profilePrompt();
        const lang::String name = prompt ? ProfileName::trim(prompt->getName()) : lang::String();
        if (!ProfileName::isValid(name))
            return;
        showSprite(dialogs.blackdrop(), false);
        showSprite(dialogs.profilePromptDialog(), false);
        chooseProfile(name);
    });
    buttons.add("profilechosen", Click | ButtonTable::Prefix, [this](lang::Object*, const lang::String&) {
        ProfileList* list = dialogs.profileList();
        const lang::String name = list ? list->getSelectedName() : lang::String();
        showSprite(dialogs.blackdrop(), false);
        showSprite(dialogs.profileListDialog(), false);
        if (ProfileName::isValid(name))
            chooseProfile(name);
    });
    buttons.add("bcanceladdprofile", Click, [](lang::Object* source, const lang::String&) {
        showSprite(asDialog(source), false);
    });
    buttons.add("profilecancel", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.blackdrop(), false);
    });
    buttons.add("bnosubmit", Silent, [](lang::Object* source, const lang::String&) {
        showSprite(asDialog(source), false);
    });

    // --- the calendar and the rounds
    buttons.add(EnterShopPrefix, Silent | ButtonTable::Prefix, [this](lang::Object*, const lang::String& name) {
        int32_t shop = 0;
        int32_t day = 0;
        if (!parseEnterShop(name, shop, day)) {
            debugLine("Ignored: " + name);
            return;
        }
        setSelectedShop(shop);
        setSelectedDay(day);
        setScreen(ScreenShop);
    });
    buttons.add("StoryBoardDone", Silent, [this](lang::Object*, const lang::String&) {
        setSelectedShop(ScreenFlow::FirstShop);
        setSelectedDay(1);
        setScreen(ScreenShop);
    });
    buttons.add("menu_button", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.calendar(), false);
        setScreen(ScreenMainMenu);
    });
    buttons.add("SUContinue", Click, [this](lang::Object*, const lang::String&) {
        sprite::DialogSprite* calendar = dialogs.calendar();
        CalendarScreen* screen = dialogs.calendarScreen();
        if (calendar && calendar->isVisible() && screen) {
            screen->shopUnlockContinued();
            return;
        }
        showSprite(dialogs.shopUnlock(), false);
        showSprite(dialogs.dim(), false);
    });
    buttons.add("MMCalendar", Click, [this](lang::Object*, const lang::String&) {
        leaveRoundByMenu();
        setScreen(ScreenCalendar);
    });
    buttons.add("MMblitzbtn", Click, [this](lang::Object*, const lang::String&) {
        leaveRoundByMenu();
        music.fadeIn(getMusicVolume(), MenuMusic::RestartFrames);
        setScreen(ScreenBlitzMenu);
    });
    buttons.add("MMmainmenu", Click, [this](lang::Object*, const lang::String&) {
        leaveRoundByMenu();
        setScreen(ScreenMainMenu);
    });
    buttons.add("MMHow2Play", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.instructionsDialog(), true);
    });
    buttons.add("MMOptions", Click, [this](lang::Object*, const lang::String&) {
        stopSoundEntry(getSelectedDay() == ScreenFlow::BlitzDay ? BlitzMusicSound : DayMusicSound);
        showSprite(dialogs.optionsDialog(), true);
    });

    // --- Blitz
    buttons.add("btn_besttimes", Click, [this](lang::Object*, const lang::String&) {
        if (BlitzTimesPanel* panel = dialogs.blitzTimesPanel())
            panel->fill(getSelectedShop());
        setScreen(ScreenBlitzTimes);
    });
    buttons.add("BlitzMainMenu_btn", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.blitzMenu(), false);
        setScreen(ScreenMainMenu);
    });
    buttons.add("RCSubmit", Click, [this](lang::Object*, const lang::String&) {
        showSprite(dialogs.roundComplete(), false);
        showSprite(dialogs.blackdrop(), false);
        // Sent before the list is shown, so that the list waits for the submission's answer
        // instead of asking for the list without this time.
        BlitzTimesPanel* panel = dialogs.blitzTimesPanel();
        const int32_t time = panel ? panel->getLastTime() : -1;
        if (time >= ShortestBlitzTime && time < BlitzScoreBase)
            panel->submitTime(getProfileName(), getSelectedShop(), BlitzScoreBase - time);
        setScreen(ScreenBlitzTimes);
        leaveShop(false);
    });
}

void Kipto2Canvas::leaveRoundByMenu()
{
    showSprite(dialogs.miniMenu(), false);
    if (sprite::DialogSprite* shop = flow.getCurrentShop()) {
        showSprite(shop->getChild("pauseScreen"), false);
        if (ShopRound* round = dynamic_cast<ShopRound*>(shop))
            round->endRound(true);
    }
}

void Kipto2Canvas::closeOptions()
{
    showSprite(dialogs.dim(), false);
    showSprite(dialogs.optionsDialog(), false);
    if (flow.getCurrentScreen() == ScreenShop || flow.getCurrentScreen() == ScreenPause)
        loopSoundEntry(getSelectedDay() == ScreenFlow::BlitzDay ? BlitzMusicSound : DayMusicSound);
    else
        music.fadeIn(getMusicVolume(), MenuMusic::FocusFrames);
}

void Kipto2Canvas::openWebPage(const char* textName)
{
    lang::String address = lang::ResourceFile::loadText(textName);
    if (address.isEmpty())
        address = DefaultWebPage;
    if (window::Frame* frame = getFrame())
        frame->setFullScreen(false, false);
    if (!window::platform::openUrl(address.c_str()))
        debugLine("The web page cannot be opened: " + address);
}
