#pragma once
// Picture: a BMP or JPEG picture loaded from a file; Image: a control that shows one.
#include "Control.h"
#include "Graphics.h"

#include <QImage>
#include <functional>
#include <string>

namespace ui {

class Picture {
public:
    enum Kind { None, BitmapPicture, JpegPicture };

    // By the file's extension: ".bmp" through Qt, ".jpg" / ".jpeg" through our JPEG decoder.
    // A missing file, an unknown extension or a damaged picture raises Exception and leaves the
    // picture as it was.
    void LoadFromFile(const std::string& path);
    void Assign(const Bitmap& bitmap);
    void Clear();
    bool Empty() const { return image_.isNull(); }
    Kind GraphicKind() const { return kind_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }
    // The picture as a bitmap (a JPEG converted).
    Bitmap ToBitmap() const;

    std::function<void()> OnChange;

private:
    void Set(const QImage& image, Kind kind);
    QImage image_;
    Kind kind_ = None;
};

// Draws its picture at the top left, centred, or stretched to the control. With AutoSize the
// control takes the picture's size when one is loaded.
class Image : public Control {
public:
    explicit Image(Component* owner);
    ~Image() override;
    ui::Picture& Picture() { return picture_; }
    const ui::Picture& Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

private:
    friend class ImageWidget;
    void PictureChanged();
    ui::Picture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};

}  // namespace ui
