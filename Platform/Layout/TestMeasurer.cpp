#include "Platform/Layout/TestMeasurer.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace layout {

namespace {

// Code points of UTF-8 text.
std::vector<std::string> characters(std::string_view text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    size_t n = 1;
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0xF0) n = 4;
    else if (c >= 0xE0) n = 3;
    else if (c >= 0xC0) n = 2;
    out.emplace_back(text.substr(i, n));
    i += n;
  }
  return out;
}

using Line = std::vector<std::string>;  // characters

// Greedy wrapping at spaces within `columns` characters; a longer word breaks anywhere.
std::vector<Line> wrap(const Line& paragraph, std::optional<size_t> columns) {
  if (!columns) return {paragraph};
  std::vector<Line> lines;
  Line current;
  size_t i = 0;
  while (i < paragraph.size()) {
    size_t end = i;
    while (end < paragraph.size() && paragraph[end] != " ") ++end;
    Line word(paragraph.begin() + static_cast<long>(i), paragraph.begin() + static_cast<long>(end));
    const size_t needed = current.empty() ? word.size() : current.size() + 1 + word.size();
    if (needed <= *columns) {
      if (!current.empty()) current.push_back(" ");
      current.insert(current.end(), word.begin(), word.end());
    } else {
      if (!current.empty()) lines.push_back(current);
      current.clear();
      while (word.size() > std::max<size_t>(*columns, 1)) {
        const size_t take = std::max<size_t>(*columns, 1);
        lines.emplace_back(word.begin(), word.begin() + static_cast<long>(take));
        word.erase(word.begin(), word.begin() + static_cast<long>(take));
      }
      current = word;
    }
    i = end;
    while (i < paragraph.size() && paragraph[i] == " ") {
      ++i;
      if (i < paragraph.size() && paragraph[i] == " " && !current.empty()) current.push_back(" ");
    }
  }
  if (!current.empty() || lines.empty()) lines.push_back(current);
  return lines;
}

}  // namespace

TextMeasure TestMeasurer::measureText(const TextRequest& request) const {
  const double size = request.font.pointSize() * request.scale;
  const double charWidth = advance * size;
  std::optional<size_t> columns;
  if (request.maxWidth && charWidth > 0) columns = static_cast<size_t>(std::max(0.0, std::floor(*request.maxWidth / charWidth + 1e-9)));
  const bool oneLine = request.lineLimit && *request.lineLimit == 1;

  // 1. Lines: paragraphs split at newlines, each wrapped (one line when the limit is 1).
  std::vector<Line> lines;
  Line paragraph;
  const auto chars = characters(request.text);
  for (size_t i = 0; i <= chars.size(); ++i) {
    if (i == chars.size() || chars[i] == "\n") {
      auto wrapped = wrap(paragraph, oneLine ? std::nullopt : columns);
      lines.insert(lines.end(), wrapped.begin(), wrapped.end());
      paragraph.clear();
    } else {
      paragraph.push_back(chars[i]);
    }
  }

  // 2. The line limit: lines past it are dropped and the last shown one is cut.
  std::vector<bool> cut(lines.size(), false);
  if (request.lineLimit && *request.lineLimit >= 1 && lines.size() > static_cast<size_t>(*request.lineLimit)) {
    lines.resize(static_cast<size_t>(*request.lineLimit));
    cut.assign(lines.size(), false);
    cut.back() = true;
  }
  // 3. A cut line, or one wider than the width, ends in "…" within the width.
  bool truncated = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    const bool overflows = columns && line.size() > *columns;
    if (!overflows && !cut[i]) continue;
    if (columns && line.size() + 1 > *columns) {
      line.resize(*columns >= 1 ? *columns - 1 : 0);
      while (!line.empty() && line.back() == " ") line.pop_back();
    }
    line.push_back("…");
    cut[i] = true;
    truncated = true;
  }

  TextMeasure m;
  m.lineCount = static_cast<int>(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    double width = static_cast<double>(lines[i].size()) * charWidth;
    if (cut[i] && request.maxWidth) width = *request.maxWidth;
    m.width = std::max(m.width, width);
  }
  if (request.maxWidth) m.width = std::min(m.width, *request.maxWidth);
  m.height = static_cast<double>(m.lineCount) * lineHeight * size;
  m.firstBaseline = baseline * size;
  m.lastBaseline = static_cast<double>(m.lineCount - 1) * lineHeight * size + baseline * size;
  m.truncated = truncated;
  return m;
}

SymbolMeasure TestMeasurer::measureSymbol(std::string_view, const ui::Font& font) const {
  const double size = font.pointSize();
  return SymbolMeasure{size, size, baseline * size};
}

}  // namespace layout
