// The choice of each new customer's wish among a shop's item groups. It favours items the
// player has not handed over before, avoids items wished the day before, follows the day's mix
// of item types (WishQuotas), records the groups wished in the first play of a day in the save
// record and, on a replay of that day, wishes those groups again. In Blitz (day 0) every group
// is wished once, in random order. It reads the shelves through ShelfView, so it needs no
// sprites of its own.
#pragma once

#include "game/save/ProfileSave.h"
#include "game/shop/ShopItem.h"
#include "game/shop/WishQuotas.h"
#include "util/Random.h"

#include <vector>

// Which members of the groups stand on the shelves now.
class ShelfView {
public:
    virtual ~ShelfView() = default;
    virtual bool isOnShelf(const SpriteRec& member) const = 0;
};

// A chosen wish: the group, the members that satisfy it and how many of them the customer wants.
struct Wish {
    int32_t group = -1;
    std::vector<SpriteRec*> members;
    int32_t count = 0;
};

class WishChooser {
public:
    using Groups = std::vector<lang::Ref<ShopItem>>;

    // Passes over the groups before the choice gives up.
    static constexpr int32_t Passes = 3;
    // Customers that arrive before handed-over copies may be wished in the first two passes.
    static constexpr int32_t EarlyArrivals = 5;

    explicit WishChooser(util::Random& random);

    // The start of a round: the day's quotas; in Blitz every group is still to be wished; on a
    // day that was played before (an item of the shop was wished on it) the recorded groups are
    // restored. Entries that name no group of the shop are dropped.
    void startDay(const Groups& groups, ProfileSave* save, int32_t shop, int32_t day);
    // Chooses the wish of the customer who arrives after `arrived` others; false when no group
    // can be wished. Marks the group used and, on a day, takes its quota, notes the day in the
    // members' itemWishedDay and records the group in the day's wishOrder.
    bool choose(const Groups& groups, const ShelfView& shelf, int32_t arrived, Wish& wish);

    bool isReplay() const { return replay; }
    int32_t getRecordedGroups() const { return recordedGroups; }
    const WishQuotas& getQuotas() const { return quotas; }

private:
    // Takes a random entry out of wishOrder.
    int32_t takeWishOrderEntry();
    bool tryGroup(const Groups& groups, int32_t index, int32_t pass, bool forced, const ShelfView& shelf,
        int32_t arrived, Wish& wish);
    // A group of several copies; false when none of them can be wished.
    bool collectCopies(const ShopItem& group, int32_t pass, bool forced, const ShelfView& shelf,
        int32_t arrived, Wish& wish);
    bool wishedYesterday(const SpriteRec& member) const;
    bool handedOverBefore(const SpriteRec& member) const;
    void accept(ShopItem& group, int32_t index, Wish& wish);
    void recordInWishOrder(int32_t index);
    int16_t& wishedDay(const SpriteRec& member) const;
    int16_t foundDay(const SpriteRec& member) const;

    util::Random& random;
    lang::Ref<ProfileSave> save;
    int32_t shop = 1;
    int32_t day = 1;
    WishQuotas quotas;
    std::vector<int32_t> wishOrder;
    bool replay = false;
    int32_t recordedGroups = 0;
};
