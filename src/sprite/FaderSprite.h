// A picture sprite under a name of its own, so that sprite tables can mark the pictures that
// screens fade in and out; it behaves exactly as a plain picture sprite.
#pragma once

#include "lang/Class.h"
#include "sprite/ImageSprite.h"

namespace sprite {

class FaderSprite : public ImageSprite {
public:
    struct FaderSpriteClass : lang::ClassOf<FaderSprite> {
        using ClassOf::ClassOf;
    };
    static FaderSpriteClass classObject;

    SpriteBase* duplicate() override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "FaderSprite"; }
};

} // namespace sprite
