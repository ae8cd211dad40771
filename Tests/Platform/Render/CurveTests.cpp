#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Platform/Render/Decimate.hpp"
#include "Platform/Render/MonotoneCurve.hpp"

namespace render {
namespace {

ui::Point bezier(ui::Point a, const PathElement& e, double t) {
  const double u = 1 - t;
  return {u * u * u * a.x + 3 * u * u * t * e.p1.x + 3 * u * t * t * e.p2.x + t * t * t * e.p3.x,
          u * u * u * a.y + 3 * u * u * t * e.p1.y + 3 * u * t * t * e.p2.y + t * t * t * e.p3.y};
}

struct SeriesCase {
  const char* name;
  std::vector<ui::Point> points;
};

class Monotone : public ::testing::TestWithParam<SeriesCase> {};

// Between two neighbours the curve stays within their values and moves forward in x; it meets
// every point.
TEST_P(Monotone, PassesThroughEveryPointWithoutOvershooting) {
  const auto& pts = GetParam().points;
  const Path path = monotoneCurve(pts);
  ASSERT_EQ(path.elements().size(), pts.size());
  EXPECT_EQ(path.elements()[0].p1, pts[0]);
  for (std::size_t i = 1; i < pts.size(); ++i) {
    const PathElement& e = path.elements()[i];
    const ui::Point end = e.kind == PathElement::Kind::curveTo ? e.p3 : e.p1;
    EXPECT_EQ(end, pts[i]) << "segment " << i;
    if (e.kind != PathElement::Kind::curveTo) continue;
    const double lo = std::min(pts[i - 1].y, pts[i].y), hi = std::max(pts[i - 1].y, pts[i].y);
    double lastX = pts[i - 1].x;
    for (int k = 1; k <= 64; ++k) {
      const ui::Point q = bezier(pts[i - 1], e, k / 64.0);
      EXPECT_GE(q.y, lo - 1e-9) << "segment " << i << " at " << k;
      EXPECT_LE(q.y, hi + 1e-9) << "segment " << i << " at " << k;
      EXPECT_GE(q.x, lastX - 1e-9);
      lastX = q.x;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Series, Monotone,
    ::testing::Values(
        SeriesCase{"two_points", {{0, 10}, {100, 50}}},
        SeriesCase{"steady_rise", {{0, 10}, {10, 20}, {20, 35}, {30, 80}, {40, 82}}},
        SeriesCase{"peak_and_trough", {{0, 50}, {10, 90}, {20, 20}, {30, 60}, {40, 55}}},
        SeriesCase{"plateau", {{0, 20}, {10, 80}, {20, 80}, {30, 80}, {40, 30}}},
        SeriesCase{"jump_after_flat", {{0, 50}, {30, 50}, {31, 100}, {60, 100}}},
        SeriesCase{"uneven_steps", {{0, 0}, {1, 40}, {50, 45}, {51, 90}, {100, 91}}},
        SeriesCase{"repeated_x", {{0, 10}, {10, 40}, {10, 60}, {20, 70}}},
        SeriesCase{"daily_level", {{0, 80}, {3, 76}, {6, 71}, {9, 66}, {12, 80}, {15, 90}, {18, 90}, {21, 70}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Monotone, TangentsAreFlatAtTurnsAndPlateaus) {
  const auto m = monotoneTangents({{0, 50}, {10, 90}, {20, 20}, {30, 20}, {40, 60}});
  EXPECT_EQ(m[1], 0);  // peak
  EXPECT_EQ(m[2], 0);  // start of a flat step
  EXPECT_EQ(m[3], 0);  // end of a flat step
  EXPECT_GT(m[4], 0);
}

TEST(Decimate, KeepsEachColumnsFirstLowestHighestAndLast) {
  // Ten points in one column: first at 5, a low at 1, a high at 9, last at 4.
  std::vector<ui::Point> pts{{0.0, 5}, {0.1, 3}, {0.2, 1}, {0.3, 2}, {0.4, 9}, {0.5, 6}, {0.6, 7}, {0.7, 5}, {0.8, 6}, {0.9, 4}};
  const std::vector<ui::Point> expected{{0.0, 5}, {0.2, 1}, {0.4, 9}, {0.9, 4}};
  EXPECT_EQ(decimate(pts, 0, 1), expected);
}

TEST(Decimate, AHugeSeriesShrinksToAFewPointsPerColumnAndKeepsItsExtremes) {
  std::vector<ui::Point> pts;
  for (int i = 0; i < 100000; ++i) pts.push_back({i * 0.003, 50 + 40 * std::sin(i * 0.001)});
  pts[54321].y = 200;  // a spike
  const auto out = decimate(pts, 0, 0.5);
  const double columns = std::ceil(pts.back().x / 0.5) + 1;
  EXPECT_LE(double(out.size()), 4 * columns);
  EXPECT_EQ(out.front(), pts.front());
  EXPECT_EQ(out.back(), pts.back());
  EXPECT_TRUE(std::any_of(out.begin(), out.end(), [](const ui::Point& p) { return p.y == 200; }));
  EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](const ui::Point& a, const ui::Point& b) { return a.x < b.x; }));
}

TEST(Decimate, LeavesShortSeriesAlone) {
  const std::vector<ui::Point> pts{{0, 1}, {0.1, 2}};
  EXPECT_EQ(decimate(pts, 0, 1), pts);
}

}  // namespace
}  // namespace render
