// A particle explosion: every particle flies off in a random direction at a random speed, with
// flags from the system's mode (mode 10 gives each particle a random spin direction). With the
// acceleration flag in the mode, systems of 50 or more particles fall, the faster the more
// particles they have. Table numbers: left, top, width, height; started by the code that finds
// it by name.
#pragma once

#include "sprite/ParticleSpritePSX.h"

namespace sprite {

class ExplosionSpritePSX : public ParticleSpritePSX {
public:
    struct ExplosionSpritePSXClass : lang::ClassOf<ExplosionSpritePSX> {
        using ClassOf::ClassOf;
    };
    static ExplosionSpritePSXClass classObject;

    // The mode that gives each particle spin one way or the other.
    static constexpr int32_t ModeRandomSpin = 10;

    // An explosion of the default count in random spin, fading from yellow to red.
    ExplosionSpritePSX();
    ExplosionSpritePSX(int32_t count, int32_t mode);

    void emit(Particle& particle) override;
    SpriteBase* duplicate() override;

    void setMode(int32_t newMode) { mode = newMode; }
    int32_t getMode() const { return mode; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ExplosionSpritePSX"; }

private:
    int32_t mode = ModeRandomSpin;
};

} // namespace sprite
