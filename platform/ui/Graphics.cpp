#include "Graphics.h"

#include "Exception.h"
#include "Text.h"

#include <QFileInfo>

namespace ui {

void Bitmap::LoadFromFile(const std::string& path) {
    const QString file = ToQString(path);
    if (!QFileInfo(file).isFile()) throw Exception("Cannot open file \"" + path + "\"");
    QImage image;
    if (!image.load(file)) throw Exception("Bitmap image is not valid");
    image_ = image;
}

}  // namespace ui
