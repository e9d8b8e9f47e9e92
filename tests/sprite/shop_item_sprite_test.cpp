// Shop item sprites come from table entries of their own class: picture, position, alpha, the
// two carried numbers and the item's kind, all kept by a copy.
#include "sprite/DataLoader.h"
#include "sprite/ShopItemSprite.h"
#include "sprite_test_support.h"

#include <gtest/gtest.h>

TEST(ShopItemSprite, ATableEntryGivesPictureAlphaExtrasAndKind)
{
    spritetest::TempFolder folder;
    spritetest::PackageScope package(folder,
        {{"t", "<sprites> item_7 ShopItemSprite pic 30 40 100 5 6 12  item_8 ShopItemSprite pic 1 2"},
            {"pic", spritetest::pngOf(8, 6, 0xFFFF0000u)}});
    lang::Ref<sprite::DataLoader> loader = lang::adopt(new sprite::DataLoader(folder.path.c_str(), nullptr, nullptr));
    ASSERT_TRUE(loader->load("+t"));
    auto* item = static_cast<sprite::ShopItemSprite*>(loader->getSpritesByName()->get("item_7"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isInstanceOf("ShopItemSprite"));
    EXPECT_TRUE(item->isInstanceOf("Sprite") || item->isInstanceOf("ImageSprite"));
    EXPECT_EQ(item->getX(), 30);
    EXPECT_EQ(item->getY(), 40);
    EXPECT_EQ(item->getWidth(), 8);
    EXPECT_EQ(item->getAlpha(), 100);
    EXPECT_EQ(item->getExtra1(), 5);
    EXPECT_EQ(item->getExtra2(), 6);
    EXPECT_EQ(item->getKind(), 12);

    lang::Ref<sprite::ShopItemSprite> copy = lang::adopt(static_cast<sprite::ShopItemSprite*>(item->duplicate()));
    EXPECT_STREQ(copy->getClassName(), "ShopItemSprite");
    EXPECT_EQ(copy->getKind(), 12);
    EXPECT_EQ(copy->getExtra1(), 5);
    EXPECT_EQ(copy->getExtra2(), 6);
    EXPECT_EQ(copy->getImage(), item->getImage());

    // A short entry and a sprite made by code have no kind.
    auto* shortEntry = static_cast<sprite::ShopItemSprite*>(loader->getSpritesByName()->get("item_8"));
    ASSERT_NE(shortEntry, nullptr);
    EXPECT_EQ(shortEntry->getKind(), -1);
    EXPECT_EQ(shortEntry->getAlpha(), 128);
    lang::Ref<sprite::ShopItemSprite> made = lang::adopt(new sprite::ShopItemSprite);
    EXPECT_EQ(made->getKind(), -1);
    EXPECT_EQ(made->getExtra1(), -1);
}
