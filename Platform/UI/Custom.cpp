#include "Platform/UI/Custom.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

View customView(CustomLeaf leaf) { return makeView(std::move(leaf)); }

const CustomLeaf* customLeaf(const View& view) { return nodeAs<CustomNode>(view); }

}  // namespace ui
