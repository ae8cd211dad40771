#include "Platform/UI/GeometryReader.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

View GeometryReader(std::function<View(const GeometryProxy&)> content) {
  return makeView(GeometryReaderNode{std::move(content)});
}

View EnvironmentReader(std::function<View(const Environment&)> content) {
  return makeView(EnvironmentReaderNode{std::move(content)});
}

View ForEachOf(std::vector<ForEachElement> elements) {
  return makeView(ForEachNode{std::move(elements)});
}

}  // namespace ui
