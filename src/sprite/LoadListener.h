// What a sprite table loader works for: the factory of the game's own sprite classes, asked
// before the loader makes a sprite itself, and the listener of the loading bar. The game canvas
// is the one of the program.
#pragma once

#include "lang/Array.h"
#include "lang/ObjectI.h"
#include "lang/String.h"

namespace window {
class ImageArray;
}

namespace sprite {

class DataLoader;
class SpriteBase;

class LoadListener : public virtual lang::ObjectI {
public:
    // Asked first for every sprite entry; none lets the loader make the sprite. The caller
    // releases what it returns.
    virtual SpriteBase* createSprite(const lang::String& classToken, lang::IntArray* numbers,
        window::ImageArray* pictures, DataLoader* loader) = 0;
    // `count` more items of the table have been loaded.
    virtual void addLoadProgress(int32_t count) = 0;

protected:
    ~LoadListener() = default;
};

} // namespace sprite
