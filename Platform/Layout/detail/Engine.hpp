#pragma once
// The layout engine's inner workings: one arrange function per kind of node, which answers the
// size a node chooses for an offer and where its children go; placement then walks the
// arrangement down to a frame tree.
#include <map>
#include <optional>
#include <string>
#include <tuple>
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

// The environment in force at a node, and its identity within one layout: the root's is 0;
// each environment modifier on the way down gives a new one, so two nodes with the same
// identity see the same values, and a node's arrangement for an offer can be remembered.
struct Scope {
  ui::Environment environment;
  int id = 0;
};

// A child as its parent places it.
struct ChildPlacement {
  ui::View view;
  Scope scope;
  Context context;
  ui::Point origin;               // in the parent's coordinates
  Proposal proposal;
  std::vector<int> wrappers;      // the groups it was flattened out of, outermost first
  bool placeholder = false;       // stands for an empty group: takes no room, is not drawn
};

// A group, ForEach or environment modifier that a stack lays out as its own children.
struct Wrapper {
  ui::View view;
  Scope scope;
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

// A child of a stack or overlay after groups around it were opened.
struct FlatChild {
  ui::View view;
  Scope scope;
  std::vector<int> wrappers;
  bool placeholder = false;
};

class Engine {
 public:
  explicit Engine(const Measurer& measurer) : measurer_(measurer) {}

  // The size a node chooses for an offer and where its children go; remembered for the
  // layout, since stacks ask their children about several offers.
  const Arrangement& arrange(const ui::View& view, const Proposal& proposal, const Scope& scope,
                             const Context& context) const;
  ui::Size size(const ui::View& view, const Proposal& proposal, const Scope& scope, const Context& context) const {
    return arrange(view, proposal, scope, context).size;
  }
  LayoutNode place(const ui::View& view, ui::Point origin, const Proposal& proposal, const Scope& scope,
                   const Context& context, double opacity) const;

  // The scope inside an environment modifier (`modified` holds a ModifiedNode).
  Scope enter(const Scope& outer, const ui::View& modified) const;

  // Kinds that live in their own files.
  Arrangement arrangeStack(const ui::View& view, Axis axis, const Proposal& proposal, const Scope& scope) const;
  Arrangement arrangeOverlay(const std::vector<ui::View>& children, ui::Alignment alignment,
                             const Proposal& proposal, const Scope& scope) const;
  Arrangement arrangeText(const ui::TextNode& text, const Proposal& proposal, const Scope& scope) const;
  Arrangement arrangeModified(const ui::View& view, const Proposal& proposal, const Scope& scope,
                              const Context& context) const;

  // The flattened children of a stack or overlay: groups, ForEach and environment modifiers
  // around them are opened so that their children are laid out as the container's own.
  void flatten(const std::vector<ui::View>& children, const Scope& scope, const std::vector<int>& path,
               std::vector<FlatChild>& out, std::vector<Wrapper>& wrappers) const;

  // The measurer's answers, remembered for one layout: measuring is the costly part.
  TextMeasure measureText(const TextRequest& request) const;
  SymbolMeasure measureSymbol(const std::string& systemName, const ui::Font& font) const;

 private:
  Arrangement compute(const ui::View& view, const Proposal& proposal, const Scope& scope,
                      const Context& context) const;

  using ArrangementKey = std::tuple<const ui::Node*, int, double, int, double, int, int>;
  using TextKey = std::tuple<std::string, int, double, int, int, int, double, bool, double, int, int>;
  struct Remembered {
    ui::View view;  // keeps the node, and so its address, alive for the layout
    Arrangement arrangement;
  };
  const Measurer& measurer_;
  mutable std::map<ArrangementKey, Remembered> arrangements_;
  mutable std::map<std::pair<int, const ui::Node*>, std::pair<int, ui::View>> scopes_;
  mutable std::map<TextKey, TextMeasure> texts_;
  mutable std::map<std::tuple<std::string, int, double, int, int>, SymbolMeasure> symbols_;
};

// The position of an alignment guide in a child of `size`: leading/top 0, centre half,
// trailing/bottom the full length, a text baseline where the child has one.
double guide(ui::HorizontalAlignment alignment, ui::Size size);
double guide(ui::VerticalAlignment alignment, ui::Size size, const Arrangement& arranged);


}  // namespace layout::detail
