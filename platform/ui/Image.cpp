#include "Image.h"

#include "Exception.h"
#include "Jpeg.h"
#include "Text.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cctype>

namespace ui {

namespace {
std::string LowerExtension(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}
}  // namespace

// ---- Picture ----

void Picture::LoadFromFile(const std::string& path) {
    const std::string extension = LowerExtension(path);
    if (extension == ".jpg" || extension == ".jpeg") {
        Set(LoadJpegFile(path), JpegPicture);
    } else if (extension == ".bmp") {
        Bitmap bitmap;
        bitmap.LoadFromFile(path);
        Set(bitmap.Image(), BitmapPicture);
    } else {
        throw Exception("Unknown picture file extension (" + extension + ")");
    }
}

void Picture::Assign(const Bitmap& bitmap) { Set(bitmap.Image(), bitmap.Empty() ? None : BitmapPicture); }

void Picture::Clear() { Set(QImage(), None); }

Bitmap Picture::ToBitmap() const {
    Bitmap bitmap;
    bitmap.SetImage(image_);
    return bitmap;
}

void Picture::Set(const QImage& image, Kind kind) {
    image_ = image;
    kind_ = kind;
    if (OnChange) OnChange();
}

// ---- Image ----

class ImageWidget : public QWidget {
public:
    Image* owner = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner || owner->picture_.Empty()) return;
        const QImage& image = owner->picture_.Image();
        QPainter painter(this);
        if (owner->stretch_) {
            painter.drawImage(rect(), image);
        } else if (owner->center_) {
            painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
        } else {
            painter.drawImage(QPoint(0, 0), image);
        }
    }
};

Image::Image(Component* owner) : Control(owner, new ImageWidget) {
    static_cast<ImageWidget*>(Widget())->owner = this;
    picture_.OnChange = [this] { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

Image::~Image() {
    picture_.OnChange = nullptr;
    static_cast<ImageWidget*>(Widget())->owner = nullptr;
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    Widget()->update();
}

void Image::SetCenter(bool center) {
    center_ = center;
    Widget()->update();
}

void Image::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

void Image::PictureChanged() {
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Widget()->update();
}

}  // namespace ui
