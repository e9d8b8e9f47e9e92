// The base of everything drawn on the game screen: a reference point with an anchor, a
// transformation, a tint and visibility; motions and fades over a number of frames; a delay;
// and a listener that is told by a named action (an event with id 7) when a motion, fade or
// animation ends. The canvas updates its sprites once per frame and draws them in list order.
#pragma once

#include "lang/Array.h"
#include "lang/Ref.h"
#include "sprite/Stepper.h"
#include "util/RectangleNM.h"
#include "window/raster/ColorBase.h"
#include "window/Receiver.h"

namespace util {
class Region;
}

namespace window {
class Graphics;
class ImageArray;
}

namespace sprite {

class SpriteBase : public lang::Object, public window::Receiver {
public:
    // Anchor bits: which point getX/getY report and setLocation places.
    static constexpr int32_t AnchorLeft = 0x10;
    static constexpr int32_t AnchorCentreX = 0x20;
    static constexpr int32_t AnchorRight = 0x40;
    static constexpr int32_t AnchorTop = 0x01;
    static constexpr int32_t AnchorCentreY = 0x02;
    static constexpr int32_t AnchorBottom = 0x04;
    // The sprite's tint when nothing else is set: every channel unchanged, fully opaque.
    static constexpr uint32_t DefaultColor = 0x80808080u;
    static constexpr int32_t OpaqueAlpha = 128;
    // Positions and sizes stay within +-CoordinateLimit, so that no sum of them overflows
    // (tables may hold any number).
    static constexpr int32_t CoordinateLimit = 1 << 24;

    SpriteBase();
    SpriteBase(int32_t x, int32_t y);
    ~SpriteBase() override;
    SpriteBase(const SpriteBase&) = delete;
    SpriteBase& operator=(const SpriteBase&) = delete;

    // --- the sprite's virtual operations, in their fixed order
    virtual int32_t getWidth() const = 0;
    virtual int32_t getHeight() const = 0;
    // Called after every move.
    virtual void moved(int32_t dx, int32_t dy);
    // Draws the sprite itself.
    virtual void paint(window::Graphics* graphics);
    // Takes a sprite table entry; false when the entry cannot make this sprite.
    virtual bool init(window::ImageArray* pictures, lang::IntArray* numbers) = 0;
    // A new sprite of the same class with the same state; the caller releases it.
    virtual SpriteBase* duplicate() = 0;
    // Paints the sprite, when drawable, on a graphics of its own cut to the clip.
    virtual void render(window::Graphics* graphics);
    // Receives scheduled named actions.
    virtual void onAction(lang::Object* source, const lang::String& name);
    // One frame: motion, fade, the listener's action; copies the bounds out and answers
    // whether the sprite changed since the last update.
    virtual bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion);
    virtual int32_t getBoundsWidth() const;
    virtual int32_t getBoundsHeight() const;
    virtual int32_t getX() const;
    virtual int32_t getY() const;
    virtual void setLocation(int32_t x, int32_t y);
    virtual void setVisible(bool on);
    virtual bool isDrawable() const;
    virtual void setColor(int32_t alpha, int32_t red, int32_t green, int32_t blue);
    virtual bool isBusy() const;
    // Fades the alpha to `alpha` over `frames` (-1 keeps the frames left of the last fade);
    // with hideWhenDone the sprite hides when a fade to 0 ends.
    virtual void fadeTo(int32_t alpha, int32_t frames, bool hideWhenDone);
    virtual bool contains(int32_t x, int32_t y) const;
    // The bounds cut to the clip; the reference stays valid until the next call.
    virtual const util::RectangleNM& getBounds() const;
    virtual void releaseImages();
    virtual void loadImages();

    // A sprite takes no window events.
    bool handleEvent(window::Event* event) override;

    // --- motion, fades and delays
    void moveBy(int32_t dx, int32_t dy);
    void moveTo(int32_t x, int32_t y, int32_t frames);
    // The receiver is not counted; the action gains a reference.
    void setListener(window::Receiver* receiver, lang::Object* action);
    void setListener(window::Receiver* receiver, const lang::String& actionName);
    void setDelay(int32_t frames);
    // Holds the sprite's motions, fades and animations until released again.
    void setDelayed(bool on);
    bool isDelayed() const { return delayed; }

