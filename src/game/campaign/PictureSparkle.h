// The twinkle over a picture that has just changed (an upgrade chosen): copies of a sparkle
// scattered over the picture's visible pixels, each waiting a moment, fading in, twinkling
// and fading out. The copies tell a listener at the ends of their fades; the owner then asks
// endIfDone(), which takes the copies away once every one has gone out.
#pragma once

#include "game/ambient/SparkleSprite.h"
#include "lang/Ref.h"
#include "lang/String.h"
#include "sprite/DialogSprite.h"

#include <vector>

namespace sprite {
class ImageSprite;
}

class PictureSparkle {
public:
    static constexpr int32_t Copies = 12;
    // Each copy holds 25 frames and up to 25 more, after a wait of up to 9 frames.
    static constexpr int32_t HoldFrames = 25;
    static constexpr int32_t HoldSpread = 25;
    static constexpr int32_t WaitSpread = 10;
    // Tries to find an opaque pixel of the picture for a copy.
    static constexpr int32_t PlaceTries = 20;

    ~PictureSparkle();

    // Scatters copies of `model` (a SparkleSprite child of `dialog`) over `picture`, just after
    // the model in drawing order. A sparkle still running is stopped first.
    void start(sprite::DialogSprite& dialog, sprite::SpriteBase& model, sprite::ImageSprite& picture,
        window::Receiver* listener, const lang::String& action);
    bool isRunning() const { return !copies.empty(); }
    // True when the sparkle has ended (or never ran); a sparkle that has just ended leaves the
    // dialog.
    bool endIfDone();
    // Takes the copies away at once.
    void stop();

private:
    lang::Ref<sprite::DialogSprite> owner;
    std::vector<lang::Ref<SparkleSprite>> copies;
};
