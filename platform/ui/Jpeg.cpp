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

// Writes a JPEG into a growing memory block.
struct JpegSink {
    jpeg_destination_mgr manager{};
    std::string bytes;
    unsigned char buffer[4096];
};

void InitSink(j_compress_ptr cinfo) {
    auto* sink = reinterpret_cast<JpegSink*>(cinfo->dest);
    sink->manager.next_output_byte = sink->buffer;
    sink->manager.free_in_buffer = sizeof sink->buffer;
}

boolean EmptySink(j_compress_ptr cinfo) {
    auto* sink = reinterpret_cast<JpegSink*>(cinfo->dest);
    sink->bytes.append(reinterpret_cast<const char*>(sink->buffer), sizeof sink->buffer);
    InitSink(cinfo);
    return TRUE;
}

void TermSink(j_compress_ptr cinfo) {
    auto* sink = reinterpret_cast<JpegSink*>(cinfo->dest);
    sink->bytes.append(reinterpret_cast<const char*>(sink->buffer), sizeof sink->buffer - sink->manager.free_in_buffer);
}

[[noreturn]] void JpegFailed(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    throw Exception(std::string("JPEG encoding failed: ") + text);
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
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    error.error_exit = JpegFailed;
    JpegSink sink;
    try {
        jpeg_create_compress(&cinfo);
        sink.manager.init_destination = InitSink;
        sink.manager.empty_output_buffer = EmptySink;
        sink.manager.term_destination = TermSink;
        cinfo.dest = &sink.manager;
        cinfo.image_width = static_cast<JDIMENSION>(image.width());
        cinfo.image_height = static_cast<JDIMENSION>(image.height());
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        jpeg_start_compress(&cinfo, TRUE);
        while (cinfo.next_scanline < cinfo.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
    } catch (...) {
        jpeg_destroy_compress(&cinfo);
        throw;
    }
    jpeg_destroy_compress(&cinfo);
    return sink.bytes;
}

}  // namespace ui
