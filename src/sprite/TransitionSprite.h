// A cross-fade between two screens: the sprite shows a picture of the old screen over its
// rectangle and fades it out over a number of frames, so that what lies beneath shows through
// more and more; at the end it hides itself and tells its listener. Table numbers: left, top,
// width, height, [frames].
#pragma once

#include "lang/Class.h"
#include "sprite/BoundsSprite.h"
#include "window/image/ImageBase.h"

namespace sprite {

class TransitionSprite : public BoundsSprite {
public:
    struct TransitionSpriteClass : lang::ClassOf<TransitionSprite> {
        using ClassOf::ClassOf;
    };
    static TransitionSpriteClass classObject;

    static constexpr int32_t DefaultFrames = 12;

    TransitionSprite();

    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool isDrawable() const override;

    // Shows the picture (the old screen; it gains a reference) at full opacity and fades it out
    // over the frames (the table's number, or DefaultFrames, for 0 or less).
    void start(window::ImageBase* oldScreen, int32_t frames = 0);
    window::ImageBase* getPicture() const { return picture.get(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "TransitionSprite"; }

private:
    lang::Ref<window::ImageBase> picture;
    int32_t frames = DefaultFrames;
};

} // namespace sprite
