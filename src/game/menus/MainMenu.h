// The main menu: the start button that rattles while the pointer is over it and bursts when it
// is pressed, two clouds drifting across the sky, the welcome text, and the buttons to the
// options, the instructions, the profiles, Blitz mode and the exit, whose actions the canvas
// handles. The buttons answer only while the menu is enabled.
#pragma once

#include "lang/Class.h"
#include "sprite/AnimateSprite.h"
#include "sprite/DialogSprite.h"

class MainMenu : public sprite::DialogSprite {
public:
    struct MainMenuClass : lang::ClassOf<MainMenu> {
        using ClassOf::ClassOf;
    };
    static MainMenuClass classObject;

    // The buttons that the menu enables and disables together ("upsellCV" joins them unless
    // the setting "SHOWLINK" is 0).
    static constexpr const char* MenuButtons[] = {"bexit", "bchangeprofile", "instructions_btn", "options_btn",
        "bBlitz", "buttonstartNEW"};
    // Frames the start button waits after its bursts before the game leaves the menu.
    static constexpr int32_t StartDelayFrames = 25;
    static constexpr int32_t SecondBurstDelay = 10;
    static constexpr int32_t RattleFadeInFrames = 4;
    static constexpr int32_t RattleFadeOutFrames = 8;

    void setMenuEnabled(bool on);
    bool isMenuEnabled() const { return enabled; }
    bool isHovering() const { return hovering; }
    // Shown after being hidden: the buttons enabled, the start button still, the bursts hidden,
    // the clouds set off.
    void setVisible(bool on) override;
    void tableLoaded(sprite::DataLoader* loader) override;
    int32_t handleMouseMoved(window::Event* event) override;
    // Takes the start button's press.
    int32_t offerAction(const lang::String& actionName) override;
    // The ends of the bursts and of the clouds' drift.
    void onAction(lang::Object* source, const lang::String& name) override;
    // The clouds enter: on the first showing already in the sky, later from the right edge.
    void startClouds(bool first);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "MainMenu"; }

private:
    sprite::AnimateSprite* animation(const char* childName);
    void pressStart();
    // Plays a one-shot animation from its first cell, reporting its end by the action.
    void playOnce(sprite::AnimateSprite* sprite, const char* action);

    bool hovering = false;
    bool enabled = false;
    // The next showing sets the menu up afresh (after its table came, and after each hiding).
    bool freshShowing = false;
};
