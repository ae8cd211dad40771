#include "Platform/Render/FrameDrawing.hpp"

#include <algorithm>
#include <memory>

#include "Platform/Charts/Chart.hpp"
#include "Platform/Render/ChartFromModel.hpp"
#include "Platform/Render/Palette.hpp"
#include "Platform/UI/Custom.hpp"
#include "Platform/UI/Node.hpp"

namespace render {

namespace {

template <class... F>
struct Overload : F... { using F::operator()...; };
template <class... F>
Overload(F...) -> Overload<F...>;

class Drawer {
 public:
  Drawer(const layout::Measurer& measurer, const FrameDrawOptions& options) : measurer_(measurer), options_(options) {}

  void draw(const layout::LayoutNode& node) {
    const ui::Node& n = node.view.node();
    std::visit(Overload{
        [&](const ui::TextNode&) { drawText(node); },
        [&](const ui::ImageNode& image) { drawImage(node, image); },
        [&](const ui::ShapeNode& shape) { drawShape(node, shape); },
        [&](const ui::CustomNode&) { drawCustom(node); },
        [&](const ui::ModifiedNode& modified) { drawModified(node, modified.modifier); },
        [&](const auto&) { drawChildren(node); },
    }, n.kind);
  }

  DrawnFrames result() { return {std::move(list_), std::move(containerBackground_)}; }

 private:
  void drawChildren(const layout::LayoutNode& node) {
    for (const auto& child : node.children) draw(child);
  }

  Paint foreground(const layout::LayoutNode& node) const {
    return resolvePaint(node.environment.foregroundStyle, node.environment.colorScheme, node.frame);
  }

  void drawText(const layout::LayoutNode& node) {
    if (!node.text) return;
    const layout::TextLayout& t = *node.text;
    TextCommand c;
    c.text = t.string;
    c.font = textFont(t.font);
    c.size = t.font.pointSize();
    c.scale = t.scale;
    c.monospacedDigits = t.monospacedDigits;
    c.paint = foreground(node);
    c.origin = {node.frame.x, node.frame.y};
    c.maxWidth = t.maxWidth;
    c.lineLimit = t.lineLimit;
    c.alignment = t.alignment;
    list_.add(std::move(c));
  }

  void drawImage(const layout::LayoutNode& node, const ui::ImageNode& image) {
    if (image.systemName) {
      const ui::Font& font = node.environment.font;
      list_.add(SymbolCommand{*image.systemName, font.pointSize(), weightValue(font.resolvedWeight()),
                              foreground(node), node.frame});
    } else if (image.image) {
      const bool high = image.interpolation && *image.interpolation == ui::Interpolation::high;
      list_.add(ImageCommand{node.frame, image.image, high});
    }
  }

  void drawShape(const layout::LayoutNode& node, const ui::ShapeNode& shape) {
    const ui::Rect& r = node.frame;
    const CornerStyle corners =
        shape.cornerStyle == ui::RoundedCornerStyle::continuous ? CornerStyle::continuous : CornerStyle::circular;
    Shape s;
    switch (shape.kind) {
      case ui::ShapeKind::rectangle: s = Shape::rectangle(r); break;
      case ui::ShapeKind::roundedRectangle: s = Shape::rounded(r, shape.cornerRadius, corners); break;
      case ui::ShapeKind::capsule: s = Shape::capsule(r, corners); break;
      case ui::ShapeKind::circle: {
        const double d = std::min(r.width, r.height);
        s = Shape::ellipse({r.midX() - d / 2, r.midY() - d / 2, d, d});
        break;
      }
    }
    Paint paint = foreground(node);
    if (shape.fill) {
      s.evenOdd = shape.fill->fillStyle.eoFill;
      paint = resolvePaint(shape.fill->style, node.environment.colorScheme, r);
    }
    list_.fill(std::move(s), std::move(paint));
  }

  void drawCustom(const layout::LayoutNode& node) {
    if (const auto* chart = ui::customPayload<charts::ChartModel>(node.view)) {
      if (!hours_) hours_ = std::make_unique<HourFormatter>(options_.locale);
      const ChartPlot plot = chartPlot(*chart, node.environment, *hours_);
      list_.append(drawChart(plot, node.frame, measurer_, options_.pixelsPerPoint));
    }
    drawChildren(node);
  }

  void drawModified(const layout::LayoutNode& node, const ui::Modifier& modifier) {
    if (const auto* o = std::get_if<ui::OpacityModifier>(&modifier)) {
      // What lies inside is drawn as one group, then faded as a whole.
      if (o->opacity >= 1) return drawChildren(node);
      list_.pushOpacity(std::max(0.0, o->opacity));
      drawChildren(node);
      list_.popOpacity();
      return;
    }
    if (const auto* b = std::get_if<ui::ContainerBackgroundModifier>(&modifier)) {
      if (!containerBackground_) containerBackground_ = b->style;
    }
    // A background's node holds the background, then the content: drawn in that order.
    drawChildren(node);
  }

  const layout::Measurer& measurer_;
  const FrameDrawOptions& options_;
  std::unique_ptr<HourFormatter> hours_;
  DisplayList list_;
  std::optional<ui::ShapeStyle> containerBackground_;
};

}  // namespace

DrawnFrames drawFrames(const layout::LayoutNode& root, const layout::Measurer& measurer, const FrameDrawOptions& options) {
  Drawer drawer(measurer, options);
  drawer.draw(root);
  return drawer.result();
}

}  // namespace render
