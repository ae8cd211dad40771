// Texts in layout: wrapped within the offered width, held to the line limit, shrunk towards
// the minimum scale factor before they are cut, and cut at the tail with "…".
#include <cmath>

#include "Platform/Layout/detail/Engine.hpp"
#include "Platform/UI/Localization.hpp"

namespace layout::detail {

namespace {

TextAlignment toMeasurer(ui::TextAlignment a) {
  switch (a) {
    case ui::TextAlignment::leading: return TextAlignment::leading;
    case ui::TextAlignment::center: return TextAlignment::center;
    case ui::TextAlignment::trailing: return TextAlignment::trailing;
  }
  return TextAlignment::leading;
}

// Steps of the search for the largest scale at which a text fits.
constexpr int scaleSearchSteps = 12;
// Lengths from measurers carry rounding; a text this much taller than its room still fits.
constexpr double tolerance = 1e-6;

}  // namespace

Arrangement Engine::arrangeText(const ui::TextNode& node, const Proposal& p, const Scope& scope) const {
  const ui::Environment& env = scope.environment;
  TextLayout text;
  text.string = ui::resolvedText(node, env.catalog.get());
  text.font = env.font;
  text.monospacedDigits = env.monospacedDigit;
  text.maxWidth = finite(p.width);
  text.lineLimit = env.lineLimit;
  text.alignment = toMeasurer(env.multilineTextAlignment);

  const std::optional<double> room = finite(p.height);
  auto measureAt = [&](double scale, std::optional<int> lines) {
    TextLayout t = text;
    t.scale = scale;
    t.lineLimit = lines;
    t.measure = measureText(t.request());
    return t;
  };
  auto fits = [&](const TextLayout& t) {
    return !t.measure.truncated && (!room || t.measure.height <= *room + tolerance);
  };

  // 1. At full size.
  TextLayout best = measureAt(1.0, text.lineLimit);
  const double minimum = std::clamp(env.minimumScaleFactor, 0.0, 1.0);
  if (!fits(best) && minimum < 1.0) {
    // 2. Too big: the largest scale down to the minimum at which the text is not cut.
    TextLayout smallest = measureAt(minimum, text.lineLimit);
    if (fits(smallest)) {
      double lo = minimum, hi = 1.0;
      best = smallest;
      for (int i = 0; i < scaleSearchSteps; ++i) {
        const double mid = (lo + hi) / 2;
        TextLayout candidate = measureAt(mid, text.lineLimit);
        if (fits(candidate)) { lo = mid; best = std::move(candidate); }
        else hi = mid;
      }
    } else {
      best = std::move(smallest);
    }
  }
  // 3. Still taller than its room: fewer lines, the last one cut.
  if (room && best.measure.height > *room + tolerance) {
    for (int lines = best.measure.lineCount - 1; lines >= 1; --lines) {
      best = measureAt(best.scale, lines);
      if (best.measure.height <= *room + tolerance) break;
    }
  }

  Arrangement out;
  out.size = {best.measure.width, best.measure.height};
  out.firstBaseline = best.measure.firstBaseline;
  out.lastBaseline = best.measure.lastBaseline;
  out.text = std::move(best);
  return out;
}

}  // namespace layout::detail
