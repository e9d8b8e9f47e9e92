// A shower of 300 small animated pieces falling down a 776 x 576 area, drawn additively: the
// confetti of the last upgrade visit. The pieces live outside the sprite tree; the rain moves,
// animates and draws them itself, in one pass each per frame, through one clipped target.
#pragma once

#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/AnimateSprite.h"

#include <array>

class RainSprite : public sprite::AnimateSprite {
public:
    struct RainSpriteClass : lang::ClassOf<RainSprite> {
        using ClassOf::ClassOf;
    };
    static RainSpriteClass classObject;

    static constexpr int32_t PieceCount = 300;
    static constexpr int32_t Width = 776;
    static constexpr int32_t Height = 576;
    // Frames of a piece's picture, in one row.
    static constexpr int32_t PieceFrames = 14;
    // A piece whose y passes this goes back above the top.
    static constexpr int32_t ResetBelow = 600;
    static constexpr int32_t RestartY = -62;

    RainSprite();
    ~RainSprite() override;

    // Makes the pieces from the pictures named `prefix` followed by "1", "2" and "3" (picture 2
    // the most common, 3 the rarest), scattered within one rain height above the top. Called
    // once, right after construction.
    void startShower(const lang::String& prefix);

    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    // Draws the pieces, additively and cut to the rain's rectangle, whenever the rain is shown.
    void render(window::Graphics* graphics) override;
    // A rain with the same sprite state and no pieces.
    SpriteBase* duplicate() override;

    // The i-th piece (not counted), or none before startShower.
    sprite::AnimateSprite* getPiece(int32_t i) const { return pieces[i].get(); }
    int32_t getSwayPhase() const { return swayPhase; }
    // The tint of piece i: alpha 128 and red, green and blue cycling at different rates.
    static uint32_t pieceTint(int32_t i);
    // The picture (1, 2 or 3) of a draw of 0 to 100.
    static int32_t pictureOfDraw(int32_t draw);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "RainSprite"; }

private:
    void makePiece(int32_t i, const lang::String& prefix);
    void fall(int32_t i, int32_t frameNo, util::Region& dirtyRegion);

    std::array<lang::Ref<sprite::AnimateSprite>, PieceCount> pieces;
    int32_t swayPhase = 0;
};
