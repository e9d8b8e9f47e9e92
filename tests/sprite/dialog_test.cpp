// Containers, dialogs and buttons: child lists, fades, the button state machine, presses and
// releases with nested and modal dialogs, and the release of hidden dialogs' pictures.
#include "sprite/ButtonSprite.h"
#include "sprite/DialogSprite.h"
#include "sprite/RectButtonSprite.h"
#include "sprite/RectSprite.h"
#include "sprite_test_support.h"
#include "util/Region.h"
#include "window/Event.h"
#include "window/image/ImageArray.h"
#include "window/raster/ImageGraphics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using sprite::ButtonMixin;
using sprite::ButtonSprite;
using sprite::DialogSprite;
using sprite::FancyContainer;
using sprite::RectButtonSprite;
using sprite::SpriteBase;

namespace {

bool step(SpriteBase& sprite, int32_t frameNo)
{
    util::RectangleNM bounds;
    util::Region region;
    return sprite.update(frameNo, bounds, region);
}

lang::Ref<lang::IntArray> numbersOf(std::initializer_list<int32_t> values)
{
    lang::Ref<lang::IntArray> numbers = lang::adopt(new lang::IntArray(int32_t(values.size())));
    int32_t i = 0;
    for (int32_t value : values)
        (*numbers)[i++] = value;
    return numbers;
}

// A button sheet of three 10 x 10 cells; hover frame 1, normal 0, disabled 2.
lang::Ref<ButtonSprite> sheetButton(const char* name, int32_t x, int32_t y, int32_t initialState = -1)
{
    lang::Ref<window::ImageBase> picture = spritetest::makeImage(30, 10, [](int32_t, int32_t) { return 0xFF102030u; });
    lang::Ref<window::ImageArray> pictures = lang::adopt(new window::ImageArray);
    pictures->append(picture.get());
    lang::Ref<ButtonSprite> button = lang::adopt(new ButtonSprite);
    if (initialState < 0)
        button->init(pictures.get(), numbersOf({x, y, 3, 1, 1, 0, 2}).get());
    else
        button->init(pictures.get(), numbersOf({x, y, 3, 1, 1, 0, 2, initialState}).get());
    button->setName(name);
    return button;
}

lang::Ref<window::Event> mouse(int32_t id, int32_t x, int32_t y)
{
    return lang::adopt(new window::Event(id, x, y, 0, 0, 0));
}

// A dialog at (100, 100) of 200 x 100 holding the named buttons.
lang::Ref<DialogSprite> dialogWith(std::initializer_list<SpriteBase*> children, bool modal = false)
{
    lang::Ref<DialogSprite> dialog = lang::adopt(new DialogSprite(100, 100, 200, 100));
    dialog->setModal(modal);
    for (SpriteBase* child : children)
        dialog->addNamed(child->getName(), child);
    return dialog;
}

// A dialog that translates one button's name into another action.
class TranslatingDialog : public DialogSprite {
public:
    using DialogSprite::DialogSprite;
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override
    {
        if (buttonName.equals("ok")) {
            outName = "confirmed";
            return Action;
        }
        if (buttonName.equals("cancel"))
            return Closed;
        return NotHandled;
    }
};

} // namespace

TEST(ButtonState, SheetButtonShowsItsStates)
{
    lang::Ref<ButtonSprite> button = sheetButton("b", 0, 0);
    EXPECT_EQ(button->getState(), ButtonMixin::Disabled);
    EXPECT_EQ(button->getFrame(), 2);
    // Disabled: never hit, look never changes.
    EXPECT_FALSE(button->pressTest(5, 5));
    EXPECT_FALSE(button->hover(5, 5));
    button->setPressed(true);
    EXPECT_EQ(button->getFrame(), 2);

    button->setEnabled(true);
    EXPECT_EQ(button->getFrame(), 0);
    EXPECT_TRUE(button->hover(5, 5));
    EXPECT_EQ(button->getState(), ButtonMixin::Hover);
    EXPECT_EQ(button->getFrame(), 1);
    button->setPressed(true);
    EXPECT_EQ(button->getState(), ButtonMixin::Pressed);
    EXPECT_EQ(button->getFrame(), 1);
    EXPECT_FALSE(button->hover(50, 5));
    EXPECT_EQ(button->getState(), ButtonMixin::Normal);
    EXPECT_TRUE(button->hover(5, 5));
    EXPECT_EQ(button->getState(), ButtonMixin::Pressed) << "still held";
    EXPECT_TRUE(button->release(5, 5));
    EXPECT_EQ(button->getState(), ButtonMixin::Normal);
    EXPECT_FALSE(button->release(50, 5));
}

