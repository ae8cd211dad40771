#pragma once
// Tree dumps: any view tree as JSON or as indented text. Each node shows its type (a
// primitive's name or a component's), its properties, the modifiers that wrap it (in the
// order applied) and its children:
//   {"type":"Text","text":"On battery","verbatim":true,
//    "modifiers":[{"name":"font","font":"caption.semibold"}],"children":[]}
#include <string>

#include "Platform/UI/Environment.hpp"
#include "Platform/UI/Json.hpp"
#include "Platform/UI/View.hpp"

namespace ui {

struct DumpOptions {
  // Geometry readers are evaluated at this size (layout would offer them their own).
  Size geometrySize{0, 0};
  // The environment at the root; environment readers and typed keys read from it.
  Environment environment;
};

Json dumpJSON(const View& view, const DumpOptions& options = {});
std::string dumpText(const View& view, const DumpOptions& options = {});

// The indented text form of a JSON dump (this one's, or the layout engine's with frames).
std::string dumpText(const Json& tree);

}  // namespace ui
