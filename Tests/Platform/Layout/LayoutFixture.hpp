#pragma once
// Lays views out with the deterministic test measurer and finds the frames of tagged views.
#include <gtest/gtest.h>

#include "Platform/Layout/LayoutTree.hpp"
#include "Platform/Layout/TestMeasurer.hpp"
#include "Platform/UI/Describe.hpp"
#include "Platform/UI/UI.hpp"

// Lengths in points, equal up to rounding in the last places.
#define EXPECT_PT(actual, expected) EXPECT_NEAR((actual), (expected), 1e-9)

namespace layout::testing {

class LayoutTest : public ::testing::Test {
 protected:
  LayoutNode lay(const ui::View& root, double width, double height) {
    tree_ = layoutTree(root, {width, height}, measurer_);
    return tree_;
  }
  // The frame of the node that `view` is (the same shared node) in the last layout.
  ui::Rect frameOf(const ui::View& view) const {
    const LayoutNode* node = find(tree_, view);
    EXPECT_NE(node, nullptr) << "view not in the laid-out tree";
    return node ? node->frame : ui::Rect{};
  }
  const LayoutNode& nodeOf(const ui::View& view) const {
    const LayoutNode* node = find(tree_, view);
    if (!node) throw std::runtime_error("view not in the laid-out tree");
    return *node;
  }

  TestMeasurer measurer_;
  LayoutNode tree_;
};

// A text of `chars` characters in a system font of `size`: chars × size/2 wide, 1.2 × size high.
inline ui::View text(int chars, double size) {
  return ui::Text::verbatim(std::string(static_cast<size_t>(chars), 'x')).font(ui::Font::system(size));
}

}  // namespace layout::testing
