#include "Platform/Render/DisplayList.hpp"

#include <cstdio>
#include <ostream>

namespace render {

namespace {

template <class... F>
struct Overload : F... { using F::operator()...; };
template <class... F>
Overload(F...) -> Overload<F...>;

ui::Rect moved(ui::Rect r, double dx, double dy) { r.x += dx; r.y += dy; return r; }

Paint moved(Paint p, double dx, double dy) {
  if (p.kind != Paint::Kind::linearGradient) return p;
  p.start.x += dx; p.start.y += dy;
  p.end.x += dx; p.end.y += dy;
  return p;
}

std::string rectText(const ui::Rect& r) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "(%g,%g %gx%g)", r.x, r.y, r.width, r.height);
  return buf;
}

const char* alignmentName(layout::TextAlignment a) {
  switch (a) {
    case layout::TextAlignment::leading: return "leading";
    case layout::TextAlignment::center: return "center";
    case layout::TextAlignment::trailing: return "trailing";
  }
  return "leading";
}

}  // namespace

DisplayList& DisplayList::add(Command command) { commands_.push_back(std::move(command)); return *this; }
DisplayList& DisplayList::fill(Shape shape, Paint paint) { return add(FillCommand{std::move(shape), std::move(paint)}); }
DisplayList& DisplayList::stroke(Shape shape, Paint paint, StrokeStyle style) {
  return add(StrokeCommand{std::move(shape), std::move(paint), std::move(style)});
}
DisplayList& DisplayList::pushOpacity(double opacity) { return add(PushOpacityCommand{opacity}); }
DisplayList& DisplayList::popOpacity() { return add(PopOpacityCommand{}); }
DisplayList& DisplayList::pushClip(Shape shape) { return add(PushClipCommand{std::move(shape)}); }
DisplayList& DisplayList::popClip() { return add(PopClipCommand{}); }

DisplayList& DisplayList::append(const DisplayList& other, double dx, double dy) {
  for (const auto& c : other.commands_) commands_.push_back(translated(c, dx, dy));
  return *this;
}

Command translated(const Command& command, double dx, double dy) {
  if (dx == 0 && dy == 0) return command;
  return std::visit(Overload{
      [&](FillCommand c) -> Command { c.shape = c.shape.translated(dx, dy); c.paint = moved(c.paint, dx, dy); return c; },
      [&](StrokeCommand c) -> Command { c.shape = c.shape.translated(dx, dy); c.paint = moved(c.paint, dx, dy); return c; },
      [&](TextCommand c) -> Command {
        c.origin.x += dx; c.origin.y += dy; c.paint = moved(c.paint, dx, dy); return c;
      },
      [&](SymbolCommand c) -> Command { c.rect = moved(c.rect, dx, dy); c.paint = moved(c.paint, dx, dy); return c; },
      [&](ImageCommand c) -> Command { c.rect = moved(c.rect, dx, dy); return c; },
      [&](PushClipCommand c) -> Command { c.shape = c.shape.translated(dx, dy); return c; },
      [&](auto c) -> Command { return c; },
  }, command);
}

std::string describe(const Command& command) {
  return std::visit(Overload{
      [](const FillCommand& c) { return "fill " + describe(c.shape) + " " + describe(c.paint); },
      [](const StrokeCommand& c) {
        char buf[64];
        std::snprintf(buf, sizeof buf, " width %g%s", c.style.width, c.style.dash.empty() ? "" : " dashed");
        return "stroke " + describe(c.shape) + " " + describe(c.paint) + buf;
      },
      [](const TextCommand& c) {
        char buf[160];
        std::snprintf(buf, sizeof buf, " %gpt×%g at (%g,%g)", c.size, c.scale, c.origin.x, c.origin.y);
        std::string s = "text \"" + c.text + "\" " + describe(c.font) + buf;
        if (c.maxWidth) s += " maxWidth " + std::to_string(*c.maxWidth);
        if (c.lineLimit) s += " lines " + std::to_string(*c.lineLimit);
        if (c.monospacedDigits) s += " monospacedDigits";
        return s + " " + alignmentName(c.alignment) + " " + describe(c.paint);
      },
      [](const SymbolCommand& c) {
        char buf[64];
        std::snprintf(buf, sizeof buf, " %gpt w%d ", c.fontSize, c.weight);
        return "symbol \"" + c.name + "\"" + buf + rectText(c.rect) + " " + describe(c.paint);
      },
      [](const ImageCommand& c) {
        std::string size = c.image ? std::to_string(c.image->width) + "x" + std::to_string(c.image->height) : "none";
        return "image " + size + " in " + rectText(c.rect) + (c.highQuality ? " high quality" : "");
      },
      [](const PushOpacityCommand& c) { return "pushOpacity " + std::to_string(c.opacity); },
      [](const PopOpacityCommand&) { return std::string("popOpacity"); },
      [](const PushClipCommand& c) { return "pushClip " + describe(c.shape); },
      [](const PopClipCommand&) { return std::string("popClip"); },
  }, command);
}

std::string describe(const DisplayList& list) {
  std::string s;
  for (const auto& c : list.commands()) s += describe(c) + "\n";
  return s;
}

std::ostream& operator<<(std::ostream& os, const DisplayList& list) { return os << "\n" << describe(list); }

}  // namespace render
