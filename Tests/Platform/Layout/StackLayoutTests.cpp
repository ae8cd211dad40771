#include <gtest/gtest.h>

#include "LayoutFixture.hpp"

namespace layout::testing {
namespace {

using ui::infinity;

class StackLayout : public LayoutTest {};

// A tile-like column: a label at the top, a spacer, then a number, a bar and two lines of text,
// filling the region it is offered.
struct Column {
  ui::View top = text(10, 10);
  ui::View spacer = ui::Spacer(0);
  ui::View number = text(2, 40);
  ui::View bar = ui::GeometryReader([](const ui::GeometryProxy&) { return ui::Capsule(); }).frame(std::nullopt, 6);
  ui::View line = text(12, 12);
  ui::View last = text(8, 10);
  ui::View view = ui::VStack(ui::HorizontalAlignment::leading, 0,
                             {top, spacer, number, bar.padding(ui::EdgeSet::vertical(), 6), line, last})
                      .frame({.maxWidth = infinity, .maxHeight = infinity, .alignment = ui::Alignment::leading()});
};

class SpacerAtHeight : public StackLayout, public ::testing::WithParamInterface<double> {};

TEST_P(SpacerAtHeight, KeepsTheTopChildAtTheTopAndTheRestAtTheBottom) {
  const double height = GetParam();
  Column c;
  lay(c.view, 158, height);
  const double fixed = 12 + 48 + (6 + 12) + 14.4 + 12;  // everything but the spacer
  EXPECT_PT(frameOf(c.top).y, 0);
  EXPECT_PT(frameOf(c.spacer).height, height - fixed);
  EXPECT_PT(frameOf(c.number).y, height - fixed + 12);
  EXPECT_PT(frameOf(c.last).maxY(), height);
  EXPECT_PT(frameOf(c.line).maxY(), height - 12);
  EXPECT_PT(frameOf(c.bar).width, 158);  // the bar takes the column's width
  EXPECT_PT(frameOf(c.last).x, 0);       // leading alignment
}

INSTANTIATE_TEST_SUITE_P(Heights, SpacerAtHeight, ::testing::Values(120.0, 158.0, 170.0, 376.0));

// A fixed-width column beside a flexible one, as a wide tile lays them out.
class FixedBesideFlexible : public StackLayout, public ::testing::WithParamInterface<double> {};

TEST_P(FixedBesideFlexible, TheFixedChildKeepsItsWidthAndTheOtherTakesTheRest) {
  const double width = GetParam();
  ui::View left = Column{}.view.frame(128, std::nullopt);
  ui::View rightLast = text(20, 10);
  // The row with a spacer makes the column as wide as it is offered.
  ui::View row = ui::HStack({text(5, 10), ui::Spacer(4), text(4, 10)});
  ui::View right = ui::VStack(ui::HorizontalAlignment::leading, 7, {text(11, 10), row, ui::Spacer(0), rightLast});
  lay(ui::HStack(ui::VerticalAlignment::center, 16, {left, right}), width, 158);
  EXPECT_PT(frameOf(left).width, 128);
  EXPECT_PT(frameOf(left).x, 0);
  EXPECT_PT(frameOf(right).x, 144);
  EXPECT_PT(frameOf(right).width, width - 144);
  // The column's spacer pushes its last child to the bottom edge.
  EXPECT_PT(frameOf(rightLast).maxY(), 158);
}

INSTANTIATE_TEST_SUITE_P(Widths, FixedBesideFlexible, ::testing::Values(250.0, 329.0, 364.0, 600.0));

TEST_F(StackLayout, AFlexibleColumnWithASpacerKeepsItsLastChildAtTheBottomEdge) {
  for (double height : {60.0, 200.0, 345.0}) {
    ui::View last = text(5, 10);
    ui::View column = ui::VStack(ui::HorizontalAlignment::leading, 10, {text(5, 10), ui::Spacer(0), last})
                          .frame({.maxWidth = infinity, .maxHeight = infinity});
    lay(column, 300, height);
    EXPECT_PT(frameOf(last).maxY(), height) << "height " << height;
    EXPECT_PT(frameOf(column).height, height);
  }
}

TEST_F(StackLayout, AlignsTextsOfDifferentSizesOnTheirFirstBaseline) {
  ui::View big = ui::Text::verbatim("7").font(ui::Font::system(40, ui::Weight::semibold, ui::Design::rounded));
  ui::View small = ui::Text::verbatim("%").font(ui::Font::system(20, ui::Weight::semibold, ui::Design::rounded));
  lay(ui::HStack(ui::VerticalAlignment::firstTextBaseline, 1, {big, small}), 200, 100);
  const ui::Rect b = frameOf(big), s = frameOf(small);
  EXPECT_PT(b.y + 0.9 * 40, s.y + 0.9 * 20);
  EXPECT_PT(s.x, b.maxX() + 1);
  EXPECT_PT(b.y, 0);  // the taller text decides the top
}

TEST_F(StackLayout, AlignsChildrenAcrossTheStack) {
  struct Case {
    ui::HorizontalAlignment alignment;
    double x;
  };
  const Case cases[] = {{ui::HorizontalAlignment::leading, 0},
                        {ui::HorizontalAlignment::center, 10},
                        {ui::HorizontalAlignment::trailing, 20}};
  for (const auto& c : cases) {
    ui::View narrow = text(2, 10);  // 10 wide beside a 30-wide sibling
    lay(ui::VStack(c.alignment, {text(6, 10), narrow}), 300, 300);
    EXPECT_PT(frameOf(narrow).x, c.x) << ui::describe(c.alignment);
  }
}

TEST_F(StackLayout, SharesSpaceByFlexibilityLeastFlexibleFirst) {
  // A fixed 50-point child, then two flexible ones that divide the rest evenly.
  ui::View fixed = ui::Rectangle().frame(50, 10);
  ui::View a = ui::Rectangle();
  ui::View b = ui::Capsule();
  lay(ui::HStack(10, {a, fixed, b}), 270, 20);
  EXPECT_PT(frameOf(fixed).width, 50);
  EXPECT_PT(frameOf(a).width, 100);
  EXPECT_PT(frameOf(b).width, 100);
  EXPECT_PT(frameOf(fixed).x, 110);
  EXPECT_PT(frameOf(b).x, 170);
}

TEST_F(StackLayout, SpacersTakeTheRoomLeftButNeverLessThanTheirMinimum) {
  struct Case {
    double width, spacer;
  };
  // Two 20-point texts, default spacing on both sides of the spacer.
  const Case cases[] = {{100, 44}, {60, 4}, {200, 144}};
  for (const auto& c : cases) {
    ui::View left = text(4, 10), spacer = ui::Spacer(4), right = text(4, 10);
    lay(ui::HStack({left, spacer, right}), c.width, 20);
    EXPECT_PT(frameOf(spacer).width, c.spacer);
    EXPECT_PT(frameOf(left).x, 0);
    EXPECT_PT(frameOf(right).maxX(), c.width);
  }
  ui::View spacer = ui::Spacer(4);
  lay(ui::HStack({text(10, 10), spacer, text(10, 10)}), 30, 20);
  EXPECT_GE(frameOf(spacer).width, 4);
}

TEST_F(StackLayout, ALongNameIsCutBeforeTheSpacerGivesUpItsSlack) {
  // A row of name, spacer and value: the value keeps its width, the spacer its minimum, and
  // the name takes the rest and is cut.
  ui::View name = ui::Text::verbatim(std::string(60, 'n')).font(ui::Font::system(10)).lineLimit(1);
  ui::View spacer = ui::Spacer(4);
  ui::View value = ui::Text::verbatim("1.8 W").font(ui::Font::system(10));
  lay(ui::HStack({name, spacer, value}), 180, 20);
  EXPECT_PT(frameOf(value).width, 25);
  EXPECT_PT(frameOf(value).maxX(), 180);
  EXPECT_PT(frameOf(spacer).width, 4);
  EXPECT_PT(frameOf(name).width, 180 - 25 - 4 - 16);
}

TEST_F(StackLayout, DefaultSpacingAppliesWhenNoneIsGiven) {
  ui::View a = text(2, 10), b = text(2, 10);
  lay(ui::VStack({a, b}), 100, 100);
  EXPECT_PT(frameOf(b).y - frameOf(a).maxY(), ui::defaultSpacing);
}

TEST_F(StackLayout, LaysOutForEachElementsAsItsOwnChildren) {
  const std::vector<std::string> names{"one", "two", "three"};
  std::vector<ui::View> rows;
  ui::View list = ui::ForEach(names, [](const std::string& n) { return n; },
                              [&](const std::string& n) {
                                rows.push_back(ui::Text::verbatim(n).font(ui::Font::system(10)));
                                return rows.back();
                              });
  ui::View heading = text(4, 10);
  ui::View empty = ui::ForEach(std::vector<int>{}, [](int i) { return i; }, [](int) { return ui::EmptyView(); });
  lay(ui::VStack(ui::HorizontalAlignment::leading, 6, {heading, empty, list}), 100, 200);
  // Each element is spaced like a child; the empty ForEach takes no room and no spacing.
  EXPECT_PT(frameOf(rows[0]).y, 12 + 6);
  EXPECT_PT(frameOf(rows[1]).y, 12 + 6 + 12 + 6);
  EXPECT_PT(frameOf(rows[2]).y, 12 + 6 + 2 * (12 + 6));
  // The ForEach keeps its place in the frame tree, spanning its elements.
  EXPECT_PT(frameOf(list).y, frameOf(rows[0]).y);
  EXPECT_PT(frameOf(list).maxY(), frameOf(rows[2]).maxY());
  EXPECT_EQ(nodeOf(list).children.size(), 3u);
  EXPECT_PT(frameOf(empty).height, 0);
}

TEST_F(StackLayout, EnvironmentFlowsIntoOpenedGroups) {
  ui::View inner = ui::Text::verbatim("ab");
  lay(ui::VStack({ui::Group({inner}).font(ui::Font::system(20))}), 100, 100);
  EXPECT_PT(frameOf(inner).width, 20);  // 2 characters at 20 points
  EXPECT_PT(nodeOf(inner).environment.font.pointSize(), 20);
}

TEST_F(StackLayout, OverlaysAlignChildrenOnOneAnother) {
  struct Case {
    ui::Alignment alignment;
    double x, y;
  };
  const Case cases[] = {{ui::Alignment::leading(), 0, 5},
                        {ui::Alignment::center(), 20, 5},
                        {ui::Alignment::bottomTrailing(), 40, 10},
                        {ui::Alignment::topLeading(), 0, 0}};
  for (const auto& c : cases) {
    ui::View back = ui::Rectangle().frame(60, 20);
    ui::View front = ui::Rectangle().frame(20, 10);
    ui::View stack = ui::ZStack(c.alignment, {back, front});
    lay(stack, 300, 300);
    EXPECT_PT(frameOf(front).x, c.x) << ui::describe(c.alignment);
    EXPECT_PT(frameOf(front).y, c.y) << ui::describe(c.alignment);
    EXPECT_EQ(frameOf(stack).size(), (ui::Size{60, 20}));
  }
}

}  // namespace
}  // namespace layout::testing
