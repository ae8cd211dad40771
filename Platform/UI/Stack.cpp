#include "Platform/UI/Stack.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

View HStack(std::vector<View> children) {
  return HStack(VerticalAlignment::center, std::nullopt, std::move(children));
}
View HStack(double spacing, std::vector<View> children) {
  return HStack(VerticalAlignment::center, spacing, std::move(children));
}
View HStack(VerticalAlignment alignment, std::vector<View> children) {
  return HStack(alignment, std::nullopt, std::move(children));
}
View HStack(VerticalAlignment alignment, std::optional<double> spacing, std::vector<View> children) {
  return makeView(HStackNode{alignment, spacing, std::move(children)});
}

View VStack(std::vector<View> children) {
  return VStack(HorizontalAlignment::center, std::nullopt, std::move(children));
}
View VStack(double spacing, std::vector<View> children) {
  return VStack(HorizontalAlignment::center, spacing, std::move(children));
}
View VStack(HorizontalAlignment alignment, std::vector<View> children) {
  return VStack(alignment, std::nullopt, std::move(children));
}
View VStack(HorizontalAlignment alignment, std::optional<double> spacing, std::vector<View> children) {
  return makeView(VStackNode{alignment, spacing, std::move(children)});
}

View ZStack(std::vector<View> children) { return ZStack(Alignment::center(), std::move(children)); }
View ZStack(Alignment alignment, std::vector<View> children) {
  return makeView(ZStackNode{alignment, std::move(children)});
}

View Group(std::vector<View> children) { return makeView(GroupNode{std::move(children)}); }

View Spacer(std::optional<double> minLength) { return makeView(SpacerNode{minLength}); }

View EmptyView() { return View(); }

}  // namespace ui
