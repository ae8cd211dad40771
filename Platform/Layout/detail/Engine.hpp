#pragma once
// The layout engine's inner workings: one arrange function per kind of node, which answers the
// size a node chooses for an offer and where its children go; placement then walks the
// arrangement down to a frame tree.
#include <optional>
#include <vector>

#include "Platform/Layout/LayoutTree.hpp"
#include "Platform/Layout/Measurer.hpp"
#include "Platform/Layout/Proposal.hpp"
#include "Platform/UI/Node.hpp"

namespace layout::detail {

enum class Axis { horizontal, vertical };

// What a node learns from the container around it: spacers are flexible along the stack
// they are in, through any modifiers in between.
struct Context {
  std::optional<Axis> stackAxis;
};

// A child as its parent places it.
struct ChildPlacement {
  ui::View view;
  ui::Environment environment;
  Context context;
  ui::Point origin;               // in the parent's coordinates
  Proposal proposal;
  std::vector<int> wrappers;      // the groups it was flattened out of, outermost first
  bool placeholder = false;       // stands for an empty group: takes no room, is not drawn
};

// A group, ForEach or environment modifier that a stack lays out as its own children.
struct Wrapper {
  ui::View view;
  ui::Environment environment;
};

struct Arrangement {
  ui::Size size;
  std::optional<double> firstBaseline;  // from the top; absent: the bottom edge
  std::optional<double> lastBaseline;
  std::vector<ChildPlacement> children;
  std::vector<Wrapper> wrappers;
  std::optional<TextLayout> text;
  std::optional<SymbolMeasure> symbol;
  double opacity = 1;  // this node's own opacity
};

class Engine {
 public:
  explicit Engine(const Measurer& measurer) : measurer_(measurer) {}

  Arrangement arrange(const ui::View& view, const Proposal& proposal, const ui::Environment& env,
                      const Context& context) const;
  ui::Size size(const ui::View& view, const Proposal& proposal, const ui::Environment& env,
                const Context& context) const {
    return arrange(view, proposal, env, context).size;
  }
  LayoutNode place(const ui::View& view, ui::Point origin, const Proposal& proposal,
                   const ui::Environment& env, const Context& context, double opacity) const;

  // Kinds that live in their own files.
  Arrangement arrangeStack(const ui::View& view, Axis axis, const Proposal& proposal,
                           const ui::Environment& env) const;
  Arrangement arrangeOverlay(const std::vector<ui::View>& children, ui::Alignment alignment,
                             const Proposal& proposal, const ui::Environment& env) const;
  Arrangement arrangeText(const ui::TextNode& text, const Proposal& proposal, const ui::Environment& env) const;
  Arrangement arrangeModified(const ui::ModifiedNode& node, const Proposal& proposal,
                              const ui::Environment& env, const Context& context) const;

  const Measurer& measurer() const { return measurer_; }

 private:
  const Measurer& measurer_;
};

// The position of an alignment guide in a child of `size`: leading/top 0, centre half,
// trailing/bottom the full length, a text baseline where the child has one.
double guide(ui::HorizontalAlignment alignment, ui::Size size);
double guide(ui::VerticalAlignment alignment, ui::Size size, const Arrangement& arranged);

// The children of a stack or overlay: groups, ForEach and environment modifiers around them
// are opened so that their children are laid out as the container's own.
struct FlatChild {
  ui::View view;
  ui::Environment environment;
  std::vector<int> wrappers;
  bool placeholder = false;
};
void flatten(const std::vector<ui::View>& children, const ui::Environment& env,
             const std::vector<int>& path, std::vector<FlatChild>& out, std::vector<Wrapper>& wrappers);

}  // namespace layout::detail
