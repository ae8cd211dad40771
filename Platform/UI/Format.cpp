#include "Platform/UI/Format.hpp"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace ui {

namespace {

struct Placeholder {
  std::string flags;                 // "-+ #0"
  std::string width;                 // digits
  std::string precision;             // ".N" or empty
  char conversion = 0;
  std::optional<size_t> position;    // 1-based, from "N$"
};

std::int64_t asInteger(const FormatArgument& a) {
  if (auto i = std::get_if<std::int64_t>(&a)) return *i;
  if (auto d = std::get_if<double>(&a)) return static_cast<std::int64_t>(*d);
  return 0;
}

double asDouble(const FormatArgument& a) {
  if (auto d = std::get_if<double>(&a)) return *d;
  if (auto i = std::get_if<std::int64_t>(&a)) return static_cast<double>(*i);
  return 0;
}

std::string asText(const FormatArgument& a);

template <class T>
std::string printf1(const std::string& format, T value) {
  int n = std::snprintf(nullptr, 0, format.c_str(), value);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  std::snprintf(out.data(), out.size() + 1, format.c_str(), value);
  return out;
}

std::string asText(const FormatArgument& a) {
  if (auto s = std::get_if<std::string>(&a)) return *s;
  if (auto i = std::get_if<std::int64_t>(&a)) return std::to_string(*i);
  return formatNumber(std::get<double>(a));
}

std::string render(const Placeholder& p, const FormatArgument& arg) {
  const std::string head = "%" + p.flags + p.width + p.precision;
  const bool isText = std::holds_alternative<std::string>(arg);
  switch (p.conversion) {
    case 'd': case 'i':
      if (isText) return asText(arg);
      return printf1(head + "lld", static_cast<long long>(asInteger(arg)));
    case 'u': case 'x': case 'X': case 'o':
      if (isText) return asText(arg);
      return printf1(head + "ll" + p.conversion, static_cast<unsigned long long>(asInteger(arg)));
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
      if (isText) return asText(arg);
      return printf1(head + p.conversion, asDouble(arg));
    case 'c':
      if (isText) return asText(arg);
      return std::string(1, static_cast<char>(asInteger(arg)));
    case '@': case 's': {
      std::string text = asText(arg);
      if (!p.width.empty()) return printf1("%" + p.flags + p.width + "s", text.c_str());
      return text;
    }
    default:
      return {};
  }
}

}  // namespace

std::string formatC(std::string_view format, const std::vector<FormatArgument>& arguments) {
  std::string out;
  size_t nextArgument = 0;
  size_t i = 0;
  while (i < format.size()) {
    char c = format[i];
    if (c != '%') { out += c; ++i; continue; }
    const size_t start = i++;
    if (i < format.size() && format[i] == '%') { out += '%'; ++i; continue; }

    Placeholder p;
    // 1. A position "N$".
    size_t j = i;
    while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j]))) ++j;
    if (j > i && j < format.size() && format[j] == '$') {
      p.position = std::stoul(std::string(format.substr(i, j - i)));
      i = j + 1;
    }
    // 2. Flags, width, precision.
    while (i < format.size() && std::strchr("-+ #0", format[i])) p.flags += format[i++];
    while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) p.width += format[i++];
    if (i < format.size() && format[i] == '.') {
      p.precision += format[i++];
      while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) p.precision += format[i++];
    }
    // 3. Length modifiers carry no meaning here: every integer argument is 64 bits wide.
    while (i < format.size() && std::strchr("hlqLzjt", format[i])) ++i;
    // 4. The conversion.
    if (i >= format.size() || !std::strchr("diuxXofFeEgGaAc@s", format[i])) {
      out.append(format.substr(start, i - start));
      continue;
    }
    p.conversion = format[i++];
    const size_t index = p.position ? *p.position - 1 : nextArgument++;
    if (index < arguments.size()) out += render(p, arguments[index]);
  }
  return out;
}

}  // namespace ui
