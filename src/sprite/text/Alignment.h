// The anchors of the text and number sprites' alignments: 0 left, 1 centre, 2 right, each on a
// fixed vertical anchor.
#pragma once

#include "sprite/SpriteBase.h"

#include <algorithm>

namespace sprite {

inline int32_t clampAlignment(int32_t alignment)
{
    return std::clamp(alignment, 0, 2);
}

// Sets the anchor of the alignment (with `verticalBits` below it) so that getX() stays where it
// was.
inline void alignKeepingX(SpriteBase& sprite, int32_t alignment, int32_t verticalBits)
{
    static const int32_t horizontal[] = {SpriteBase::AnchorLeft, SpriteBase::AnchorCentreX, SpriteBase::AnchorRight};
    const int32_t keptX = sprite.getX();
    sprite.setAnchor(horizontal[clampAlignment(alignment)] | verticalBits);
    sprite.moveBy(keptX - sprite.getX(), 0);
}

} // namespace sprite
