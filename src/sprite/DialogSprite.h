// A screen or pop-up: a container whose children are pictures, texts, buttons and nested
// dialogs, declared in its own sprite sub-table. It turns presses and releases on its buttons
// into a pending action (the button's name), may translate it (onButton), may be modal (taking
// every click) and drops its children's pictures while hidden. Table numbers: left, top, width,
// height, [modal (1), shown at start (1), background notification (non-zero)].
//
// Results of the handlers, onButton, resolveAction and offerAction: 0 not handled (for
// onButton: take the name as it is), 1 handled with an action (for onButton: take the name
// written to outName), 2 handled and the dialog closes ("CLOSED"), 3 handled, no action.
#pragma once

#include "sprite/FancyContainer.h"
#include "util/Hashtable.h"

namespace window {
class Event;
}

namespace sprite {

class DialogSprite : public FancyContainer {
public:
    struct DialogSpriteClass : lang::ClassOf<DialogSprite> {
        using ClassOf::ClassOf;
    };
    static DialogSpriteClass classObject;

    enum Result : int32_t { NotHandled = 0, Action = 1, Closed = 2, Swallowed = 3 };

    DialogSprite();
    DialogSprite(int32_t left, int32_t top, int32_t width, int32_t height);
    ~DialogSprite() override;

    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    // Takes the sub-table's name table; a hidden dialog drops its children's pictures at once.
    void tableLoaded(DataLoader* loader) override;
    void loadChildImages() override;
    void releaseChildImages() override;
    void remove(SpriteBase* child) override;
    // A named action from a sprite this dialog listens to (an event with id 7 and a String
    // argument) goes to onAction(source, name), where scheduled actions arrive too; game
    // dialogs override onAction to take them.
    bool handleEvent(window::Event* event) override;

    // --- the dialog's virtual operations, in their fixed order
    virtual void addNamedAfter(const lang::String& childName, SpriteBase* child, SpriteBase* after);
    virtual void addNamed(const lang::String& childName, SpriteBase* child);
    // Inserts at the place of `before`, or at the front when it is none or no child.
    virtual void insertBefore(SpriteBase* child, SpriteBase* before);
    virtual void addNamedBefore(const lang::String& childName, SpriteBase* child, SpriteBase* before);
    // Buttons fire on the release (on) or the press; nested dialogs follow.
    virtual void setChildrenFireOnRelease(bool on);
    virtual bool wantsKeys();
    // Offers a named action to the nested dialogs, from the top child down.
    virtual int32_t offerAction(const lang::String& actionName);
    virtual int32_t resolveAction(const lang::String& actionName, lang::String& outName, int32_t modifiers = 0);
    // Translates a button's name into an action; game dialogs override it.
    virtual int32_t onButton(const lang::String& buttonName, lang::String& outName);
    virtual int32_t handleKey(window::Event* event);
    // The event's coordinates are those of the dialog's parent (the canvas for a top-level one).
    virtual int32_t handleMousePressed(window::Event* event);
    virtual int32_t handleMouseReleased(window::Event* event);
    // Hover looks of the child buttons and nested dialogs, from the top down to a modal nested
    // dialog; 1 when the pointer is on an enabled button, else 0.
    virtual int32_t handleMouseMoved(window::Event* event);
    virtual void reloadChildImages();

    // The child of that name (not counted), or none.
    SpriteBase* getChild(const lang::String& childName);
    using FancyContainer::getChild;

    bool isModal() const { return modal; }
    void setModal(bool on) { modal = on; }
    const lang::String& getPendingAction() const { return pendingAction; }
    const lang::String& getPressedChildName() const { return pressedChildName; }
    bool isBackgroundClicked() const { return backgroundClicked; }
    void setNotifyBackground(bool on) { notifyBackground = on; }
    bool hasImagesLoaded() const { return imagesLoaded; }
    int32_t getPressX() const { return pressX; }
    int32_t getPressY() const { return pressY; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "DialogSprite"; }

protected:
    // A nested dialog produced an action (result 1 or 2): take it over and let the nested
    // dialog translate it. Answers this dialog's result.
    int32_t takeNestedAction(DialogSprite* nested);
    // The event moved into this dialog's coordinates while `handle` runs on a nested dialog.
    template <class Handle>
    int32_t withLocalEvent(window::Event* event, Handle handle);
    void putNamed(const lang::String& childName, SpriteBase* child);
    // Takes the child out, names it and puts it back in with `insert`, under the monitor of the
    // children.
    template <class Insert>
    void addNamedUsing(const lang::String& childName, SpriteBase* child, Insert insert);

    lang::String pendingAction;
    lang::String pressedChildName;
    // Under the monitor of the list of children, like the list itself: a frame step holds it
    // while the children run their actions, which look their siblings up by name.
    lang::Ref<util::Hashtable> namedChildren;
    bool imagesLoaded = true;
    bool modal = false;
    bool notifyBackground = false;
    bool backgroundClicked = false;
    int32_t pressX = 0;
    int32_t pressY = 0;
};

} // namespace sprite