TEST(ButtonState, SelectedStatesNeedTheirFrames)
{
    lang::Ref<ButtonSprite> button = sheetButton("b", 0, 0, ButtonMixin::Normal);
    button->setState(ButtonMixin::Selected);
    EXPECT_EQ(button->getState(), ButtonMixin::Normal) << "no frame for the selected look";
    button->setStateFrame(ButtonMixin::Selected, 2);
    button->setStateFrame(ButtonMixin::SelectedHover, 1);
    button->setState(ButtonMixin::Selected);
    EXPECT_EQ(button->getState(), ButtonMixin::Selected);
    button->hoverUpdate(true);
    EXPECT_EQ(button->getState(), ButtonMixin::SelectedHover);
    button->setEnabled(true);
    EXPECT_EQ(button->getState(), ButtonMixin::SelectedHover) << "enabling keeps a selection";
    button->hoverUpdate(false);
    EXPECT_EQ(button->getState(), ButtonMixin::Selected);
}

TEST(ButtonState, ANinthNumberGivesTheSelectedStatesTheirFrame)
{
    lang::Ref<window::ImageBase> picture = spritetest::makeImage(40, 10, [](int32_t, int32_t) { return 0xFF102030u; });
    lang::Ref<window::ImageArray> pictures = lang::adopt(new window::ImageArray);
    pictures->append(picture.get());
    lang::Ref<ButtonSprite> button = lang::adopt(new ButtonSprite);
    button->init(pictures.get(), numbersOf({0, 0, 4, 1, 1, 0, 2, ButtonMixin::Normal, 3}).get());
    for (int32_t state : {ButtonMixin::Selected, ButtonMixin::SelectedHover, ButtonMixin::SelectedPressed})
        EXPECT_EQ(button->getStateFrame(state), 3) << "state " << state;
    button->setState(ButtonMixin::Selected);
    EXPECT_EQ(button->getFrame(), 3);
    button->hoverUpdate(true);
    button->setPressed(true);
    EXPECT_EQ(button->getState(), ButtonMixin::SelectedPressed);
    EXPECT_EQ(button->getFrame(), 3);
    button->setPressed(false);
    button->hoverUpdate(false);
    EXPECT_EQ(button->getState(), ButtonMixin::Selected);
    button->setState(ButtonMixin::Normal);
    EXPECT_EQ(button->getFrame(), 0);
}

TEST(ButtonState, RectButtonNeedsFourNumbers)
{
    lang::Ref<RectButtonSprite> button = lang::adopt(new RectButtonSprite);
    EXPECT_FALSE(button->init(nullptr, numbersOf({1, 2, 3}).get()));
    EXPECT_TRUE(button->init(nullptr, numbersOf({1, 2, 30, 40, ButtonMixin::Normal}).get()));
    EXPECT_TRUE(button->pressTest(10, 10));
    EXPECT_FALSE(button->pressTest(31, 10));
    EXPECT_TRUE(button->hover(30, 41));
    EXPECT_EQ(button->getState(), ButtonMixin::Hover);
}

