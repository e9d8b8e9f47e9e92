#include "game/shop/WishChooser.h"

WishChooser::WishChooser(util::Random& generator) : random(generator)
{
}

void WishChooser::startDay(const Groups& groups, ProfileSave* record, int32_t shopNumber, int32_t dayNumber)
{
    save = lang::retain(record);
    shop = shopNumber;
    day = dayNumber;
    quotas.setForDay(day);
    wishOrder.clear();
    replay = false;
    recordedGroups = 0;
    const auto groupCount = static_cast<int32_t>(groups.size());
    if (day == 0) {
        for (int32_t g = 0; g < groupCount; ++g)
            wishOrder.push_back(g);
        return;
    }
    for (int32_t item = 0; item < ProfileSave::ItemsPerShop && !replay; ++item)
        replay = save->itemWishedDay[ProfileSave::itemIndex(shop, item)] == day;
    if (!replay)
        return;
    for (int32_t n = 0; n < ProfileSave::WishesPerDay; ++n) {
        const int32_t group = save->wishOrder[ProfileSave::wishIndex(shop, day, n)];
        if (group >= 0 && group < groupCount)
            wishOrder.push_back(group);
    }
    recordedGroups = static_cast<int32_t>(wishOrder.size());
}

int32_t WishChooser::takeWishOrderEntry()
{
    const int32_t at = random.nextInt(static_cast<int32_t>(wishOrder.size()) - 1);
    const int32_t group = wishOrder[at];
    wishOrder.erase(wishOrder.begin() + at);
    return group;
}

bool WishChooser::choose(const Groups& groups, const ShelfView& shelf, int32_t arrived, Wish& wish)
{
    const auto groupCount = static_cast<int32_t>(groups.size());
    if (groupCount == 0)
        return false;
    // A replayed day brings its recorded groups back for the last customers of the day.
    if (day > 0 && replay && !wishOrder.empty() && arrived + 1 > ProfileSave::WishesPerDay - recordedGroups) {
        if (tryGroup(groups, takeWishOrderEntry(), 0, true, shelf, arrived, wish))
            return true;
    }
    int32_t position = random.nextInt(groupCount - 1);
    for (int32_t pass = 0; pass < Passes; ++pass) {
        for (int32_t step = 0; step < groupCount; ++step) {
            int32_t index;
            if (day == 0) {
                if (wishOrder.empty())
                    return false;
                index = takeWishOrderEntry();
            } else {
                position = (position + 1) % groupCount;
                index = position;
            }
            if (tryGroup(groups, index, pass, false, shelf, arrived, wish))
                return true;
        }
    }
    return false;
}

bool WishChooser::tryGroup(const Groups& groups, int32_t index, int32_t pass, bool forced,
    const ShelfView& shelf, int32_t arrived, Wish& wish)
{
    ShopItem& group = *groups[index];
    const bool open = !group.isUsed() || (day == 0 && group.memberCount() > 1);
    if (!open)
        return false;
    if (day > 0 && !quotas.allows(group.getType()) && !forced && pass == 0)
        return false;
    wish = Wish();
    if (group.memberCount() == 1) {
        const SpriteRec& member = *group.getMember(0);
        if (!shelf.isOnShelf(member))
            return false;
        if (!forced && (wishedYesterday(member) || handedOverBefore(member)))
            return false;
        wish.members.push_back(group.getMember(0));
        wish.count = 1;
    } else if (!collectCopies(group, pass, forced, shelf, arrived, wish)) {
        return false;
    }
    accept(group, index, wish);
    return true;
}

bool WishChooser::collectCopies(
    const ShopItem& group, int32_t pass, bool forced, const ShelfView& shelf, int32_t arrived, Wish& wish)
{
    for (int32_t i = 0; i < group.memberCount() && !forced; ++i) {
        if (wishedYesterday(*group.getMember(i)))
            return false;
    }
    const bool copiesHeldBack = pass < 2 && (arrived < EarlyArrivals || !quotas.allows(0));
    int32_t handedOverTaken = 0;
    for (int32_t i = 0; i < group.memberCount(); ++i) {
        SpriteRec* member = group.getMember(i);
        if (!shelf.isOnShelf(*member))
            continue;
        if (!forced && handedOverBefore(*member)) {
            if (copiesHeldBack)
                continue;
            ++handedOverTaken;
        }
        wish.members.push_back(member);
    }
    const auto collected = static_cast<int32_t>(wish.members.size());
    if (collected == 0)
        return false;
    for (int32_t i = 0; i < handedOverTaken; ++i)
        quotas.use(0);
    if (day == 0)
        wish.count = collected;
    else if (collected == 1)
        wish.count = 1;
    else if (collected <= 4)
        wish.count = 2;
    else
        wish.count = 2 + random.nextInt(1);
    return true;
}

bool WishChooser::wishedYesterday(const SpriteRec& member) const
{
    return day >= 2 && wishedDay(member) == day - 1;
}

bool WishChooser::handedOverBefore(const SpriteRec& member) const
{
    return day >= 1 && foundDay(member) != 0;
}

void WishChooser::accept(ShopItem& group, int32_t index, Wish& wish)
{
    wish.group = index;
    group.setUsed(true);
    if (day == 0)
        return;
    quotas.use(group.getType());
    for (SpriteRec* member : wish.members)
        wishedDay(*member) = static_cast<int16_t>(day);
    recordInWishOrder(index);
}

void WishChooser::recordInWishOrder(int32_t index)
{
    int16_t* firstEmpty = nullptr;
    for (int32_t n = 0; n < ProfileSave::WishesPerDay; ++n) {
        int16_t& entry = save->wishOrder[ProfileSave::wishIndex(shop, day, n)];
        if (entry == index)
            return;
        if (entry == -1 && !firstEmpty)
            firstEmpty = &entry;
    }
    if (firstEmpty)
        *firstEmpty = static_cast<int16_t>(index);
}

int16_t& WishChooser::wishedDay(const SpriteRec& member) const
{
    return save->itemWishedDay[ProfileSave::itemIndex(shop, member.getItemNumber())];
}

int16_t WishChooser::foundDay(const SpriteRec& member) const
{
    return save->itemFoundDay[ProfileSave::itemIndex(shop, member.getItemNumber())];
}
