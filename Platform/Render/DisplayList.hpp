#pragma once
// An equatable list of drawing commands in points, between layout and the Cairo backend.
// Tests compare display lists; the backend draws them to PNG, SVG or PDF.
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Platform/ImageIO/Image.hpp"
#include "Platform/Layout/Measurer.hpp"
#include "Platform/Render/Paint.hpp"
#include "Platform/Render/Path.hpp"
#include "Platform/Render/TextFont.hpp"
#include "Platform/UI/Geometry.hpp"

namespace render {

enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

struct StrokeStyle {
  double width = 1;
  LineCap cap = LineCap::butt;
  LineJoin join = LineJoin::miter;
  double miterLimit = 10;
  std::vector<double> dash;  // on, off, … lengths; empty: solid
  double dashPhase = 0;
  static StrokeStyle ofWidth(double w) { StrokeStyle s; s.width = w; return s; }
  bool operator==(const StrokeStyle&) const = default;
};

struct FillCommand {
  Shape shape;
  Paint paint;
  bool operator==(const FillCommand&) const = default;
};

struct StrokeCommand {
  Shape shape;
  Paint paint;
  StrokeStyle style;
  bool operator==(const StrokeCommand&) const = default;
};

// A text run, laid out exactly as the measurer lays it out; `origin` is its top-left corner.
struct TextCommand {
  std::string text;
  TextFont font;
  double size = 12;  // points, before `scale`
  double scale = 1;  // the font is drawn at size × scale
  bool monospacedDigits = false;
  Paint paint;
  ui::Point origin;
  std::optional<double> maxWidth;
  std::optional<int> lineLimit;
  layout::TextAlignment alignment = layout::TextAlignment::leading;
  bool operator==(const TextCommand&) const = default;
};

// A symbol of the platform's set drawn into `rect` (the box the measurer gave for the font).
struct SymbolCommand {
  std::string name;
  double fontSize = 12;
  int weight = 400;
  Paint paint;
  ui::Rect rect;
  bool operator==(const SymbolCommand&) const = default;
};

struct ImageCommand {
  ui::Rect rect;              // the image is stretched to fill it
  imageio::ImageRef image;    // compared by identity
  bool highQuality = false;   // the best filter, for downscaled icons
  bool operator==(const ImageCommand&) const = default;
};

// What lies between a push and its pop is drawn into a group, then laid down at `opacity`.
struct PushOpacityCommand {
  double opacity = 1;
  bool operator==(const PushOpacityCommand&) const = default;
};
struct PopOpacityCommand {
  bool operator==(const PopOpacityCommand&) const = default;
};
// What lies between a push and its pop is clipped to the shape.
struct PushClipCommand {
  Shape shape;
  bool operator==(const PushClipCommand&) const = default;
};
struct PopClipCommand {
  bool operator==(const PopClipCommand&) const = default;
};

using Command = std::variant<FillCommand, StrokeCommand, TextCommand, SymbolCommand, ImageCommand,
                             PushOpacityCommand, PopOpacityCommand, PushClipCommand, PopClipCommand>;

class DisplayList {
 public:
  DisplayList& add(Command command);
  DisplayList& fill(Shape shape, Paint paint);
  DisplayList& stroke(Shape shape, Paint paint, StrokeStyle style);
  DisplayList& pushOpacity(double opacity);
  DisplayList& popOpacity();
  DisplayList& pushClip(Shape shape);
  DisplayList& popClip();
  // Every command of `other`, moved by (dx, dy).
  DisplayList& append(const DisplayList& other, double dx = 0, double dy = 0);

  const std::vector<Command>& commands() const { return commands_; }
  std::size_t size() const { return commands_.size(); }
  bool empty() const { return commands_.empty(); }
  bool operator==(const DisplayList&) const = default;

 private:
  std::vector<Command> commands_;
};

Command translated(const Command& command, double dx, double dy);

// One line per command, for test messages and debugging.
std::string describe(const Command& command);
std::string describe(const DisplayList& list);
std::ostream& operator<<(std::ostream& os, const DisplayList& list);

}  // namespace render
