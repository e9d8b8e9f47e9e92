#include "game/menus/VersionLine.h"

#include "game/flow/SpriteHelpers.h"
#include "sprite/TextSprite.h"
#include "version/Version.h"
#include "window/text/Font.h"

namespace {

constexpr int32_t FontSize = 10;

} // namespace

lang::String versionLineText()
{
    return lang::String("v") + version::number();
}

void showVersionLine(sprite::SpriteBase* sprite, uint32_t textColor)
{
    if (sprite && sprite->isInstanceOf("TextSprite")) {
        auto* text = static_cast<sprite::TextSprite*>(sprite);
        lang::Ref<window::Font> font
            = lang::adopt(new window::Font(window::Font::defaultFaceName, 0, FontSize));
        text->setFont(font.get());
        text->setTextColor(textColor);
    }
    setSpriteText(sprite, versionLineText());
}