TEST(Container, RemovedChildLeavesAtTheNextUpdateUnlessAddedAgain)
{
    lang::Ref<FancyContainer> box = lang::adopt(new FancyContainer(0, 0, 100, 100));
    lang::Ref<sprite::BoundsSprite> a = lang::adopt(new sprite::BoundsSprite(0, 0, 5, 5));
    lang::Ref<sprite::BoundsSprite> b = lang::adopt(new sprite::BoundsSprite(0, 0, 5, 5));
    box->add(a.get());
    box->add(b.get());
    box->remove(a.get());
    EXPECT_FALSE(a->isVisible());
    EXPECT_EQ(box->childCount(), 2);
    step(*box, 1);
    EXPECT_EQ(box->childCount(), 1);

    box->remove(b.get());
    b->setVisible(true);
    box->add(b.get());
    step(*box, 2);
    ASSERT_EQ(box->childCount(), 1);
    lang::Ref<SpriteBase> kept = lang::adopt(box->getChild(0));
    EXPECT_EQ(kept.get(), b.get());

    box->insertAfter(a.get(), nullptr);
    lang::Ref<SpriteBase> first = lang::adopt(box->getChild(0));
    EXPECT_EQ(first.get(), a.get());
    box->insertAfter(a.get(), b.get());
    lang::Ref<SpriteBase> last = lang::adopt(box->getChild(1));
    EXPECT_EQ(last.get(), a.get());
}

TEST(Container, FadeOutTakesSevenUpdatesAndLeavesFullAlpha)
{
    lang::Ref<DialogSprite> dialog = lang::adopt(new DialogSprite(0, 0, 10, 10));
    dialog->setFade(-20);
    for (int32_t frame = 1; frame <= 6; ++frame) {
        step(*dialog, frame);
        ASSERT_TRUE(dialog->isVisible()) << "update " << frame;
    }
    EXPECT_EQ(dialog->getAlpha(), 8);
    step(*dialog, 7);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->getAlpha(), 128);
    EXPECT_FALSE(dialog->isFading());

    dialog->setFade(20);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->getAlpha(), 0);
    for (int32_t frame = 8; frame <= 14; ++frame)
        step(*dialog, frame);
    EXPECT_EQ(dialog->getAlpha(), 128);
    EXPECT_FALSE(dialog->isFading());
}

TEST(Container, ChildrenPaintInContainerCoordinatesFadedWithIt)
{
    lang::Ref<window::ImageBase> screen = spritetest::makeImage(40, 40, [](int32_t, int32_t) { return 0xFF000000u; });
    lang::Ref<window::ImageGraphics> graphics = lang::adopt(new window::ImageGraphics(screen.get()));
    lang::Ref<FancyContainer> box = lang::adopt(new FancyContainer(10, 10, 10, 10));
    lang::Ref<sprite::RectSprite> inner = lang::adopt(new sprite::RectSprite(0, 0, 20, 20, 0xFFFFFFFFu));
    box->add(inner.get());
    box->render(graphics.get());
    const uint32_t* pixels = screen->getPixels();
    EXPECT_EQ(pixels[15 * 40 + 15], 0xFFFFFFFFu);
    EXPECT_EQ(pixels[9 * 40 + 9], 0xFF000000u);
    EXPECT_EQ(pixels[25 * 40 + 25], 0xFF000000u) << "clipped to the container";

    box->setAlpha(64);
    inner->setFillColor(0xFF808080u);
    box->render(graphics.get());
    // Half of grey over white.
    EXPECT_EQ(pixels[15 * 40 + 15] & 0xFFFFFFu, 0xBFBFBFu);
}

