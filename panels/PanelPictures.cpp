#include "PanelPictures.h"

#include "Exception.h"
#include "Jpeg.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <jpeglib.h>
#include <map>

namespace panels {
namespace {

const QColor Chassis(52, 58, 66);
const QColor ChassisLight(88, 96, 106);
const QColor Print(220, 226, 232);
const QColor Socket(18, 18, 20);
const QColor Cage(176, 182, 188);

QFont SmallFont(int pixels, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QRect ToRect(const Box& box) { return QRect(box.Left, box.Top, box.Width, box.Height); }

void DrawChassis(QPainter& p, const PanelGeometry& g) {
    QLinearGradient body(0, 0, 0, g.ClientHeight);
    body.setColorAt(0, ChassisLight);
    body.setColorAt(0.12, Chassis);
    body.setColorAt(1, Chassis.darker(130));
    p.fillRect(0, 0, g.ClientWidth, g.ClientHeight, body);
    p.setPen(QColor(20, 22, 26));
    p.drawRect(0, 0, g.ClientWidth - 1, g.ClientHeight - 1);
    // Rack-ear screw holes.
    p.setBrush(QColor(24, 26, 30));
    p.setPen(Qt::NoPen);
    for (int y : {12, g.ClientHeight - 18}) {
        p.drawEllipse(QRect(4, y, 6, 6));
        p.drawEllipse(QRect(g.ClientWidth - 10, y, 6, 6));
    }
}

void DrawTitle(QPainter& p, const PanelGeometry& g) {
    p.setPen(Print);
    p.setFont(SmallFont(11, true));
    p.drawText(QPoint(14, g.ClientHeight - 6), QString::fromStdString(g.Model));
}

void DrawSystemLeds(QPainter& p, const PanelGeometry& g) {
    p.setFont(SmallFont(7));
    for (const LedGroup& led : g.SystemLeds) {
        p.fillRect(ToRect(led.Bounds).adjusted(-1, -1, 1, 1), QColor(10, 10, 10));
        p.setPen(Print);
        p.drawText(QPoint(led.Bounds.Right() + 3, led.Bounds.Top + 7), QString::fromStdString(led.Label));
    }
}

// The port LED block: an inset field with the port number over every LED.
void DrawLedRows(QPainter& p, const PanelGeometry& g) {
    p.setFont(SmallFont(6));
    for (const LedGroup& row : g.PortLeds) {
        if (row.Panel.rfind("LedPanel", 0) != 0) continue;
        p.fillRect(ToRect(row.Bounds).adjusted(-2, -9, 2, 2), QColor(30, 33, 38));
        p.fillRect(ToRect(row.Bounds), QColor(8, 8, 8));
        p.setPen(Print);
        for (size_t i = 0; i < row.Ports.size(); ++i) {
            const int left = row.Bounds.Left + row.Start + static_cast<int>(i) * (row.Gap + row.LedWidth);
            p.drawText(QRect(left - 4, row.Bounds.Top - 9, row.LedWidth + 8, 8), Qt::AlignCenter,
                       QString::number(row.Ports[i]));
        }
    }
}

void DrawRj45(QPainter& p, const QRect& r) {
    p.fillRect(r, QColor(120, 124, 128));
    const QRect hole = r.adjusted(2, 2, -2, -2);
    p.fillRect(hole, Socket);
    // Latch notch at the bottom, contacts at the top.
    const int notch = hole.width() / 3;
    p.fillRect(QRect(hole.center().x() - notch / 2, hole.bottom() - 2, notch, 3), QColor(120, 124, 128));
    p.setPen(QColor(212, 175, 55));
    const int contacts = 8;
    const int span = hole.width() - 4;
    for (int i = 0; i < contacts; ++i) {
        const int x = hole.left() + 2 + (span * i) / (contacts - 1);
        p.drawLine(x, hole.top() + 1, x, hole.top() + 3);
    }
}

void DrawSfp(QPainter& p, const QRect& r) {
    QLinearGradient metal(r.topLeft(), r.bottomLeft());
    metal.setColorAt(0, Cage.lighter(115));
    metal.setColorAt(1, Cage.darker(120));
    p.fillRect(r, metal);
    p.fillRect(r.adjusted(3, 4, -3, -4), Socket);
    p.setPen(QColor(90, 94, 98));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void DrawModuleSlot(QPainter& p, const QRect& r, int port) {
    p.fillRect(r, QColor(26, 28, 32));
    p.setPen(QColor(140, 146, 152));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.fillRect(r.adjusted(4, r.height() / 2 - 2, -4, -(r.height() / 2 - 2)), QColor(70, 74, 80));
    p.setPen(Print);
    p.setFont(SmallFont(7));
    p.drawText(r.adjusted(0, r.height() - 9, 0, 0), Qt::AlignCenter, QString::number(port));
}

void DrawConnectors(QPainter& p, const PanelGeometry& g) {
    for (const Connector& c : g.Connectors) {
        const QRect r = ToRect(c.Bounds);
        if (c.Medium == 0) DrawModuleSlot(p, r, c.Port);
        else if (c.Medium == mdCopper) DrawRj45(p, r);
        else DrawSfp(p, r);
        if (c.Medium == 0) continue;
        // Port number: above the upper row, below the lower row, beside an LED that shares the place.
        p.setPen(Print);
        p.setFont(SmallFont(7));
        p.drawText(ToRect(c.Label), Qt::AlignCenter, QString::number(c.Port) + (c.Medium == mdFibre ? "F" : ""));
    }
}

void DrawLedSeats(QPainter& p, const PanelGeometry& g) {
    auto seat = [&](const LedGroup& led) { p.fillRect(ToRect(led.Bounds).adjusted(-1, -1, 1, 1), QColor(8, 8, 8)); };
    for (const LedGroup& led : g.PortLeds)
        if (led.Panel.rfind("LedPanel", 0) != 0) seat(led);
    for (const ComboPort& combo : g.Combos) {
        seat(combo.ComboPanel);
        seat(combo.PortPanel);
    }
    for (const LedGroup& led : g.LedOnlyPorts) seat(led);
}

void DrawVents(QPainter& p, const PanelGeometry& g) {
    for (const Box& vent : g.Vents) {
        for (int x = vent.Left; x + 3 <= vent.Right(); x += 7) {
            QPainterPath slot;
            slot.addRoundedRect(QRectF(x, vent.Top, 3, vent.Height), 1.5, 1.5);
            p.fillPath(slot, QColor(22, 24, 28));
        }
    }
}

void DrawPoeToggleSeat(QPainter& p, const PanelGeometry& g) {
    if (g.PoeToggle.Width == 0) return;
    p.setPen(Print);
    p.setFont(SmallFont(7));
    p.drawText(QPoint(g.PoeToggle.Right() + 4, g.PoeToggle.Top + 14), "PoE LED mode");
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

QImage DrawFrontPanel(const PanelGeometry& g) {
    QImage image(g.ClientWidth, g.ClientHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawChassis(p, g);
    DrawTitle(p, g);
    DrawSystemLeds(p, g);
    DrawLedRows(p, g);
    DrawConnectors(p, g);
    DrawLedSeats(p, g);
    DrawVents(p, g);
    DrawPoeToggleSeat(p, g);
    return image;
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

const QImage& FrontPanelPicture(const std::string& model) {
    static std::map<std::string, QImage> pictures;
    auto found = pictures.find(model);
    if (found == pictures.end())
        found = pictures.emplace(model, ui::DecodeJpeg(EncodeJpeg(DrawFrontPanel(GeometryOf(model))))).first;
    return found->second;
}

ui::Bitmap PortGlyph(int medium, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(120, 124, 128));
    QPainter p(&image);
    if (medium == mdFibre) DrawSfp(p, image.rect());
    else DrawRj45(p, image.rect());
    p.end();
    ui::Bitmap bitmap;
    bitmap.SetImage(image);
    return bitmap;
}

ui::Bitmap UnitNumberStrip(const std::vector<std::string>& texts) {
    QImage image(16 * static_cast<int>(texts.size()), 16, QImage::Format_RGB32);
    image.fill(Chassis);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (size_t i = 0; i < texts.size(); ++i) {
        const QRect cell(static_cast<int>(i) * 16, 0, 16, 16);
        QPainterPath badge;
        badge.addRoundedRect(QRectF(cell.adjusted(1, 1, -1, -1)), 3, 3);
        p.fillPath(badge, QColor(30, 80, 160));
        p.setPen(Qt::white);
        p.setFont(SmallFont(texts[i].size() > 1 ? 9 : 11, true));
        p.drawText(cell, Qt::AlignCenter, QString::fromStdString(texts[i]));
    }
    p.end();
    ui::Bitmap bitmap;
    bitmap.SetImage(image);
    return bitmap;
}

ui::Bitmap UnitPictures1() {
    std::vector<std::string> texts;
    for (int n = 1; n <= 13; ++n) texts.push_back(std::to_string(n));
    texts.push_back("F");
    return UnitNumberStrip(texts);
}

ui::Bitmap UnitPictures2() {
    std::vector<std::string> texts{"12"};
    for (int n = 1; n <= 11; ++n) texts.push_back(std::to_string(n));
    return UnitNumberStrip(texts);
}

ui::Bitmap PortStatePicture(bool green, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(green ? QColor(0, 255, 0) : QColor(255, 128, 64));
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    p.end();
    ui::Bitmap bitmap;
    bitmap.SetImage(image);
    return bitmap;
}

}  // namespace panels
