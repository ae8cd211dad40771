#pragma once
// The result of layout: a tree of frames that mirrors the view tree, one node per view node
// (modifiers included), each with its frame in the coordinates of the laid-out root and what
// the renderer needs to draw it. Views themselves never hold coordinates.
//
// Children are in drawing order. A background modifier's node has two children: the
// background first (behind), then the content. A geometry or environment reader's node has the
// view it built as its one child; a component's node its body.
#include <optional>
#include <string>
#include <vector>

#include "Platform/Layout/Measurer.hpp"
#include "Platform/Layout/Proposal.hpp"
#include "Platform/UI/Environment.hpp"
#include "Platform/UI/View.hpp"

namespace layout {

// A text as layout measured it, for the renderer to draw the same.
struct TextLayout {
  std::string string;             // the resolved text, before any truncation
  ui::Font font;
  double scale = 1;               // the font's size is multiplied by this
  bool monospacedDigits = false;
  std::optional<double> maxWidth;
  std::optional<int> lineLimit;   // the limit used: the environment's, or fewer when short of height
  TextAlignment alignment = TextAlignment::leading;
  TextMeasure measure;

  // The request that produced `measure` (it refers to `string`).
  TextRequest request() const {
    return TextRequest{string, font, monospacedDigits, maxWidth, lineLimit, scale, alignment};
  }
};

struct LayoutNode {
  ui::View view;                     // the node laid out
  ui::Rect frame;                    // in the root's coordinates
  ui::Environment environment;       // the values in force at this node
  double opacity = 1;                // the product of the opacities around and at this node
  std::optional<TextLayout> text;    // a text
  std::optional<SymbolMeasure> symbol;  // a symbol image
  std::vector<LayoutNode> children;
};

// Lays `root` out in a region of `size` (the root placed at 0,0, at the size it chooses for
// that offer), measuring texts and symbols with `measurer`.
LayoutNode layoutTree(const ui::View& root, ui::Size size, const Measurer& measurer,
                      const ui::Environment& environment = {});

// The size `view` chooses for `proposal`, without placing it.
ui::Size sizeThatFits(const ui::View& view, const Proposal& proposal, const Measurer& measurer,
                      const ui::Environment& environment = {});

// Depth-first search for the first node whose view is `view`'s node (the same shared node).
const LayoutNode* find(const LayoutNode& tree, const ui::View& view);

}  // namespace layout