    // --- looks
    void setColor(uint32_t color);
    void setAlpha(int32_t alpha);
    void setScale(double scale);
    void setFlip(int32_t mode);
    // Drawn with a colour per corner (top-left, top-right, bottom-right, bottom-left).
    void setCornerColors(const uint32_t colors[4]);
    uint32_t getColor() const { return color.getValue(); }
    uint32_t getCornerColor(int32_t index) const;
    int32_t getAlpha() const { return color.getAlpha(); }
    double getScaleX() const { return scaleX; }
    double getScaleY() const { return scaleY; }
    double getRotation() const { return rotation; }
    void setRotation(double degrees);
    int32_t getFlip() const { return flip; }

    // --- state
    const lang::String& getName() const { return name; }
    void setName(const lang::String& newName) { name = newName; }
    bool isVisible() const { return visible; }
    int32_t getAnchor() const { return anchor; }
    void setAnchor(int32_t newAnchor);
    // The reference point (centre of the untransformed rectangle).
    int32_t getReferenceX() const { return x; }
    int32_t getReferenceY() const { return y; }
    // Limits drawing and getBounds to the rectangle; none removes the limit.
    void setClip(const util::RectangleNM* rectangle);
    bool isDirty() const { return dirty; }
    int32_t getMoveFrames() const { return moveFrames; }
    int32_t getFadeFrames() const { return fadeFrames; }
    window::Receiver* getListener() const { return listener; }
    lang::Object* getAction() const { return action; }
    // Copies every field except the name into `other`; the listener and action are shared.
    void copyStateTo(SpriteBase& other) const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "SpriteBase"; }

protected:
    // Recomputes `bounds` from the size, scale and rotation around the reference point.
    void computeBounds();
    // After a size change: recomputes the bounds and puts the anchored point back where it
    // was, without cutting a running motion short.
    void resizeKeepingAnchor(int32_t anchorX, int32_t anchorY);
    // True while the sprite is held back by setDelay (clears the delay once it has passed).
    bool checkDelayed(int32_t frameNo);
    void markDirty() { if (visible) dirty = true; }
    // Tells the listener that a motion, fade or animation ended.
    void reportFinished();

    lang::String name;
    int32_t x = 0;
    int32_t y = 0;
    int32_t anchor = AnchorCentreX | AnchorCentreY;
    double rotation = 0.0;
    double scaleX = 1.0;
    double scaleY = 1.0;
    int32_t flip = 0;
    window::ColorBase color{DefaultColor};
    window::ColorBase cornerColors[4];
    bool useCornerColors = false;
    int32_t moveFrames = 0;
    int32_t moveTargetX = 0;
    int32_t moveTargetY = 0;
    Stepper moveStepX;
    Stepper moveStepY;
    int32_t updateDepth = 0;
    int32_t fadeFrames = 0;
    int32_t fadeTarget = OpaqueAlpha;
    Stepper fadeStep;
    int32_t hideWhenFadedOut = 0;
    window::Receiver* listener = nullptr;
    lang::Object* action = nullptr;
    bool finished = false;
    bool delayed = false;
    // The frame number of the latest update; -1 before the first.
    int32_t lastUpdateFrame = -1;
    // The frame from which a delayed sprite goes on; -1 while not yet known (a delay set
    // before the sprite's first update counts from that update).
    int32_t delayUntil = -1;
    int32_t pendingDelay = 0;
    util::RectangleNM bounds;
    mutable util::RectangleNM boundsResult;
    lang::Ref<util::RectangleNM> clip;
    bool visible = true;
    bool dirty = false;
};

// A value limited to +-SpriteBase::CoordinateLimit.
int32_t clampCoordinate(int64_t value);

// A table number, or `fallback` when the entry has too few numbers.
int32_t numberAt(const lang::IntArray* numbers, int32_t index, int32_t fallback = 0);
int32_t numberCount(const lang::IntArray* numbers);

} // namespace sprite
