#include "game/flow/SpriteHelpers.h"

#include "lang/Debug.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DialogSprite.h"
#include "sprite/GameCanvas3.h"
#include "sprite/NewFontSprite.h"
#include "sprite/TextSprite.h"

bool setSpriteText(sprite::SpriteBase* sprite, const lang::String& text)
{
    if (!sprite)
        return false;
    if (sprite->isInstanceOf("NewFontSprite")) {
        static_cast<sprite::NewFontSprite*>(sprite)->setText(text);
        return true;
    }
    if (sprite->isInstanceOf("TextSprite")) {
        static_cast<sprite::TextSprite*>(sprite)->setText(text);
        return true;
    }
    return false;
}

lang::String spriteText(sprite::SpriteBase* sprite)
{
    if (sprite && sprite->isInstanceOf("NewFontSprite")) {
        // A bitmap-font sprite that no code has given a text shows the package text of its
        // name, taken when its size is first asked for.
        sprite->getBounds();
        return static_cast<sprite::NewFontSprite*>(sprite)->getText();
    }
    if (sprite && sprite->isInstanceOf("TextSprite"))
        return static_cast<sprite::TextSprite*>(sprite)->getText();
    return lang::String();
}

void showSprite(sprite::SpriteBase* sprite, bool on)
{
    if (sprite)
        sprite->setVisible(on);
}

void enableButton(sprite::SpriteBase* sprite, bool on)
{
    if (sprite::ButtonMixin* button = sprite::ButtonMixin::of(sprite))
        button->setEnabled(on);
}

sprite::DialogSprite* childDialog(sprite::DialogSprite* dialog, const char* name)
{
    sprite::SpriteBase* child = dialog ? dialog->getChild(name) : nullptr;
    return child && child->isInstanceOf("DialogSprite") ? static_cast<sprite::DialogSprite*>(child) : nullptr;
}

lang::Ref<sprite::DialogSprite> findDialog(sprite::GameCanvas3& canvas, const lang::String& name)
{
    sprite::SpriteBase* sprite = canvas.getSprite(name);
    if (sprite && sprite->isInstanceOf("DialogSprite"))
        return lang::retain(static_cast<sprite::DialogSprite*>(sprite));
    const char* what = sprite ? " is no dialog\n" : " is not in the package\n";
    lang::debugOutput((name + what).c_str());
    return nullptr;
}
