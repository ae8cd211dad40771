#pragma once
// Leaves that another layer defines (a chart, for example). The toolkit lays such a leaf out
// like a shape: it takes the size offered to it. What it draws is for that layer's renderer,
// which finds its own data in the payload.
#include <any>
#include <functional>
#include <string>

#include "Platform/UI/Json.hpp"
#include "Platform/UI/View.hpp"

namespace ui {

struct CustomLeaf {
  std::string typeName;             // what a dump calls it ("Chart")
  std::any payload;                 // the defining layer's own model
  // What dumps show beside the type, made only when a dump asks: a chart's description of
  // its marks grows with its data, and drawing never reads it.
  std::function<Json()> properties;
  Size idealSize{10, 10};           // its size on an axis the offer leaves unspecified
};

View customView(CustomLeaf leaf);

// The view's custom leaf, or nullptr when it is no custom leaf.
const CustomLeaf* customLeaf(const View& view);

// The payload of a custom leaf when it holds a T, or nullptr.
template <class T>
const T* customPayload(const View& view) {
  const CustomLeaf* leaf = customLeaf(view);
  return leaf ? std::any_cast<T>(&leaf->payload) : nullptr;
}

}  // namespace ui
