#pragma once
// JPEG pictures, decoded and encoded with libjpeg. Failures raise Exception with a message that says what is wrong.
#include <QImage>
#include <string>

namespace ui {

// Decodes a whole JPEG stream (greyscale or colour) into an RGB image. Raises Exception for data
// that is not JPEG, a stream that ends early, an unsupported colour space or a picture too large.
QImage DecodeJpeg(const std::string& bytes);
// Reads and decodes a JPEG file; a missing or unreadable file raises Exception too.
QImage LoadJpegFile(const std::string& path);

// Encodes a picture as a baseline colour JPEG stream; quality 1..100. Raises Exception when libjpeg fails.
std::string EncodeJpeg(const QImage& image, int quality = 90);

// Pictures above this many pixels are refused rather than decoded.
inline constexpr long long MaxJpegPixels = 64LL * 1024 * 1024;

}  // namespace ui