TEST(DialogInput, AButtonFiresOnThePressUnlessItWaitsForTheRelease)
{
    lang::Ref<ButtonSprite> ok = sheetButton("ok", 10, 10, ButtonMixin::Normal);
    lang::Ref<DialogSprite> dialog = dialogWith({ok.get()});
    lang::Ref<window::Event> press = mouse(window::Event::MouseDown, 115, 115);
    EXPECT_EQ(dialog->handleMousePressed(press.get()), DialogSprite::Action);
    EXPECT_EQ(dialog->getPendingAction(), "ok");

    dialog->setChildrenFireOnRelease(true);
    EXPECT_EQ(dialog->handleMousePressed(press.get()), DialogSprite::Swallowed);
    EXPECT_TRUE(dialog->getPendingAction().isEmpty());
    EXPECT_EQ(ok->getState(), ButtonMixin::Pressed);
    EXPECT_EQ(ok->getFrame(), 1);
    lang::Ref<window::Event> releaseOver = mouse(window::Event::MouseUp, 112, 118);
    EXPECT_EQ(dialog->handleMouseReleased(releaseOver.get()), DialogSprite::Action);
    EXPECT_EQ(dialog->getPendingAction(), "ok");
    EXPECT_EQ(ok->getState(), ButtonMixin::Normal);

    EXPECT_EQ(dialog->handleMousePressed(press.get()), DialogSprite::Swallowed);
    lang::Ref<window::Event> releaseAway = mouse(window::Event::MouseUp, 250, 150);
    EXPECT_EQ(dialog->handleMouseReleased(releaseAway.get()), DialogSprite::NotHandled);
    EXPECT_EQ(ok->getState(), ButtonMixin::Normal);
}

TEST(DialogInput, ClicksBesideButtonsAndOutsideTheDialog)
{
    lang::Ref<ButtonSprite> ok = sheetButton("ok", 10, 10, ButtonMixin::Normal);
    lang::Ref<DialogSprite> dialog = dialogWith({ok.get()});
    lang::Ref<window::Event> inside = mouse(window::Event::MouseDown, 250, 150);
    lang::Ref<window::Event> outside = mouse(window::Event::MouseDown, 50, 50);
    EXPECT_EQ(dialog->handleMousePressed(inside.get()), DialogSprite::Swallowed);
    EXPECT_EQ(dialog->handleMousePressed(outside.get()), DialogSprite::NotHandled);
    dialog->setModal(true);
    EXPECT_EQ(dialog->handleMousePressed(outside.get()), DialogSprite::Swallowed);
    dialog->setVisible(false);
    EXPECT_EQ(dialog->handleMousePressed(inside.get()), DialogSprite::NotHandled);
}

TEST(DialogInput, BackgroundClicksAreReportedAndSwallowTheRelease)
{
    lang::Ref<DialogSprite> dialog = dialogWith({});
    dialog->setNotifyBackground(true);
    lang::Ref<window::Event> press = mouse(window::Event::MouseDown, 150, 150);
    EXPECT_EQ(dialog->handleMousePressed(press.get()), DialogSprite::Swallowed);
    EXPECT_TRUE(dialog->isBackgroundClicked());
    EXPECT_EQ(dialog->getPressX(), 150);
    lang::Ref<window::Event> release = mouse(window::Event::MouseUp, 150, 150);
    EXPECT_EQ(dialog->handleMouseReleased(release.get()), DialogSprite::Swallowed);
    EXPECT_FALSE(dialog->isBackgroundClicked());
}

TEST(DialogInput, AFadingOutDialogSwallowsPresses)
{
    lang::Ref<ButtonSprite> ok = sheetButton("ok", 10, 10, ButtonMixin::Normal);
    lang::Ref<DialogSprite> dialog = dialogWith({ok.get()});
    dialog->setFade(-20);
    lang::Ref<window::Event> press = mouse(window::Event::MouseDown, 115, 115);
    EXPECT_EQ(dialog->handleMousePressed(press.get()), DialogSprite::Swallowed);
    EXPECT_TRUE(dialog->getPendingAction().isEmpty());
}

