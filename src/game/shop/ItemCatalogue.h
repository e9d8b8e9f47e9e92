// A shop's items grouped by name, in the order the shelf sprites "item_1" to "item_150" first
// name them, and the choice of which of them stand on the shelves on a given day: items handed
// over on an earlier day leave the shelves until their whole group has been handed over, and
// day 1 keeps the first 18 groups of the rarer types (3 and 4) off the shelves.
#pragma once

#include "game/save/ProfileSave.h"
#include "game/shop/WishChooser.h"
#include "sprite/DialogSprite.h"

#include <functional>

class ItemCatalogue : public ShelfView {
public:
    using Groups = WishChooser::Groups;
    // The item name of a kind: "singular*plural:type"; empty when the kind has none.
    using NameOfKind = std::function<lang::String(int32_t kind)>;

    static constexpr int32_t MaxItems = ProfileSave::ItemsPerShop;
    // Groups of types above 2 that day 1 keeps off the shelves.
    static constexpr int32_t FirstDayHiddenGroups = 18;

    // Empties the catalogue and groups the dialog's item sprites by name. Sprites of another
    // class and kinds without a name take no part.
    void build(sprite::DialogSprite& shop, const NameOfKind& nameOfKind);
    // Shows and hides the members for the day (0 is Blitz: everything stands).
    void arrangeShelves(const ProfileSave& save, int32_t shop, int32_t day);

    const Groups& getGroups() const { return groups; }
    int32_t groupCount() const { return static_cast<int32_t>(groups.size()); }
    // The highest N of the sprites "item_N" found.
    int32_t getItemCount() const { return itemCount; }
    // The member of a shelf sprite, or none.
    SpriteRec* memberOf(const sprite::SpriteBase* sprite) const;

    // A member stands on the shelf while its sprite is shown.
    bool isOnShelf(const SpriteRec& member) const override;

private:
    ShopItem* groupNamed(const lang::String& name);

    Groups groups;
    int32_t itemCount = 0;
};
