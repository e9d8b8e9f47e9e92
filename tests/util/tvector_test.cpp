// util::TVector: the storage rules of Vector for plain values.
#include "ExpectMessage.h"

#include "util/TVector.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Particle {
    float x;
    float y;
    int life;
};

std::vector<int> values(const util::TVector<int>& vector)
{
    std::vector<int> out;
    for (int32_t i = 0; i < vector.size(); ++i)
        out.push_back(vector.elementAt(i));
    return out;
}

TEST(TVectorTest, DefaultCapacityIsTenAndGrowthMatchesVector)
{
    util::TVector<int> numbers;
    EXPECT_EQ(numbers.capacity(), 10);
    for (int i = 0; i < 11; ++i)
        numbers.addElement(i);
    EXPECT_EQ(numbers.capacity(), 15);
    for (int i = 11; i < 16; ++i)
        numbers.addElement(i);
    EXPECT_EQ(numbers.capacity(), 22);
    EXPECT_EQ(numbers.elementAt(15), 15);
}

TEST(TVectorTest, InsertAndRemoveMoveTheShorterSide)
{
    util::TVector<int> numbers(10);
    for (int i = 0; i < 5; ++i)
        numbers.addElement(i);
    numbers.removeElementAt(1);
    EXPECT_EQ(values(numbers), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(numbers.start(), 1);
    numbers.insertElementAt(7, 1);
    EXPECT_EQ(values(numbers), (std::vector<int>{0, 7, 2, 3, 4}));
    EXPECT_EQ(numbers.start(), 0);
    numbers.removeElementAt(3);
    EXPECT_EQ(values(numbers), (std::vector<int>{0, 7, 2, 4}));
    EXPECT_EQ(numbers.start(), 0);
    numbers.removeAllElements();
    EXPECT_EQ(numbers.size(), 0);
}

TEST(TVectorTest, HoldsStructsByValue)
{
    util::TVector<Particle> particles(1);
    particles.addElement({1.5f, 2.5f, 10});
    particles.addElement({3.0f, 4.0f, 20});
    particles[0].life -= 1;
    EXPECT_EQ(particles.elementAt(0).life, 9);
    EXPECT_EQ(particles.elementAt(1).x, 3.0f);
    EXPECT_TRUE(particles.isInstanceOf("TVector"));
    EXPECT_TRUE(particles.isInstanceOf("TVectorBase"));
}

TEST(TVectorTest, AddingAnElementOfItselfWhileGrowing)
{
    util::TVector<int> numbers(1);
    numbers.addElement(42);
    for (int i = 0; i < 5; ++i)
        numbers.addElement(numbers[0]);
    EXPECT_EQ(values(numbers), (std::vector<int>{42, 42, 42, 42, 42, 42}));
}

TEST(TVectorTest, IndexesAreChecked)
{
    util::TVector<int> numbers;
    numbers.addElement(1);
    expectThrowsMessage([&] { numbers.elementAt(1); }, "Index out of range");
    expectThrowsMessage([&] { numbers.removeElementAt(-1); }, "Index out of range");
    expectThrowsMessage([&] { numbers.insertElementAt(5, 2); }, "Index out of bounds");
    numbers.insertElementAt(5, 1);
    EXPECT_EQ(values(numbers), (std::vector<int>{1, 5}));
}

} // namespace
