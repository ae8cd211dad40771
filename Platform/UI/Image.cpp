#include "Platform/UI/Image.hpp"

#include "Platform/UI/Node.hpp"

namespace ui {

Image Image::system(std::string systemName) {
  ImageNode node;
  node.systemName = std::move(systemName);
  return Image(makeView(std::move(node)));
}

Image Image::platform(imageio::ImageRef image) {
  ImageNode node;
  node.image = std::move(image);
  return Image(makeView(std::move(node)));
}

Image Image::resizable(EdgeInsets capInsets, ResizingMode mode) const {
  ImageNode node = std::get<ImageNode>(this->node().kind);
  node.resizable = Resizable{capInsets, mode};
  return Image(makeView(std::move(node)));
}

Image Image::interpolation(Interpolation quality) const {
  ImageNode node = std::get<ImageNode>(this->node().kind);
  node.interpolation = quality;
  return Image(makeView(std::move(node)));
}

}  // namespace ui
