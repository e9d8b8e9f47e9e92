// The class registry: registration by construction, lookup by name, creation by name.
#include "lang/Class.h"
#include "lang/Ref.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class Gadget : public lang::Object {
public:
    struct GadgetClass : lang::ClassOf<Gadget> {
        using ClassOf::ClassOf;
    };

    bool isInstanceOf(const char* name) const override
    {
        return std::strcmp(name, "Gadget") == 0 || Object::isInstanceOf(name);
    }
    const char* getClassName() const override { return "Gadget"; }
};

// This test program registers no class statically, so the registry starts out absent.
TEST(ClassTest, ForNameWithoutRegistryGivesNull)
{
    EXPECT_EQ(lang::Class::forName(lang::String("Gadget")), nullptr);
}

TEST(ClassTest, RegisteredNameCreatesItsClass)
{
    // The registered name differs from the class's own, as "Sprite" does for ImageSprite.
    Gadget::GadgetClass gadgetClass{lang::String("Widget")};
    lang::Class* found = lang::Class::forName(lang::String("Widget"));
    ASSERT_EQ(found, &gadgetClass);
    EXPECT_STREQ(found->getName().c_str(), "Widget");
    EXPECT_EQ(lang::Class::forName(lang::String("Gadget")), nullptr);
    EXPECT_EQ(lang::Class::forName(lang::String("widget")), nullptr);
    EXPECT_TRUE(found->isInstanceOf("Class"));

    lang::Ref<lang::Object> made = lang::adopt(found->newInstance());
    ASSERT_TRUE(made);
    EXPECT_EQ(made->getRefCount(), 1);
    EXPECT_TRUE(made->isInstanceOf("Gadget"));
    EXPECT_STREQ(made->getClassName(), "Gadget");
}

TEST(ClassTest, DestroyingTheLastClassEmptiesTheRegistry)
{
    {
        Gadget::GadgetClass first{lang::String("First")};
        {
            Gadget::GadgetClass second{lang::String("Second")};
            EXPECT_NE(lang::Class::forName(lang::String("Second")), nullptr);
        }
        EXPECT_EQ(lang::Class::forName(lang::String("Second")), nullptr);
        EXPECT_EQ(lang::Class::forName(lang::String("First")), &first);
        // The registry's reference is the only extra one on a class object.
        EXPECT_EQ(first.getRefCount(), 2);
    }
    EXPECT_EQ(lang::Class::forName(lang::String("First")), nullptr);
}

} // namespace
