// The picture of one item on a shop's shelves. Besides the picture it keeps the item's kind
// within its shop (which names the item through the catalogue texts) and two further numbers
// of its table entry that it only carries along. The shop round tests only sprites of this
// class for item hits. Table entry: picture, optional mask; numbers x, y, alpha, extra1,
// extra2, kind.
#pragma once

#include "lang/Class.h"
#include "sprite/ImageSprite.h"

namespace sprite {

class ShopItemSprite : public ImageSprite {
public:
    struct ShopItemSpriteClass : lang::ClassOf<ShopItemSprite> {
        using ClassOf::ClassOf;
    };
    static ShopItemSpriteClass classObject;

    // The picture sprite's entry (picture, mask, x, y), then alpha, extra1, extra2 and kind.
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;

    int32_t getKind() const { return kind; }
    void setKind(int32_t newKind) { kind = newKind; }
    int32_t getExtra1() const { return extra1; }
    int32_t getExtra2() const { return extra2; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ShopItemSprite"; }

private:
    int32_t extra1 = -1;
    int32_t extra2 = 0;
    int32_t kind = -1;
};

} // namespace sprite
