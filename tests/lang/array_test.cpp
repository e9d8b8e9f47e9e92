// The plain arrays: zero-filled creation, resizing that keeps the prefix, assignment.
#include "lang/Array.h"

#include <gtest/gtest.h>

namespace {

TEST(ArrayTest, ResizeKeepsThePrefixAndZeroFillsTheRest)
{
    lang::IntArray numbers(3);
    EXPECT_EQ(numbers[0], 0);
    numbers[0] = 7;
    numbers[2] = 9;
    numbers.resize(5);
    ASSERT_EQ(numbers.length(), 5);
    EXPECT_EQ(numbers[0], 7);
    EXPECT_EQ(numbers[2], 9);
    EXPECT_EQ(numbers[3], 0);
    EXPECT_EQ(numbers[4], 0);
    numbers.resize(1);
    numbers.resize(3);
    EXPECT_EQ(numbers[0], 7);
    EXPECT_EQ(numbers[2], 0);
    numbers.resize(-4);
    EXPECT_EQ(numbers.length(), 0);
}

TEST(ArrayTest, AssignmentCopiesTheElements)
{
    lang::ByteArray source(2);
    source[0] = 0xAB;
    source[1] = 0xCD;
    lang::ByteArray target(7);
    target = source;
    ASSERT_EQ(target.length(), 2);
    EXPECT_EQ(target[1], 0xCD);
    source[1] = 0;
    EXPECT_EQ(target[1], 0xCD);
    EXPECT_EQ(target.getMonitorDepth(), 0);
}

TEST(ArrayTest, ObjectArraysHoldNoReferences)
{
    lang::String text("x");
    lang::StringArray strings(1);
    strings[0] = &text;
    EXPECT_EQ(text.getRefCount(), 1);
    EXPECT_EQ(strings.at(0), &text);
    EXPECT_TRUE(strings.isInstanceOf("StringArray"));
    EXPECT_TRUE(strings.isInstanceOf("ObjectArray"));
    EXPECT_TRUE(strings.isInstanceOf("Object"));
    EXPECT_FALSE(lang::IntArray().isInstanceOf("ObjectArray"));
}

} // namespace
