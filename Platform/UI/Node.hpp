#pragma once
// The nodes of a view tree. A node is immutable once built; views share nodes by pointer.
// Each kind is a plain struct; a Node is one of them.
#include <any>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Platform/ImageIO/Image.hpp"
#include "Platform/UI/Custom.hpp"
#include "Platform/UI/ForEach.hpp"
#include "Platform/UI/GeometryReader.hpp"
#include "Platform/UI/Image.hpp"
#include "Platform/UI/Modifier.hpp"
#include "Platform/UI/Shape.hpp"
#include "Platform/UI/View.hpp"

namespace ui {

struct EmptyNode {};

struct HStackNode {
  VerticalAlignment alignment = VerticalAlignment::center;
  std::optional<double> spacing;  // absent: the toolkit's default spacing
  std::vector<View> children;     // leading to trailing
};
struct VStackNode {
  HorizontalAlignment alignment = HorizontalAlignment::center;
  std::optional<double> spacing;
  std::vector<View> children;  // top to bottom
};
struct ZStackNode {
  Alignment alignment;
  std::vector<View> children;  // back to front
};
// Children without a container of their own: a stack around a group lays them out as its own.
struct GroupNode {
  std::vector<View> children;
};
struct ForEachNode {
  std::vector<ForEachElement> elements;
};

struct TextNode {
  bool verbatim = true;
  std::string content;  // the text itself, or the localization key
  std::vector<FormatArgument> arguments;
};

struct Resizable {
  EdgeInsets capInsets;
  ResizingMode mode = ResizingMode::stretch;
  bool operator==(const Resizable&) const = default;
};
struct ImageNode {
  std::optional<std::string> systemName;  // a symbol of the platform's set, or
  imageio::ImageRef image;                // a decoded image
  std::optional<Resizable> resizable;     // absent: the image keeps its own size
  std::optional<Interpolation> interpolation;
};

struct SpacerNode {
  std::optional<double> minLength;  // absent: the toolkit's default
};

enum class ShapeKind { rectangle, roundedRectangle, capsule, circle };
struct ShapeFill {
  ShapeStyle style;
  FillStyle fillStyle;
};
struct ShapeNode {
  ShapeKind kind = ShapeKind::rectangle;
  double cornerRadius = 0;  // roundedRectangle
  RoundedCornerStyle cornerStyle = RoundedCornerStyle::circular;
  std::optional<ShapeFill> fill;  // absent: filled with the foreground style
};

struct GeometryReaderNode {
  std::function<View(const GeometryProxy&)> content;
};
struct EnvironmentReaderNode {
  std::function<View(const Environment&)> content;
};

struct ComponentNode {
  std::string typeName;
  View body;
};

// A leaf that another layer defines (Custom.hpp).
using CustomNode = CustomLeaf;

struct ModifiedNode {
  Modifier modifier;
  View content;
};

struct Node {
  std::variant<EmptyNode, HStackNode, VStackNode, ZStackNode, GroupNode, ForEachNode, TextNode,
               ImageNode, SpacerNode, ShapeNode, GeometryReaderNode, EnvironmentReaderNode,
               ComponentNode, CustomNode, ModifiedNode>
      kind;
};

template <class T>
const T* nodeAs(const View& view) { return std::get_if<T>(&view.node().kind); }

template <class T>
View makeView(T kind) { return View(std::make_shared<const Node>(Node{std::move(kind)})); }

}  // namespace ui
