// Hit-test geometry.
#include "chart/canvas/HitTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace chart {
namespace {

TEST(PointOnSegment, CollinearPointsBetweenTheEnds) {
  EXPECT_TRUE(PointOnSegment({5, 5}, {0, 0}, {10, 10}, 0));
  EXPECT_TRUE(PointOnSegment({0, 0}, {0, 0}, {10, 10}, 0));
  EXPECT_TRUE(PointOnSegment({4, 2}, {0, 0}, {10, 5}, 0));
  EXPECT_FALSE(PointOnSegment({5, 6}, {0, 0}, {10, 10}, 0));
  // A point within one step of the line counts: c < max(|dx|, |dy|).
  EXPECT_TRUE(PointOnSegment({5, 3}, {0, 0}, {10, 5}, 0));
}

TEST(PointOnSegment, ToleranceWidensOnlyTheEnds) {
  EXPECT_FALSE(PointOnSegment({12, 12}, {0, 0}, {10, 10}, 0));
  EXPECT_TRUE(PointOnSegment({12, 12}, {0, 0}, {10, 10}, 2));
  EXPECT_FALSE(PointOnSegment({13, 13}, {0, 0}, {10, 10}, 2));
  EXPECT_TRUE(PointOnSegment({-2, -2}, {0, 0}, {10, 10}, 2));
  EXPECT_TRUE(PointOnSegment({-2, -2}, {10, 10}, {0, 0}, 2)) << "either direction";
  EXPECT_FALSE(PointOnSegment({5, 8}, {0, 0}, {10, 10}, 5)) << "not the distance from the line";
}

TEST(PointOnSegment, ZeroLengthSegmentContainsNothing) {
  EXPECT_FALSE(PointOnSegment({3, 3}, {3, 3}, {3, 3}, 10));
}

TEST(PointOnSegment, FarCoordinatesDoNotOverflow) {
  EXPECT_TRUE(PointOnSegment({0, 0}, {-2000000000, -2000000000}, {2000000000, 2000000000}, 0));
  EXPECT_FALSE(PointOnSegment({0, 1}, {-2000000000, -2000000000}, {2000000000, 2000000000}, 0));
}

TEST(PolygonContains, CrossingRuleOnASquareAndAConcaveShape) {
  const std::vector<TPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(PolygonContains({5, 5}, square, 3));
  EXPECT_TRUE(PolygonContains({0, 0}, square, 3)) << "top-left edges are inside";
  EXPECT_FALSE(PolygonContains({10, 5}, square, 3)) << "right edge is outside";
  EXPECT_FALSE(PolygonContains({5, 10}, square, 3)) << "bottom edge is outside";
  EXPECT_FALSE(PolygonContains({11, 5}, square, 3));
  const std::vector<TPoint> u{{0, 0}, {3, 0}, {3, 6}, {6, 6}, {6, 0}, {9, 0}, {9, 9}, {0, 9}};
  EXPECT_FALSE(PolygonContains({4, 2}, u, 7));
  EXPECT_TRUE(PolygonContains({1, 2}, u, 7));
}

TEST(PolygonContains, LastIndexSelectsThePointsAndNeverReadsPastThem) {
  const std::vector<TPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_FALSE(PolygonContains({5, 5}, square, -1));
  EXPECT_TRUE(PolygonContains({8, 2}, square, 2)) << "triangle of the first three points";
  EXPECT_FALSE(PolygonContains({2, 8}, square, 2));
  EXPECT_TRUE(PolygonContains({5, 5}, square, 100));
}

TEST(EllipseContains, InsideOnAndOutsideTheInscribedEllipse) {
  const TRect box{0, 0, 20, 10};  // centre (10, 5), a = 10, b = 5
  EXPECT_TRUE(EllipseContains({10, 5}, box));
  EXPECT_TRUE(EllipseContains({0, 5}, box));
  EXPECT_TRUE(EllipseContains({10, 0}, box));
  EXPECT_FALSE(EllipseContains({1, 1}, box));
  EXPECT_FALSE(EllipseContains({21, 5}, box));
  EXPECT_FALSE(EllipseContains({0, 0}, TRect{0, 0, 1, 10})) << "zero half-width";
}

TEST(TriangleContains, UpAndSideTriangles) {
  // (0, 10), (5, 0), (10, 10): apex up.
  EXPECT_TRUE(TriangleContains({5, 5}, 0, 10, 10, 0));
  EXPECT_FALSE(TriangleContains({1, 2}, 0, 10, 10, 0));
  // (0, 0), (10, 5), (0, 10): apex right.
  EXPECT_TRUE(SideTriangleContains({3, 5}, 0, 10, 0, 10));
  EXPECT_FALSE(SideTriangleContains({9, 1}, 0, 10, 0, 10));
}

}  // namespace
}  // namespace chart
