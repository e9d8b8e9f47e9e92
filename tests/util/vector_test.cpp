// util::Vector: exact growth, which side moves on insertion and removal, bounds, references.
#include "ExpectMessage.h"

#include "lang/Integer.h"
#include "lang/Ref.h"
#include "util/Vector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using lang::Integer;
using util::Vector;

namespace {

class VectorTest : public ::testing::Test {
protected:
    // A vector holding Integers 0 to count - 1.
    void fill(Vector& vector, int count)
    {
        for (int i = 0; i < count; ++i)
            vector.addElement(number(i));
    }

    Integer* number(int value)
    {
        numbers.push_back(lang::adopt(new Integer(value)));
        return numbers.back().get();
    }

    static std::vector<int> values(const Vector& vector)
    {
        std::vector<int> out;
        for (int32_t i = 0; i < vector.size(); ++i)
            out.push_back(static_cast<Integer*>(vector.elementAt(i))->intValue());
        return out;
    }

    std::vector<lang::Ref<Integer>> numbers;
};

TEST_F(VectorTest, GrowsByHalfAndAtLeastOne)
{
    Vector vector(2);
    std::vector<int32_t> capacities;
    for (int i = 0; i < 9; ++i) {
        vector.addElement(number(i));
        capacities.push_back(vector.capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int32_t>{2, 2, 3, 4, 6, 6, 9, 9, 9}));
    Vector empty(0);
    empty.addElement(number(0));
    EXPECT_EQ(empty.capacity(), 1);
}

TEST_F(VectorTest, RemovingNearTheFrontMovesTheFront)
{
    Vector vector(10);
    fill(vector, 5);
    vector.removeElementAt(1); // four after it, one before: element 0 moves up
    EXPECT_EQ(values(vector), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(vector.start(), 1);
    vector.removeElementAt(0);
    EXPECT_EQ(values(vector), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(vector.start(), 2);
}

TEST_F(VectorTest, RemovingNearTheBackMovesTheBack)
{
    Vector vector(10);
    fill(vector, 5);
    vector.removeElementAt(3); // element 4 moves down
    EXPECT_EQ(values(vector), (std::vector<int>{0, 1, 2, 4}));
    EXPECT_EQ(vector.start(), 0);
    vector.removeElementAt(2); // equal sides: the back moves
    EXPECT_EQ(values(vector), (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(vector.start(), 0);
}

TEST_F(VectorTest, InsertingUsesTheFreeFrontWhenTheFrontIsShorter)
{
    Vector vector(10);
    fill(vector, 5);
    vector.removeElementAt(0);
    ASSERT_EQ(vector.start(), 1);
    vector.insertElementAt(number(9), 1);
    EXPECT_EQ(values(vector), (std::vector<int>{1, 9, 2, 3, 4}));
    EXPECT_EQ(vector.start(), 0);
    // With no free front the back moves, even for an index near the front.
    vector.insertElementAt(number(8), 1);
    EXPECT_EQ(values(vector), (std::vector<int>{1, 8, 9, 2, 3, 4}));
    EXPECT_EQ(vector.start(), 0);
}

TEST_F(VectorTest, InsertingWithoutRoomAtTheEndUsesTheFront)
{
    Vector vector(5);
    fill(vector, 5);
    vector.removeElementAt(0); // slots 1 to 4 used
    vector.insertElementAt(number(9), 3);
    EXPECT_EQ(values(vector), (std::vector<int>{1, 2, 3, 9, 4}));
    EXPECT_EQ(vector.start(), 0);
    EXPECT_EQ(vector.capacity(), 5);
}

TEST_F(VectorTest, AppendingAtTheEndOfTheBlockSlidesDown)
{
    Vector vector(5);
    fill(vector, 5);
    vector.removeElementAt(0);
    vector.addElement(number(5));
    EXPECT_EQ(values(vector), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(vector.start(), 0);
    EXPECT_EQ(vector.capacity(), 5);
}

TEST_F(VectorTest, IndexesAreChecked)
{
    Vector vector(4);
    fill(vector, 3);
    expectThrowsMessage([&] { vector.elementAt(3); }, "Index out of range");
    expectThrowsMessage([&] { vector.elementAt(-1); }, "Index out of range");
    expectThrowsMessage([&] { vector.removeElementAt(3); }, "Index out of range");
    expectThrowsMessage([&] { vector.insertElementAt(number(7), 4); }, "Index out of bounds");
    expectThrowsMessage([&] { vector.insertElementAt(number(7), -1); }, "Index out of bounds");
    vector.insertElementAt(number(7), 3);
    EXPECT_EQ(values(vector), (std::vector<int>{0, 1, 2, 7}));
    EXPECT_EQ(vector.getMonitorDepth(), 0); // a throw leaves the monitor
}

TEST_F(VectorTest, HoldsOneReferencePerElement)
{
    Vector vector(2);
    Integer* shared = number(1);
    vector.addElement(shared);
    vector.addElement(shared);
    vector.insertElementAt(shared, 0);
    EXPECT_EQ(shared->getRefCount(), 4);
    vector.removeElementAt(1);
    EXPECT_EQ(shared->getRefCount(), 3);

    lang::ObjectArray copy;
    vector.copyInto(copy);
    ASSERT_EQ(copy.length(), 2);
    EXPECT_EQ(copy[0], shared);
    EXPECT_EQ(shared->getRefCount(), 5);
    for (int32_t i = 0; i < copy.length(); ++i)
        copy[i]->release();

    vector.addElement(nullptr);
    vector.removeAllElements();
    EXPECT_EQ(vector.size(), 0);
    EXPECT_EQ(vector.start(), 0);
    EXPECT_EQ(shared->getRefCount(), 1);
}

TEST_F(VectorTest, FindsAndRemovesByEquality)
{
    Vector vector;
    vector.addElement(nullptr);
    fill(vector, 3);
    Integer two(2);
    EXPECT_EQ(vector.indexOf(&two), 3);
    EXPECT_TRUE(vector.removeElement(&two));
    EXPECT_EQ(vector.indexOf(&two), -1);
    EXPECT_FALSE(vector.removeElement(&two));
    EXPECT_EQ(vector.size(), 3);
}

} // namespace
