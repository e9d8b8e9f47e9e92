#include "game/shop/ItemCatalogue.h"

void ItemCatalogue::build(sprite::DialogSprite& shop, const NameOfKind& nameOfKind)
{
    groups.clear();
    itemCount = 0;
    for (int32_t n = 1; n <= MaxItems; ++n) {
        sprite::SpriteBase* child = shop.getChild(lang::String("item_") + n);
        if (!child || !child->isInstanceOf("ShopItemSprite"))
            continue;
        itemCount = n;
        auto* item = static_cast<sprite::ShopItemSprite*>(child);
        const lang::String name = nameOfKind(item->getKind());
        if (name.isEmpty())
            continue;
        lang::Ref<SpriteRec> member = lang::adopt(new SpriteRec(item, n - 1));
        groupNamed(name)->addMember(member.get());
    }
}

ShopItem* ItemCatalogue::groupNamed(const lang::String& name)
{
    for (const lang::Ref<ShopItem>& group : groups) {
        if (group->getName() == name)
            return group.get();
    }
    groups.push_back(lang::adopt(new ShopItem(name)));
    return groups.back().get();
}

void ItemCatalogue::arrangeShelves(const ProfileSave& save, int32_t shop, int32_t day)
{
    const auto foundBefore = [&](const SpriteRec& member) {
        return save.itemFoundDay[ProfileSave::itemIndex(shop, member.getItemNumber())] != 0;
    };
    int32_t rareGroupsHidden = 0;
    for (const lang::Ref<ShopItem>& group : groups) {
        const bool hideGroup = day == 1 && group->getType() > 2 && rareGroupsHidden < FirstDayHiddenGroups;
        if (hideGroup)
            ++rareGroupsHidden;
        int32_t found = 0;
        for (int32_t i = 0; i < group->memberCount(); ++i)
            found += foundBefore(*group->getMember(i)) ? 1 : 0;
        const bool wholeGroupStands = day == 0 || found == 0 || found == group->memberCount();
        for (int32_t i = 0; i < group->memberCount(); ++i) {
            const SpriteRec& member = *group->getMember(i);
            if (member.getSprite())
                member.getSprite()->setVisible(!hideGroup && (wholeGroupStands || !foundBefore(member)));
        }
    }
}

SpriteRec* ItemCatalogue::memberOf(const sprite::SpriteBase* sprite) const
{
    for (const lang::Ref<ShopItem>& group : groups) {
        for (int32_t i = 0; i < group->memberCount(); ++i) {
            if (group->getMember(i)->getSprite() == sprite)
                return group->getMember(i);
        }
    }
    return nullptr;
}

bool ItemCatalogue::isOnShelf(const SpriteRec& member) const
{
    return member.getSprite() && member.getSprite()->isVisible();
}
