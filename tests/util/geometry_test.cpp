// Rectangles and regions.
#include "util/Point.h"
#include "util/Dimension.h"
#include "util/RectangleNM.h"
#include "util/Region.h"
#include "util/Vector3D.h"

#include <gtest/gtest.h>

using util::RectangleNM;
using util::Region;

namespace {

TEST(RectangleTest, ContainsTheLeftAndTopEdgesOnly)
{
    const RectangleNM r(10, 20, 5, 4);
    EXPECT_TRUE(r.contains(10, 20));
    EXPECT_TRUE(r.contains(14, 23));
    EXPECT_FALSE(r.contains(15, 23));
    EXPECT_FALSE(r.contains(14, 24));
    EXPECT_FALSE(r.contains(9, 20));
}

TEST(RectangleTest, UnionAndIntersection)
{
    const RectangleNM a(0, 0, 10, 10);
    const RectangleNM b(5, -5, 10, 10);
    const RectangleNM both = a.unionWith(b);
    EXPECT_EQ(both.x, 0);
    EXPECT_EQ(both.y, -5);
    EXPECT_EQ(both.width, 15);
    EXPECT_EQ(both.height, 15);
    const RectangleNM overlap = a.intersect(b);
    const RectangleNM expected(5, 0, 5, 5);
    EXPECT_TRUE(overlap.equals(&expected));
    // Touching edges do not overlap: all four fields become 0.
    const RectangleNM touching = a.intersect(RectangleNM(10, 3, 4, 4));
    EXPECT_EQ(touching.x, 0);
    EXPECT_EQ(touching.y, 0);
    EXPECT_EQ(touching.width, 0);
    EXPECT_EQ(touching.height, 0);
}

TEST(RectangleTest, EqualityAndHash)
{
    const RectangleNM r(1, 2, 3, 4);
    const RectangleNM same(1, 2, 3, 4);
    const util::Point point(1, 2);
    EXPECT_TRUE(r.equals(&same));
    EXPECT_FALSE(r.equals(&point));
    EXPECT_FALSE(r.equals(nullptr));
    EXPECT_EQ(r.hashCode(), 0x01020304);
    // Wrapping arithmetic: ((((x * 256) + y) * 256 + w) * 256) + h.
    EXPECT_EQ(RectangleNM(-1, 0, 0, 1).hashCode(), static_cast<int32_t>(0xFF000001u));
    EXPECT_EQ(RectangleNM(0x12345, 0, 0, 0).hashCode(), 0x45000000);
    EXPECT_TRUE(r.isInstanceOf("Rectangle"));
    EXPECT_STREQ(r.getClassName(), "Rectangle");
}

int64_t area(const Region& region)
{
    int64_t total = 0;
    for (const RectangleNM& part : region.getRectangles())
        total += static_cast<int64_t>(part.width) * part.height;
    return total;
}

bool partsOverlap(const Region& region)
{
    const auto& parts = region.getRectangles();
    for (size_t i = 0; i < parts.size(); ++i) {
        for (size_t j = i + 1; j < parts.size(); ++j) {
            if (!parts[i].intersect(parts[j]).isEmpty())
                return true;
        }
    }
    return false;
}

TEST(RegionTest, OverlappingRectanglesCoverTheirUnionOnce)
{
    Region region;
    EXPECT_TRUE(region.isEmpty());
    region.add(0, 0, 10, 10);
    region.add(5, 5, 10, 10);
    region.add(2, 2, 3, 3);     // inside already
    region.add(20, 0, 0, 50);   // no width: nothing
    EXPECT_EQ(area(region), 100 + 100 - 25);
    EXPECT_FALSE(partsOverlap(region));
    const RectangleNM bounds = region.getBounds();
    EXPECT_EQ(bounds.width, 15);
    EXPECT_EQ(bounds.height, 15);
}

TEST(RegionTest, IntersectsOnlyWhereItHasPixels)
{
    Region region;
    region.add(RectangleNM(0, 0, 10, 10));
    region.add(RectangleNM(20, 20, 10, 10));
    EXPECT_TRUE(region.intersects(RectangleNM(9, 9, 5, 5)));
    EXPECT_FALSE(region.intersects(RectangleNM(10, 10, 10, 10))); // the gap between them
    EXPECT_TRUE(region.intersects(RectangleNM(15, 15, 6, 6)));
    EXPECT_FALSE(region.intersects(RectangleNM(5, 5, 0, 3)));
    region.offset(100, 0);
    EXPECT_FALSE(region.intersects(RectangleNM(9, 9, 5, 5)));
    EXPECT_TRUE(region.intersects(RectangleNM(109, 9, 5, 5)));
    region.clear();
    EXPECT_FALSE(region.intersects(RectangleNM(0, 0, 1000, 1000)));
    EXPECT_EQ(region.getBounds().width, 0);
}

TEST(RegionTest, ManyOverlapsStayDisjoint)
{
    Region region;
    int64_t expected = 0;
    // A staircase of 8x8 squares, each overlapping the last by a 4x4 corner.
    for (int i = 0; i < 20; ++i) {
        region.add(i * 4, i * 4, 8, 8);
        expected += i == 0 ? 64 : 48;
    }
    EXPECT_EQ(area(region), expected);
    EXPECT_FALSE(partsOverlap(region));
}

TEST(GeometryTest, DefaultsOfTheSmallValueClasses)
{
    const util::Vector3D up;
    EXPECT_EQ(up.z, 1.0f);
    const util::Vector3D flat(2.0f, 3.0f);
    EXPECT_EQ(flat.z, 1.0f);
    EXPECT_EQ(util::Vector3D(1, 2, 3).z, 3.0f);
    EXPECT_EQ(util::Dimension(4, 5).height, 5);
    EXPECT_STREQ(util::Point().getClassName(), "Point");
}

} // namespace
