// util::Hashtable: bucket choice, rehash size and moment, shadowing, references, enumerations.
#include "lang/Integer.h"
#include "lang/Ref.h"
#include "util/Hashtable.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using lang::Integer;
using lang::Ref;
using lang::String;
using util::Hashtable;

namespace {

TEST(HashtableTest, RehashesToFourBucketsPerEntryWhenHalfFull)
{
    Hashtable table;
    EXPECT_EQ(table.bucketCount(), 100);
    for (int i = 0; i < 50; ++i)
        table.put(("key" + std::to_string(i)).c_str(), nullptr);
    EXPECT_EQ(table.bucketCount(), 100);
    table.put("key50", nullptr); // 51 * 2 > 100
    EXPECT_EQ(table.bucketCount(), 204);
    for (int i = 51; i < 102; ++i)
        table.put(("key" + std::to_string(i)).c_str(), nullptr);
    EXPECT_EQ(table.bucketCount(), 204); // 102 * 2 is not above 204
    table.put("key102", nullptr);
    EXPECT_EQ(table.bucketCount(), 412);
    for (int i = 0; i < 103; ++i)
        EXPECT_TRUE(table.containsKey(("key" + std::to_string(i)).c_str())) << i;
}

TEST(HashtableTest, ASecondPutShadowsTheFirstUntilRemoved)
{
    Hashtable table;
    Ref<Integer> first = lang::adopt(new Integer(1));
    Ref<Integer> second = lang::adopt(new Integer(2));
    table.put("k", first.get());
    table.put("k", second.get());
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(table.get("k"), second.get());
    EXPECT_TRUE(table.remove("k"));
    EXPECT_EQ(table.get("k"), first.get());
    EXPECT_TRUE(table.remove("k"));
    EXPECT_EQ(table.get("k"), nullptr);
    EXPECT_FALSE(table.remove("k"));
    EXPECT_EQ(table.size(), 0);
}

TEST(HashtableTest, ShadowingSurvivesRehashing)
{
    Hashtable table;
    Ref<Integer> older = lang::adopt(new Integer(1));
    Ref<Integer> newer = lang::adopt(new Integer(2));
    table.put("k", older.get());
    table.put("k", newer.get());
    for (int i = 0; i < 300; ++i)
        table.put(("filler" + std::to_string(i)).c_str(), nullptr);
    ASSERT_GT(table.bucketCount(), 204); // rehashed more than once
    EXPECT_EQ(table.get("k"), newer.get());
    table.remove("k");
    EXPECT_EQ(table.get("k"), older.get());
}

TEST(HashtableTest, NegativeHashesFindTheirBucket)
{
    Hashtable table;
    Ref<Integer> key = lang::adopt(new Integer(-7));
    Ref<Integer> lowest = lang::adopt(new Integer(INT_MIN));
    table.put(key.get(), key.get());
    table.put(lowest.get(), lowest.get());
    Integer probe(-7);
    Integer probeLowest(INT_MIN);
    EXPECT_EQ(table.get(&probe), key.get());
    EXPECT_EQ(table.get(&probeLowest), lowest.get());
    Integer seven(7);
    EXPECT_EQ(table.get(&seven), nullptr); // same bucket, different key
}

TEST(HashtableTest, HoldsReferencesOnKeysAndValues)
{
    Hashtable table;
    Ref<Integer> key = lang::adopt(new Integer(5));
    Ref<Integer> value = lang::adopt(new Integer(6));
    table.put(key.get(), value.get());
    EXPECT_EQ(key->getRefCount(), 2);
    EXPECT_EQ(value->getRefCount(), 2);
    EXPECT_EQ(table.get(key.get()), value.get());
    EXPECT_EQ(value->getRefCount(), 2); // get lends, it does not add
    table.remove(key.get());
    EXPECT_EQ(key->getRefCount(), 1);
    EXPECT_EQ(value->getRefCount(), 1);
    table.put(key.get(), value.get());
    table.clear();
    EXPECT_EQ(table.size(), 0);
    EXPECT_EQ(value->getRefCount(), 1);
}

TEST(HashtableTest, StringKeysAreCopied)
{
    Hashtable table;
    String name("logo");
    Ref<Integer> value = lang::adopt(new Integer(1));
    table.put(name, value.get());
    name.setCharAt(0, 'x');
    EXPECT_EQ(table.get("logo"), value.get());
    EXPECT_EQ(table.get(String("logo")), value.get());
    EXPECT_EQ(table.get(name), nullptr);
    EXPECT_EQ(table.get("LOGO"), nullptr);
}

TEST(HashtableTest, EnumerationsWalkBucketsInOrderOverASnapshot)
{
    Hashtable table;
    std::vector<Ref<Integer>> keys;
    for (int value : {3, 1, 2, 103}) {
        keys.push_back(lang::adopt(new Integer(value)));
        table.put(keys.back().get(), keys.back().get());
    }
    Ref<util::Enumeration> walk = lang::adopt(table.keys());
    EXPECT_EQ(keys[0]->getRefCount(), 4); // ours, the table's key and value, the snapshot's
    table.clear();
    // Buckets 1, 2, then 3, where 103 went in after 3 and so heads the chain.
    std::vector<int> seen;
    while (walk->hasMoreElements())
        seen.push_back(static_cast<Integer*>(walk->nextElement())->intValue());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 103, 3}));
    EXPECT_EQ(walk->nextElement(), nullptr);
    walk.reset();
    EXPECT_EQ(keys[0]->getRefCount(), 1);

    table.put("only", keys[1].get());
    Ref<util::Enumeration> values = lang::adopt(table.elements());
    ASSERT_TRUE(values->hasMoreElements());
    EXPECT_EQ(values->nextElement(), keys[1].get());
    EXPECT_FALSE(values->hasMoreElements());
}

} // namespace