TEST(DialogInput, NestedDialogsTranslateTheirButtons)
{
    lang::Ref<ButtonSprite> ok = sheetButton("ok", 0, 0, ButtonMixin::Normal);
    lang::Ref<ButtonSprite> cancel = sheetButton("cancel", 20, 0, ButtonMixin::Normal);
    lang::Ref<ButtonSprite> other = sheetButton("other", 40, 0, ButtonMixin::Normal);
    lang::Ref<TranslatingDialog> inner = lang::adopt(new TranslatingDialog(50, 20, 100, 50));
    inner->addNamed("ok", ok.get());
    inner->addNamed("cancel", cancel.get());
    inner->addNamed("other", other.get());
    lang::Ref<DialogSprite> outer = dialogWith({});
    outer->addNamed("inner", inner.get());
    inner->setVisible(true);

    // The inner dialog lies at (150, 120) on the canvas; "ok" at (150..159, 120..129).
    lang::Ref<window::Event> onOk = mouse(window::Event::MouseDown, 155, 125);
    EXPECT_EQ(outer->handleMousePressed(onOk.get()), DialogSprite::Action);
    EXPECT_EQ(outer->getPendingAction(), "confirmed");
    EXPECT_EQ(outer->getPressedChildName(), "inner");
    EXPECT_EQ(onOk->x, 155) << "the event's point is put back";

    lang::Ref<window::Event> onCancel = mouse(window::Event::MouseDown, 175, 125);
    EXPECT_EQ(outer->handleMousePressed(onCancel.get()), DialogSprite::Swallowed);
    EXPECT_TRUE(outer->getPendingAction().isEmpty());

    lang::Ref<window::Event> onOther = mouse(window::Event::MouseDown, 195, 125);
    EXPECT_EQ(outer->handleMousePressed(onOther.get()), DialogSprite::Action);
    EXPECT_EQ(outer->getPendingAction(), "other");

    // Fire-on-release through the nesting.
    outer->setChildrenFireOnRelease(true);
    EXPECT_EQ(outer->handleMousePressed(onOk.get()), DialogSprite::Swallowed);
    EXPECT_EQ(ok->getState(), ButtonMixin::Pressed);
    lang::Ref<window::Event> release = mouse(window::Event::MouseUp, 156, 126);
    EXPECT_EQ(outer->handleMouseReleased(release.get()), DialogSprite::Action);
    EXPECT_EQ(outer->getPendingAction(), "confirmed");
}

TEST(DialogInput, AModalNestedDialogTakesClicksOutsideIt)
{
    lang::Ref<ButtonSprite> back = sheetButton("back", 150, 10, ButtonMixin::Normal);
    lang::Ref<DialogSprite> inner = lang::adopt(new DialogSprite(10, 10, 30, 30));
    inner->setModal(true);
    lang::Ref<DialogSprite> outer = dialogWith({back.get()});
    outer->addNamed("popup", inner.get());
    // "back" lies under the modal pop-up in the list, and the pop-up is on top.
    lang::Ref<window::Event> onBack = mouse(window::Event::MouseDown, 255, 115);
    EXPECT_EQ(outer->handleMousePressed(onBack.get()), DialogSprite::Swallowed);
    EXPECT_TRUE(outer->getPendingAction().isEmpty());
    inner->setVisible(false);
    EXPECT_EQ(outer->handleMousePressed(onBack.get()), DialogSprite::Action);
    EXPECT_EQ(outer->getPendingAction(), "back");
}

TEST(DialogInput, HoverReportsEnabledButtons)
{
    lang::Ref<ButtonSprite> ok = sheetButton("ok", 10, 10, ButtonMixin::Normal);
    lang::Ref<ButtonSprite> off = sheetButton("off", 40, 10);
    lang::Ref<DialogSprite> dialog = dialogWith({ok.get(), off.get()});
    lang::Ref<window::Event> overOk = mouse(window::Event::MouseMove, 112, 112);
    lang::Ref<window::Event> overOff = mouse(window::Event::MouseMove, 142, 112);
    EXPECT_EQ(dialog->handleMouseMoved(overOk.get()), DialogSprite::Action);
    EXPECT_EQ(ok->getState(), ButtonMixin::Hover);
    EXPECT_EQ(dialog->handleMouseMoved(overOff.get()), DialogSprite::NotHandled);
    EXPECT_EQ(ok->getState(), ButtonMixin::Normal);
}

// A dialog that keeps the named actions it receives.
class ListeningDialog : public DialogSprite {
public:
    using DialogSprite::DialogSprite;
    void onAction(lang::Object* source, const lang::String& name) override
    {
        heard.push_back(name.c_str());
        sources.push_back(source);
    }
    std::vector<std::string> heard;
    std::vector<lang::Object*> sources;
};

