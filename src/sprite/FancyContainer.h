// A sprite holding child sprites in its own coordinates ((0, 0) is its anchored point, by
// default its top-left corner), drawn clipped to it and faded together with it. Children
// leave the list at the end of the next update after remove(). Table numbers: left, top,
// width, height; a sub-table named after the class (class:table) gives the children.
#pragma once

#include "sprite/BoundsSprite.h"
#include "util/Vector.h"

namespace sprite {

class DataLoader;

class FancyContainer : public BoundsSprite {
public:
    struct FancyContainerClass : lang::ClassOf<FancyContainer> {
        using ClassOf::ClassOf;
    };
    static FancyContainerClass classObject;

    static constexpr int32_t DefaultFadeSpeed = 20;

    FancyContainer();
    FancyContainer(int32_t left, int32_t top, int32_t width, int32_t height);
    ~FancyContainer() override;

    void paint(window::Graphics* graphics) override;
    SpriteBase* duplicate() override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;

    // --- the container's virtual operations, in their fixed order
    // Called once the sub-table's sprites have been added.
    virtual void tableLoaded(DataLoader* loader);
    virtual void loadChildImages();
    virtual void releaseChildImages();
    // Inserts the child just after `after` (at the front when `after` is none or no child).
    virtual void insertAfter(SpriteBase* child, SpriteBase* after);
    virtual void add(SpriteBase* child);
    // Hides the child at once; it leaves the list at the end of the next update.
    virtual void remove(SpriteBase* child);
    virtual void setChildrenDelayed(bool on);
    virtual void renderChildren(window::Graphics* graphics);

    // A counted reference to the i-th child, or none; the caller releases it.
    SpriteBase* getChild(int32_t index);
    int32_t childCount();
    // Shows the container fading in (speed >= 1) or out (speed < 1), `speed` alpha units per
    // frame; a fade-out hides it at the end. 0 stops a fade.
    void setFade(int32_t speed);
    bool isFading() const { return fading; }
    int32_t getFadeSpeed() const { return fadeSpeed; }
    void setBackground(uint32_t argb, bool fill);
    // The list of children, for walking them under its monitor.
    util::Vector& getChildren() { return children; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "FancyContainer"; }

protected:
    // Moves the child just after or before `neighbour` (to the front without it).
    void insertBeside(SpriteBase* child, SpriteBase* neighbour, bool after);
    // Puts a child that is not in the list at `index` (clamped) and out of the pending removals.
    void insertAt(SpriteBase* child, int32_t index);
    void copyContainerStateTo(FancyContainer& other) const;

    window::ColorBase background{0xFF000000u};
    bool fillBackground = false;
    int32_t fadeSpeed = DefaultFadeSpeed;
    util::Vector children;
    util::Vector pendingChildRemovals;
    bool fading = false;
};

} // namespace sprite
