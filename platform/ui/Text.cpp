#include "Text.h"

#include "Screen.h"
#include "Types.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextDocument>

namespace ui {

QString ToQString(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

namespace {

const char* CodecName(int charset) { return charset == ShiftJisCharset ? "Shift_JIS" : nullptr; }

std::optional<std::string> ToLatin1(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return std::nullopt;
    return FromQString(text);
}

// Decodes only when the bytes read without error and encode back to themselves.
std::optional<QString> Decode(const std::string& bytes, const char* codec) {
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return std::nullopt;
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString text = decoder.decode(view);
    if (decoder.hasError()) return std::nullopt;
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    const QByteArray back = encoder.encode(text);
    if (encoder.hasError() || QByteArrayView(back) != view) return std::nullopt;
    return text;
}

// Encodes only when every character has a byte form that reads back as itself (no substitute bytes).
std::optional<std::string> Encode(const QString& text, const char* codec) {
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) return std::nullopt;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    const QString back = decoder.decode(bytes);
    if (decoder.hasError() || back != text) return std::nullopt;
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

bool CharsetAvailable(int charset) {
    const char* codec = CodecName(charset);
    return codec == nullptr || QStringDecoder(codec).isValid();
}

QString ToQString(const std::string& bytes, int charset, bool* byteView) {
    const char* codec = CodecName(charset);
    std::optional<QString> text;
    if (codec && !bytes.empty()) text = Decode(bytes, codec);
    const bool decoded = text.has_value() || (codec && bytes.empty() && CharsetAvailable(charset));
    if (byteView) *byteView = !decoded;
    return text ? *text : ToQString(bytes);
}

std::optional<std::string> FromQString(const QString& text, int charset) {
    const char* codec = CodecName(charset);
    if (!codec || !CharsetAvailable(charset)) return ToLatin1(text);
    return Encode(text, codec);
}

QString PlainToolTip(const std::string& text, int charset) {
    if (text.empty()) return QString();
    return Qt::convertFromPlainText(ToQString(text, charset, nullptr), Qt::WhiteSpacePre);
}

namespace {

QColor SystemColor(uint32_t index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 0x05: return palette.color(QPalette::Base);               // window
    case 0x07: case 0x08: case 0x12: return palette.color(QPalette::Text);
    case 0x0D: return palette.color(QPalette::Highlight);
    case 0x0E: return palette.color(QPalette::HighlightedText);
    case 0x10: return palette.color(QPalette::Mid);                // button shadow
    case 0x11: return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x18: return palette.color(QPalette::ToolTipBase);
    case 0x06: return palette.color(QPalette::Shadow);
    default: return palette.color(QPalette::Window);               // button face, menu and the rest
    }
}

}  // namespace

QColor ToQColor(int color) {
    const auto value = static_cast<uint32_t>(color);
    if (IsSystemColor(color)) return SystemColor(value & 0xFFu);
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

QFont ToQFont(const Font& font, const QFont& base) {
    QFont result = base;
    if (!font.Name.empty()) result.setFamily(ToQString(font.Name));
    if (font.Height != 0)
        result.setPixelSize(font.Height < 0 ? -font.Height : font.Height);
    else if (font.Size > 0)
        result.setPointSize(font.Size);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}

Font FromQFont(const QFont& qfont, int color) {
    Font font;
    font.Name = FromQString(qfont.family());
    if (qfont.pixelSize() > 0) {
        font.Height = -qfont.pixelSize();
        const int ppi = Screen::PixelsPerInch();
        font.Size = (qfont.pixelSize() * 72 + ppi / 2) / ppi;
    } else {
        font.Size = qfont.pointSize();
    }
    font.Color = color;
    font.Bold = qfont.bold();
    font.Italic = qfont.italic();
    font.Underline = qfont.underline();
    font.StrikeOut = qfont.strikeOut();
    return font;
}

}  // namespace ui