TEST(DialogActions, TheEndOfAMotionReachesTheListeningDialogAsANamedAction)
{
    lang::Ref<ListeningDialog> dialog = lang::adopt(new ListeningDialog(0, 0, 100, 100));
    lang::Ref<sprite::RectSprite> mover = lang::adopt(new sprite::RectSprite(0, 0, 10, 10, 0xFF000000u));
    mover->setListener(dialog.get(), lang::String("arrived"));
    mover->moveTo(30, 0, 2);
    step(*mover, 1);
    EXPECT_TRUE(dialog->heard.empty());
    step(*mover, 2);
    ASSERT_EQ(dialog->heard, std::vector<std::string>{"arrived"});
    EXPECT_EQ(dialog->sources[0], mover.get());

    // Events that are no named action are not the dialog's.
    lang::Ref<window::Event> press = mouse(window::Event::MouseDown, 5, 5);
    EXPECT_FALSE(dialog->handleEvent(press.get()));
    lang::Ref<window::Event> notText = lang::adopt(new window::Event(mover.get(), mover.get()));
    EXPECT_FALSE(dialog->handleEvent(notText.get()));
    EXPECT_EQ(dialog->heard.size(), 1u);
}

TEST(DialogChildren, NamedChildrenAndRemoval)
{
    lang::Ref<DialogSprite> dialog = lang::adopt(new DialogSprite(0, 0, 10, 10));
    lang::Ref<sprite::BoundsSprite> a = lang::adopt(new sprite::BoundsSprite(0, 0, 1, 1));
    lang::Ref<sprite::BoundsSprite> b = lang::adopt(new sprite::BoundsSprite(0, 0, 1, 1));
    dialog->addNamed("a", a.get());
    dialog->addNamedBefore("b", b.get(), a.get());
    EXPECT_EQ(dialog->getChild(lang::String("a")), a.get());
    EXPECT_EQ(a->getName(), "a");
    lang::Ref<SpriteBase> first = lang::adopt(dialog->getChild(0));
    EXPECT_EQ(first.get(), b.get());
    dialog->remove(a.get());
    EXPECT_EQ(dialog->getChild(lang::String("a")), nullptr);
    dialog->addNamed("", b.get());
    EXPECT_TRUE(b->getName().isEmpty());
}

TEST(DialogPictures, HiddenDialogsDropPicturesAndReloadWhenShown)
{
    lang::Ref<window::ImageBase> picture = spritetest::makeImage(4, 4, [](int32_t, int32_t) { return 0xFFFFFFFFu; });
    spritetest::TempFolder folder;
    // A picture with a name can be read again after it dropped its pixels.
    std::string png = spritetest::pngOf(4, 4, 0xFF00FF00u);
    spritetest::writeFile(folder.file("p.png"), png);
    lang::Ref<window::ImageBase> named = lang::adopt<window::ImageBase>(new window::PixelImage(folder.file("p.png").c_str()));
    lang::Ref<sprite::ImageSprite> onDisk = lang::adopt(new sprite::ImageSprite(named.get(), 2, 2));
    lang::Ref<sprite::ImageSprite> inMemory = lang::adopt(new sprite::ImageSprite(picture.get(), 2, 2));
    lang::Ref<DialogSprite> dialog = lang::adopt(new DialogSprite(0, 0, 10, 10));
    dialog->add(onDisk.get());
    dialog->add(inMemory.get());
    ASSERT_NE(named->getPixels(), nullptr);

    dialog->setVisible(false);
    step(*dialog, 1);
    EXPECT_FALSE(dialog->hasImagesLoaded());
    EXPECT_EQ(named->getPixels(), nullptr);
    EXPECT_NE(picture->getPixels(), nullptr) << "a picture without a source keeps its pixels";

    dialog->setVisible(true);
    step(*dialog, 2);
    EXPECT_TRUE(dialog->hasImagesLoaded());
    ASSERT_NE(named->getPixels(), nullptr);
    EXPECT_EQ(named->getPixels()[0], 0xFF00FF00u);
}
