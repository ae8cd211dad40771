#pragma once
// A plotted quantity: a value (a date or a number) under the label that names it ("Time", "%").
#include <string>
#include <variant>

#include "Platform/Foundation/Date.hpp"

namespace charts {

struct PlottableValue {
  std::string label;
  std::variant<double, fnd::Date> data;

  static PlottableValue value(std::string label, double number) { return {std::move(label), number}; }
  static PlottableValue value(std::string label, fnd::Date date) { return {std::move(label), date}; }

  bool isDate() const { return std::holds_alternative<fnd::Date>(data); }
  // The position on its scale: the number, or the date's seconds since 1970.
  double position() const {
    return isDate() ? fnd::secondsSince1970(std::get<fnd::Date>(data)) : std::get<double>(data);
  }
  bool operator==(const PlottableValue&) const = default;
};

}  // namespace charts
