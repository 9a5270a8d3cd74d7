#pragma once
// Bitmap: a picture loaded from a file; a load failure raises Exception.
#include <QImage>
#include <string>

namespace ui {

class Bitmap {
public:
    Bitmap() = default;
    // Raises Exception when the file is missing or holds no readable picture.
    void LoadFromFile(const std::string& path);
    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image) { image_ = image; }

private:
    QImage image_;
};

}  // namespace ui
