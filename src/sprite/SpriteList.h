// The canvas's top-level sprites in drawing order (the last one on top), the sprites that leave
// the list at the end of the next frame step, and the names of the top-level table.
//
// Locking: the owner's monitor guards which list and which names are current; the list and the
// removals have monitors of their own, taken after the owner's.
#pragma once

#include "lang/Ref.h"
#include "lang/SyncGuard.h"
#include "sprite/SpriteBase.h"
#include "util/Hashtable.h"
#include "util/Vector.h"

namespace window {
class Graphics;
}

namespace sprite {

class SpriteList {
public:
    explicit SpriteList(lang::Object& owner) : owner(owner) {}

    // Takes over a loaded table's list and its names (references are added).
    void takeOver(util::Vector* list, util::Hashtable* names);
    // False until a table or add() gave the canvas its list.
    bool isLoaded() { return current() != nullptr; }

    // The sprite of that name in the top-level table (not counted), or none.
    SpriteBase* byName(const lang::String& name);
    // A counted reference to the i-th sprite, or none; the caller releases it.
    SpriteBase* at(int32_t index);
    int32_t count();
    // Appends a sprite to the top (moving it there when it is in the list already).
    void add(SpriteBase* sprite);
    // The sprite leaves the list at the end of the next frame step.
    void remove(SpriteBase* sprite);
    int32_t pendingRemovalCount();

    // Updates every sprite for the frame on a screen of that size, then drops the sprites removed
    // meanwhile; true when a sprite asks for a repaint. The caller holds the owner's monitor.
    bool update(int32_t frameNo, int32_t width, int32_t height);
    // Renders the visible sprites from the bottom up. The caller holds the owner's monitor.
    void paint(window::Graphics* target);
    // Visits the sprites from the top down under the list's monitor until `visit` answers true;
    // true when it did.
    template <class Visit> bool visitFromTop(Visit visit)
    {
        lang::Ref<util::Vector> list = current();
        if (!list)
            return false;
        SyncGuard listGuard(*list);
        for (int32_t i = list->size() - 1; i >= 0; --i) {
            lang::Ref<SpriteBase> sprite = lang::retain(static_cast<SpriteBase*>(list->elementAt(i)));
            if (visit(sprite.get()))
                return true;
        }
        return false;
    }

private:
    lang::Ref<util::Vector> current();

    lang::Object& owner;
    lang::Ref<util::Vector> sprites;
    lang::Ref<util::Hashtable> spritesByName;
    util::Vector pendingRemovals;
};

} // namespace sprite
