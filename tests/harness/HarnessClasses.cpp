#include "HarnessClasses.h"

#include "sprite/ButtonSprite.h"

#include <condition_variable>
#include <mutex>

namespace harness {

HarnessGate::HarnessGateClass HarnessGate::classObject("HarnessGate");
HarnessDialog::HarnessDialogClass HarnessDialog::classObject("HarnessDialog");

namespace {

struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool armed = false;
    bool holding = false;
    bool released = false;
};

Gate& gate()
{
    static Gate instance;
    return instance;
}

// Gives the buttons of a dialog and of its nested dialogs their pressed cell.
void givePressedLooks(sprite::DialogSprite& dialog)
{
    for (int32_t i = 0; i < dialog.childCount(); ++i) {
        lang::Ref<sprite::SpriteBase> child = lang::adopt(dialog.getChild(i));
        if (child->isInstanceOf("ButtonSprite"))
            static_cast<sprite::ButtonSprite*>(child.get())->setStateFrame(sprite::ButtonMixin::Pressed, HarnessDialog::PressedCell);
        else if (child->isInstanceOf("DialogSprite"))
            givePressedLooks(*static_cast<sprite::DialogSprite*>(child.get()));
    }
}

} // namespace

bool HarnessGate::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    std::unique_lock<std::mutex> lock(gate().mutex);
    if (gate().armed) {
        gate().holding = true;
        gate().changed.notify_all();
        gate().changed.wait(lock, [] { return gate().released; });
        gate().holding = false;
    }
    lock.unlock();
    return BoundsSprite::init(pictures, numbers);
}

void HarnessGate::arm()
{
    std::lock_guard<std::mutex> lock(gate().mutex);
    gate().armed = true;
}

bool HarnessGate::isHolding()
{
    std::lock_guard<std::mutex> lock(gate().mutex);
    return gate().holding;
}

void HarnessGate::open()
{
    std::lock_guard<std::mutex> lock(gate().mutex);
    gate().released = true;
    gate().changed.notify_all();
}

void HarnessDialog::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    setChildrenFireOnRelease(true);
    givePressedLooks(*this);
}

int32_t HarnessDialog::onButton(const lang::String& buttonName, lang::String&)
{
    const bool opens = buttonName.startsWith("open_");
    if (!opens && !buttonName.startsWith("close_"))
        return NotHandled;
    // The name after the prefix is a nested dialog of this one or of its nested dialogs.
    const lang::String target = buttonName.substring(opens ? 5 : 6);
    sprite::SpriteBase* found = getChild(target);
    if (!found || !found->isInstanceOf("DialogSprite"))
        return NotHandled;
    static_cast<sprite::DialogSprite*>(found)->setFade(opens ? DefaultFadeSpeed : -DefaultFadeSpeed);
    return Swallowed;
}

} // namespace harness
