// A picture used as a sheet of columns x rows equal cells, numbered row by row from 0, showing
// one cell at a time and stepping through a range of cells: looping a number of times,
// ping-ponging a number of bounces, holding on the end cell, or stopping at the end. The
// listener is told when a counted animation ends. Table numbers: x, y, columns, rows,
// [start frame (-1: hidden, no frame), ticks per step, ping-pong (non-zero), step].
#pragma once

#include "sprite/ImageSprite.h"

namespace sprite {

class AnimateSprite : public ImageSprite {
public:
    struct AnimateSpriteClass : lang::ClassOf<AnimateSprite> {
        using ClassOf::ClassOf;
    };
    static AnimateSpriteClass classObject;

    // The most columns, and the most rows, of a sheet.
    static constexpr int32_t MaxCells = 32767;

    AnimateSprite();

    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    bool isDrawable() const override;
    bool isBusy() const override;
    // The whole picture as one cell.
    void setImage(window::ImageBase* image) override;
    // Pixel test of the shown cell; the rectangle while no cell is shown.
    virtual bool hitTest(int32_t x, int32_t y);
    virtual void setImage(window::ImageBase* image, int32_t columns, int32_t rows);

    // Shows cell i (at most the last cell; below 0 shows none).
    void setFrame(int32_t i);
    void setRange(int32_t first, int32_t last);
    void setAnimation(int32_t step, bool looping);
    void setPingPong(bool on);
    void setTicksPerStep(int32_t ticks) { ticksPerStep = ticks; }
    // Waits `ticks` updates on an end cell before looping on.
    void setHoldTicks(int32_t ticks) { holdTicks = ticks; }
    // The count of loops (0: endless) and of ping-pong bounces (0: endless).
    void setLoops(int32_t loops) { loopsLeft = loops; }
    void setBounces(int32_t bounces) { bouncesLeft = bounces; }
    void setTickOffset(int32_t offset) { tickOffset = offset; }

    int32_t getFrame() const { return frame; }
    int32_t getColumns() const { return columns; }
    int32_t getRows() const { return rows; }
    int32_t getStep() const { return step; }
    int32_t getFirstFrame() const { return firstFrame; }
    int32_t getLastFrame() const { return lastFrame; }
    int32_t getLoopsLeft() const { return loopsLeft; }
    // The animation runs: it steps and is neither an exhausted loop nor exhausted bounces.
    bool isAnimating() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "AnimateSprite"; }

protected:
    // Picture, grid and position of a table entry (numbers x, y, columns, rows).
    void initSheet(window::ImageArray* pictures, lang::IntArray* numbers);
    void showFrame(int32_t cell);
    void copyAnimateStateTo(AnimateSprite& other) const;
    int32_t cellCount() const { return columns * rows; }

    int32_t columns = 1;
    int32_t rows = 1;
    int32_t ticks = 0;
    int32_t frame = 0;
    int32_t step = 0;
    int32_t ticksPerStep = 0;
    int32_t holdTicks = 0;
    int32_t loopsLeft = 0;
    int32_t bouncesLeft = 0;
    int32_t tickOffset = 0;
    int32_t firstFrame = 0;
    // The last cell of the range (SpriteBase keeps the frame number of the last update apart).
    int32_t lastFrame = 0;
    bool looping = true;
    bool pingPong = false;
};

} // namespace sprite
