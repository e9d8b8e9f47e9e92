#include "game/menus/InstructDialog.h"

#include "game/Kipto2Canvas.h"
#include "game/flow/SpriteHelpers.h"
#include "game/menus/VersionLine.h"

#include <cstdlib>
#include <cstring>

InstructDialog::InstructDialogClass InstructDialog::classObject("InstructDialog");

namespace {

// A page's tint: colours unchanged, at the alpha (128 fully shown).
uint32_t pageColor(int32_t alpha)
{
    return (uint32_t(alpha) << 24) | 0x808080u;
}

void playSound(int32_t entry)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(entry);
}

} // namespace

sprite::SpriteBase* InstructDialog::pageSprite(int32_t number)
{
    return getChild(lang::String("pg") + number);
}

int32_t InstructDialog::countPages()
{
    int32_t count = 0;
    while (pageSprite(count + 1))
        ++count;
    return count;
}

void InstructDialog::setVisible(bool on)
{
    if (on && tableTaken && !visible) {
        page = 1;
        pageCount = countPages();
        for (int32_t i = 1; i <= pageCount; ++i) {
            sprite::SpriteBase* sheet = pageSprite(i);
            sheet->setColor(pageColor(i == 1 ? sprite::SpriteBase::OpaqueAlpha : 0));
            sheet->setVisible(i == 1);
        }
        updateArrows();
    }
    DialogSprite::setVisible(on);
}

void InstructDialog::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    tableTaken = true;
    // White on the page's dark version tag.
    showVersionLine(getChild("version"), 0xFFFFFFFFu);
}

void InstructDialog::updateArrows()
{
    enableButton(getChild("bInstructionsBack"), page > 1);
    enableButton(getChild("bInstructionsNext"), page < pageCount);
}

void InstructDialog::turnPage(int32_t step)
{
    sprite::SpriteBase* current = pageSprite(page);
    sprite::SpriteBase* next = pageSprite(page + step);
    if (!next)
        return;
    page += step;
    next->setColor(pageColor(0));
    next->setVisible(true);
    next->fadeTo(sprite::SpriteBase::OpaqueAlpha, PageFadeFrames, false);
    if (current)
        current->fadeTo(0, PageFadeFrames, true);
    updateArrows();
}

int32_t InstructDialog::handleMousePressed(window::Event* event)
{
    const int32_t result = DialogSprite::handleMousePressed(event);
    if (result != Action)
        return result;
    if (pendingAction.equals("bInstructionsClose")) {
        playSound(Kipto2Canvas::ClickSound);
        setFade(-std::abs(fadeSpeed != 0 ? fadeSpeed : DefaultFadeSpeed));
        return Closed;
    }
    if (pendingAction.equals("bInstructionsNext")) {
        playSound(Kipto2Canvas::PageNextSound);
        turnPage(1);
        return Swallowed;
    }
    if (pendingAction.equals("bInstructionsBack")) {
        playSound(Kipto2Canvas::PageBackSound);
        turnPage(-1);
        return Swallowed;
    }
    return result;
}

bool InstructDialog::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "InstructDialog") == 0 || DialogSprite::isInstanceOf(className);
}
