#include "ImageList.h"

#include <algorithm>

namespace ui {

ImageList::ImageList(Component* owner) : Component(owner) {}

void ImageList::SetSize(int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    images_.clear();
}

int ImageList::Add(const Bitmap& bitmap) {
    if (bitmap.Empty()) return -1;
    const QImage& image = bitmap.Image();
    const int first = Count();
    const int strips = std::max(1, image.width() / width_);
    const int stripWidth = image.width() / strips;
    for (int i = 0; i < strips; ++i) {
        const QImage strip = image.copy(i * stripWidth, 0, stripWidth, image.height());
        images_.push_back(strip.size() == QSize(width_, height_)
                              ? strip
                              : strip.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return first;
}

void ImageList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    images_.erase(images_.begin() + index);
}

void ImageList::Clear() { images_.clear(); }

bool ImageList::GetBitmap(int index, Bitmap& target) const {
    if (index < 0 || index >= Count()) return false;
    target.SetImage(images_[static_cast<size_t>(index)]);
    return true;
}

}  // namespace ui
