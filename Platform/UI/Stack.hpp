#pragma once
// Containers: horizontal, vertical and overlay stacks, groups, spacers and the empty view.
#include <optional>
#include <vector>

#include "Platform/UI/View.hpp"

namespace ui {

// Children leading to trailing. Spacing absent: the toolkit's default spacing.
View HStack(std::vector<View> children);
View HStack(double spacing, std::vector<View> children);
View HStack(VerticalAlignment alignment, std::vector<View> children);
View HStack(VerticalAlignment alignment, std::optional<double> spacing, std::vector<View> children);

// Children top to bottom.
View VStack(std::vector<View> children);
View VStack(double spacing, std::vector<View> children);
View VStack(HorizontalAlignment alignment, std::vector<View> children);
View VStack(HorizontalAlignment alignment, std::optional<double> spacing, std::vector<View> children);

// Children back to front, aligned on one another.
View ZStack(std::vector<View> children);
View ZStack(Alignment alignment, std::vector<View> children);

// Children without a container of their own: a stack around a group lays them out as its own
// children; a modifier on the group applies to the whole.
View Group(std::vector<View> children);

// Flexible space along the stack it is in; at least minLength (absent: the toolkit's default).
View Spacer(std::optional<double> minLength = std::nullopt);

View EmptyView();

}  // namespace ui
