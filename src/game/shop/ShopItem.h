// An item group of a shop's catalogue: every shelf sprite whose item has the same name. A
// customer wishes for a group, not for a single sprite. SpriteRec is one member: the shelf
// sprite and its item number (the sprite "item_N" has number N - 1).
#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"
#include "lang/String.h"
#include "sprite/ShopItemSprite.h"

#include <vector>

class SpriteRec : public lang::Object {
public:
    // The sprite may be none (a catalogue built without sprites); it gains a reference.
    SpriteRec(sprite::ShopItemSprite* sprite, int32_t itemNumber);

    sprite::ShopItemSprite* getSprite() const { return sprite.get(); }
    int32_t getItemNumber() const { return itemNumber; }

    const char* getClassName() const override { return "SpriteRec"; }

private:
    lang::Ref<sprite::ShopItemSprite> sprite;
    int32_t itemNumber;
};

class ShopItem : public lang::Object {
public:
    static constexpr int32_t LowestType = 0;
    static constexpr int32_t HighestType = 4;

    // A group of the item name "singular*plural:type"; its type is read from the name.
    explicit ShopItem(const lang::String& name);

    // The number after ":" in an item name, clamped to 0..4; 1 without a ":" or a number.
    static int32_t typeOfName(const lang::String& name);

    void addMember(SpriteRec* member);
    int32_t memberCount() const { return static_cast<int32_t>(members.size()); }
    SpriteRec* getMember(int32_t i) const { return members[i].get(); }
    const lang::String& getName() const { return name; }
    int32_t getType() const { return type; }
    bool isUsed() const { return used; }
    void setUsed(bool on) { used = on; }

    const char* getClassName() const override { return "ShopItem"; }

private:
    lang::String name;
    std::vector<lang::Ref<SpriteRec>> members;
    int32_t type;
    bool used = false;
};
