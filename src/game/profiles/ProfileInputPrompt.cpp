#include "game/profiles/ProfileInputPrompt.h"

#include "game/flow/SpriteHelpers.h"
#include "sprite/ButtonMixin.h"
#include "game/profiles/ProfileName.h"
#include "sprite/NewFontSprite.h"
#include "sprite/TextSprite.h"
#include "window/Event.h"

#include <cstring>

ProfileInputPrompt::ProfileInputPromptClass ProfileInputPrompt::classObject("ProfileInputPrompt");

void ProfileInputPrompt::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    sprite::SpriteBase* name = getChild("name");
    if (name && name->isInstanceOf("NewFontSprite")) {
        auto* text = static_cast<sprite::NewFontSprite*>(name);
        text->setCaretShown(true);
        // The name grows at its end only: the caret is the font's own "_", in its ink.
        text->setCaretLocked(true);
        text->setLetterSpacing(-1);
    } else if (name && name->isInstanceOf("TextSprite")) {
        static_cast<sprite::TextSprite*>(name)->setCaretShown(true);
    }
    if (sprite::SpriteBase* submit = getChild("bsubmitprofile"))
        submitX = submit->getX();
    if (sprite::SpriteBase* cancel = getChild("bcanceladdprofile"))
        cancelX = cancel->getX();
}

lang::String ProfileInputPrompt::getName()
{
    return spriteText(getChild("name"));
}

void ProfileInputPrompt::setName(const lang::String& name)
{
    setSpriteText(getChild("name"), name);
}

void ProfileInputPrompt::setVisible(bool on)
{
    sprite::SpriteBase* submit = getChild("bsubmitprofile");
    sprite::SpriteBase* cancel = getChild("bcanceladdprofile");
    // The name starts empty in both forms: after the last profile was deleted, the first-profile
    // form must not offer a name typed earlier.
    if (on)
        setName(lang::String());
    if (on && !addingAnother) {
        showSprite(cancel, false);
        if (submit)
            submit->setLocation((getBoundsWidth() - submit->getBoundsWidth()) / 2, submit->getY());
        showSprite(submit, true);
    } else if (on) {
        if (submit)
            submit->setLocation(submitX, submit->getY());
        if (cancel)
            cancel->setLocation(cancelX, cancel->getY());
        showSprite(submit, true);
        showSprite(cancel, true);
        enableButton(cancel, true);
    }
    if (on)
        updateSubmit();
    DialogSprite::setVisible(on);
}

void ProfileInputPrompt::updateSubmit()
{
    enableButton(getChild("bsubmitprofile"), !ProfileName::trim(getName()).isEmpty());
}

int32_t ProfileInputPrompt::handleKey(window::Event* event)
{
    if (!visible || !event)
        return NotHandled;
    const int32_t code = event->keyCode;
    lang::String name = getName();
    if (code == BackspaceKey || code == window::Event::DeleteKey) {
        if (!name.isEmpty())
            setName(name.substring(0, name.length() - 1));
    } else if (code == ReturnKey) {
        sprite::ButtonMixin* submit = sprite::ButtonMixin::of(getChild("bsubmitprofile"));
        if (submit && submit->getState() != sprite::ButtonMixin::Disabled) {
            pendingAction = "bsubmitprofile";
            return Action;
        }
    } else if (code >= 0 && code <= 255 && name.length() < ProfileName::MaxLength && ProfileName::isAllowedChar(code)) {
        setName(name + lang::String(static_cast<char>(code)));
    }
    updateSubmit();
    return Swallowed;
}

bool ProfileInputPrompt::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ProfileInputPrompt") == 0 || DialogSprite::isInstanceOf(className);
}
