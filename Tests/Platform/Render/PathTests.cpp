#include <gtest/gtest.h>

#include <cmath>

#include "Platform/Render/Path.hpp"

namespace render {
namespace {

// Points along every segment of an outline.
std::vector<ui::Point> sample(const Path& path) {
  std::vector<ui::Point> pts;
  ui::Point at;
  for (const auto& e : path.elements()) {
    if (e.kind == PathElement::Kind::moveTo || e.kind == PathElement::Kind::lineTo) {
      at = e.p1;
      pts.push_back(at);
    } else if (e.kind == PathElement::Kind::curveTo) {
      for (int i = 1; i <= 16; ++i) {
        const double t = i / 16.0, u = 1 - t;
        pts.push_back({u * u * u * at.x + 3 * u * u * t * e.p1.x + 3 * u * t * t * e.p2.x + t * t * t * e.p3.x,
                       u * u * u * at.y + 3 * u * u * t * e.p1.y + 3 * u * t * t * e.p2.y + t * t * t * e.p3.y});
      }
      at = e.p3;
    }
  }
  return pts;
}

struct OutlineCase {
  const char* name;
  Shape shape;
};

class Outline : public ::testing::TestWithParam<OutlineCase> {};

// Every outline stays inside its rectangle and touches the middle of each side.
TEST_P(Outline, StaysInsideItsRectAndTouchesEverySide) {
  const Shape& s = GetParam().shape;
  const ui::Rect r = s.rect;
  const auto pts = sample(s.outline());
  ASSERT_FALSE(pts.empty());
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (const auto& p : pts) {
    EXPECT_GE(p.x, r.minX() - 1e-9);
    EXPECT_LE(p.x, r.maxX() + 1e-9);
    EXPECT_GE(p.y, r.minY() - 1e-9);
    EXPECT_LE(p.y, r.maxY() + 1e-9);
    minX = std::min(minX, p.x); maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y); maxY = std::max(maxY, p.y);
  }
  EXPECT_NEAR(minX, r.minX(), 1e-6);
  EXPECT_NEAR(maxX, r.maxX(), 1e-6);
  EXPECT_NEAR(minY, r.minY(), 1e-6);
  EXPECT_NEAR(maxY, r.maxY(), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, Outline,
    ::testing::Values(OutlineCase{"tile", Shape::rounded({0, 0, 170, 170}, 20)},
                      OutlineCase{"banner", Shape::rounded({3, 4, 300, 24}, 7)},
                      OutlineCase{"tight", Shape::rounded({0, 0, 30, 20}, 9)},
                      OutlineCase{"circular", Shape::rounded({0, 0, 50, 40}, 10, CornerStyle::circular)},
                      OutlineCase{"capsule", Shape::capsule({5, 5, 200, 6})},
                      OutlineCase{"tall capsule", Shape::capsule({0, 0, 2, 10})},
                      OutlineCase{"ellipse", Shape::ellipse({0, 0, 40, 20})}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (auto& c : n) if (c == ' ') c = '_';
      return n;
    });

// A continuous corner eases in: it leaves the straight edge further from the vertex than a
// circular corner of the same radius, and cuts the corner less deeply at 45 degrees.
TEST(ContinuousCorner, EasesInFurtherThanACircularCorner) {
  const ui::Rect r{0, 0, 200, 200};
  const Path smooth = roundedRectPath(r, 20, CornerStyle::continuous);
  const Path circle = roundedRectPath(r, 20, CornerStyle::circular);
  EXPECT_NEAR(smooth.elements().front().p1.x, 200 - 20 * 1.52866483, 1e-6);
  EXPECT_NEAR(circle.elements().front().p1.x, 180, 1e-9);
  // Distance of the corner's middle point from the vertex along the diagonal.
  auto cornerDepth = [](const Path& p) {
    double best = 1e9;
    for (const auto& q : sample(p)) if (q.x > 100 && q.y < 100) best = std::min(best, std::hypot(200 - q.x, q.y));
    return best;
  };
  EXPECT_GT(cornerDepth(smooth), cornerDepth(circle));
}

TEST(Capsule, EndsAreHalfCirclesOfHalfTheShortSide) {
  const Shape s = Shape::capsule({0, 0, 100, 10});
  for (const auto& p : sample(s.outline())) {
    if (p.x < 5) {
      EXPECT_NEAR(std::hypot(p.x - 5, p.y - 5), 5, 0.01);
    }
  }
}

TEST(PathValue, TranslatesEveryPoint) {
  Path p;
  p.moveTo({1, 2}).curveTo({3, 4}, {5, 6}, {7, 8}).close();
  Path q;
  q.moveTo({11, 22}).curveTo({13, 24}, {15, 26}, {17, 28}).close();
  EXPECT_EQ(p.translated(10, 20), q);
}

}  // namespace
}  // namespace render
