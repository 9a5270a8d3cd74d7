// Pictures (BMP and JPEG through our decoder), the image control, image lists and shapes.
#include "Exception.h"
#include "Form.h"
#include "Image.h"
#include "ImageList.h"
#include "Jpeg.h"
#include "Shape.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

// A picture whose left half is red and right half blue.
QImage TwoColourPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixelColor(x, y, x < width / 2 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    return image;
}

// A picture of noise, so most of its JPEG stream is scan data.
QImage NoisePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    unsigned seed = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixelColor(x, y, QColor::fromRgb(seed >> 8 & 0xFFFFFFu));
        }
    return image;
}

// Compresses with libjpeg itself, so the test does not depend on Qt's own JPEG support.
std::string EncodeJpeg(const QImage& source, bool grey = false) {
    const QImage image = source.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

bool Near(const QColor& actual, const QColor& expected, int tolerance = 12) {
    return std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

class PicturesTest : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PicturesTest, JpegLoadsThroughOurDecoderWithSizeAndPixels) {
    const std::string path = Write("front.jpg", EncodeJpeg(TwoColourPicture(40, 30)));
    ui::Picture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.GraphicKind(), ui::Picture::JpegPicture);
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.Height(), 30);
    EXPECT_TRUE(Near(picture.Image().pixelColor(5, 5), QColor(255, 0, 0))) << picture.Image().pixelColor(5, 5).name().toStdString();
    EXPECT_TRUE(Near(picture.Image().pixelColor(35, 25), QColor(0, 0, 255)));

    const QImage grey = ui::DecodeJpeg(EncodeJpeg(TwoColourPicture(16, 8), true));
    EXPECT_EQ(grey.size(), QSize(16, 8));
    EXPECT_TRUE(Near(grey.pixelColor(2, 2), QColor(76, 76, 76), 16)) << grey.pixelColor(2, 2).name().toStdString();
}

TEST_F(PicturesTest, BadFilesFailClearlyAndKeepThePicture) {
    const std::string jpeg = EncodeJpeg(TwoColourPicture(40, 30));
    const std::string noise = EncodeJpeg(NoisePicture(200, 150));
    std::string huge = jpeg;  // the frame header claims 65000 x 65000 pixels
    const size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, std::string("\xFD\xE8\xFD\xE8", 4));
    struct Case {
        std::string name;
        std::string bytes;  // empty name part: no file written
        std::string message;
    };
    const std::vector<Case> cases = {
        {"missing.jpg", "", "Cannot open file"},
        {"text.jpg", "not a picture", "JPEG error: Not a JPEG file"},
        {"empty.jpg", "-", "JPEG error: "},
        {"cut.jpg", noise.substr(0, noise.size() * 3 / 4), "JPEG error: Premature end of JPEG file"},
        {"huge.jpg", huge, "JPEG error: Picture too large (65000 x 65000)"},
        {"bad.bmp", "BM garbage", "Bitmap image is not valid"},
        {"picture.gif", "GIF89a", "Unknown picture file extension (.gif)"},
    };
    ui::Picture picture;
    picture.LoadFromFile(Write("good.jpg", jpeg));
    for (const Case& c : cases) {
        std::string path = dir.filePath(QString::fromStdString(c.name)).toStdString();
        if (!c.bytes.empty()) path = Write(c.name, c.bytes == "-" ? std::string() : c.bytes);
        try {
            picture.LoadFromFile(path);
            ADD_FAILURE() << c.name << " loaded";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u) << c.name << ": " << error.what();
        }
        EXPECT_EQ(picture.Width(), 40) << c.name;  // the earlier picture stays
    }
}

TEST_F(PicturesTest, OurEncoderRoundTripsAndAnEmptyPictureFailsClearly) {
    const QImage decoded = ui::DecodeJpeg(ui::EncodeJpeg(TwoColourPicture(40, 30)));
    EXPECT_EQ(decoded.size(), QSize(40, 30));
    EXPECT_TRUE(Near(decoded.pixelColor(5, 5), QColor(255, 0, 0)));
    try {
        ui::EncodeJpeg(QImage());
        ADD_FAILURE() << "an empty picture was encoded";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()).rfind("JPEG encoding failed: ", 0), 0u) << error.what();
    }
    EXPECT_EQ(ui::EncodeJpeg(TwoColourPicture(8, 8)).substr(0, 2), "\xFF\xD8");  // still usable afterwards
}

TEST_F(PicturesTest, ImageControlDrawsItsPictureStretched) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* image = new ui::Image(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, 80, 60);
    image->SetStretch(true);
    image->Picture().LoadFromFile(Write("panel.jpg", EncodeJpeg(TwoColourPicture(40, 30))));
    const QImage shown = image->Widget()->grab().toImage();
    EXPECT_TRUE(Near(shown.pixelColor(10, 50), QColor(255, 0, 0)));
    EXPECT_TRUE(Near(shown.pixelColor(70, 50), QColor(0, 0, 255)));

    image->SetStretch(false);
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 40);
    EXPECT_EQ(image->Height(), 30);
}

TEST(ImageList, WideBitmapsAddOnePicturePerStrip) {
    QImage strip(48, 16, QImage::Format_RGB32);
    for (int x = 0; x < 48; ++x)
        for (int y = 0; y < 16; ++y) strip.setPixelColor(x, y, x < 16 ? Qt::red : x < 32 ? Qt::green : Qt::blue);
    ui::Bitmap numbers;
    numbers.SetImage(strip);
    ui::ImageList list(nullptr);
    EXPECT_EQ(list.Add(numbers), 0);
    EXPECT_EQ(list.Count(), 3);

    ui::Bitmap picture;
    ASSERT_TRUE(list.GetBitmap(1, picture));
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Image().pixelColor(8, 8), QColor(Qt::green));
    EXPECT_FALSE(list.GetBitmap(3, picture));  // no such picture: target unchanged
    EXPECT_EQ(picture.Image().pixelColor(8, 8), QColor(Qt::green));
}

TEST(Shape, ColoursConvertFrom0x00BBGGRR) {
    struct Case {
        ui::Color value;
        QColor expected;
    };
    const std::vector<Case> cases = {
        {0x0000FF, QColor(255, 0, 0)},      {0x00FF00, QColor(0, 255, 0)},  {0xFF0000, QColor(0, 0, 255)},
        {0x00804020, QColor(0x20, 0x40, 0x80)}, {0x0080FF, QColor(255, 128, 0)}, {ui::clBlack, QColor(0, 0, 0)},
    };
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* led = new ui::Shape(form.get());
    led->SetParent(form.get());
    led->SetBounds(1, 0, 6, 6);
    for (const Case& c : cases) {
        led->SetBrush({c.value});
        led->SetPen({c.value});
        const QImage shown = led->Widget()->grab().toImage();
        EXPECT_EQ(shown.pixelColor(3, 3), c.expected) << std::hex << c.value;
        EXPECT_EQ(shown.pixelColor(0, 0), c.expected) << std::hex << c.value;  // the outline fills the corner
        EXPECT_EQ(shown.pixelColor(5, 5), c.expected) << std::hex << c.value;
    }

    led->SetBrush({ui::clLime});
    led->SetPen({ui::clRed});
    const QImage outlined = led->Widget()->grab().toImage();
    EXPECT_EQ(outlined.pixelColor(0, 3), QColor(255, 0, 0));
    EXPECT_EQ(outlined.pixelColor(3, 3), QColor(0, 255, 0));
}

}  // namespace
