#include "Jpeg.h"

#include "Exception.h"
#include "Text.h"

#include <QFile>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace ui {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to the
// decoder. Only plain C data lives across that jump, so no destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

extern "C" void OnJpegError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

extern "C" void OnJpegMessage(j_common_ptr info, int level) {
    // Warnings are counted, not printed; a stream that ends early is a failure of its own.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        auto* errors = reinterpret_cast<ErrorManager*>(info->err);
        if (!errors->truncated) (*info->err->format_message)(info, errors->message);
        errors->truncated = true;
    }
}

struct RawPicture {
    unsigned char* pixels = nullptr;  // malloc'ed RGB rows
    unsigned width = 0;
    unsigned height = 0;
};

// Returns 0 on success; otherwise the message says why.
int DecodeRaw(const unsigned char* data, unsigned long size, RawPicture* out, char* message) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    unsigned char* volatile pixels = nullptr;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.emit_message = OnJpegMessage;
    errors.message[0] = '\0';
    errors.truncated = false;
    if (setjmp(errors.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return 1;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (static_cast<long long>(info.image_width) * info.image_height > MaxJpegPixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Picture too large (%u x %u)", info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return 1;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t stride = static_cast<size_t>(info.output_width) * 3;
    pixels = static_cast<unsigned char*>(std::malloc(stride * info.output_height));
    if (!pixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Out of memory");
        jpeg_destroy_decompress(&info);
        return 1;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.truncated) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        std::free(pixels);
        return 1;
    }
    out->pixels = pixels;
    out->width = info.output_width;
    out->height = info.output_height;
    return 0;
}

// Encodes RGB rows into a block that libjpeg allocates with malloc; the caller frees *out. Returns 0 on
// success; otherwise the message says why. Like DecodeRaw, only plain C data lives across the error jump.
int EncodeRaw(const unsigned char* rgb, unsigned width, unsigned height, size_t stride, int quality,
              unsigned char** out, unsigned long* outSize, char* message) {
    jpeg_compress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.message[0] = '\0';
    errors.truncated = false;
    *out = nullptr;
    *outSize = 0;
    if (setjmp(errors.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_compress(&info);
        std::free(*out);
        *out = nullptr;
        return 1;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return 0;
}

}  // namespace

QImage DecodeJpeg(const std::string& bytes) {
    RawPicture raw;
    char message[JMSG_LENGTH_MAX] = {};
    if (DecodeRaw(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()), &raw,
                  message) != 0)
        throw Exception(std::string("JPEG error: ") + message);
    const auto width = static_cast<int>(raw.width);
    const auto height = static_cast<int>(raw.height);
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), raw.pixels + static_cast<size_t>(y) * raw.width * 3, static_cast<size_t>(width) * 3);
    std::free(raw.pixels);
    return image;
}

QImage LoadJpegFile(const std::string& path) {
    QFile file(ToQString(path));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        throw Exception("Cannot open file \"" + path + "\"");
    const QByteArray bytes = file.readAll();
    return DecodeJpeg(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
}

std::string EncodeJpeg(const QImage& source, int quality) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    unsigned char* block = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    if (EncodeRaw(image.constBits(), static_cast<unsigned>(image.width()), static_cast<unsigned>(image.height()),
                  static_cast<size_t>(image.bytesPerLine()), quality, &block, &size, message) != 0)
        throw Exception(std::string("JPEG encoding failed: ") + message);
    std::string bytes(reinterpret_cast<const char*>(block), size);
    std::free(block);
    return bytes;
}

}  // namespace ui
