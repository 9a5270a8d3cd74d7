#pragma once
// ImageList: pictures of one size (Width x Height), numbered from 0.
#include "Component.h"
#include "Graphics.h"

#include <QImage>
#include <vector>

namespace ui {

class ImageList : public Component {
public:
    explicit ImageList(Component* owner);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(images_.size()); }
    // Adds the pictures of a bitmap: one per Width-wide strip (a bitmap as wide as three pictures
    // adds three), each scaled to the list's size. Returns the index of the first; -1 for an empty one.
    int Add(const Bitmap& bitmap);
    void Delete(int index);
    void Clear();
    // Makes target a Width x Height bitmap holding picture index. False, target unchanged, when
    // there is no such picture.
    bool GetBitmap(int index, Bitmap& target) const;

private:
    int width_ = 16;
    int height_ = 16;
    std::vector<QImage> images_;
};

}  // namespace ui
