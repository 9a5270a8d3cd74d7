#pragma once
// Conversions at the widget boundary. Our text is std::string holding bytes; each byte becomes one
// character (Latin-1), so a value read from an agent and written back unchanged keeps its bytes.
#include <QString>
#include <optional>
#include <string>

class QColor;
class QFont;

namespace ui {

struct Font;

QString ToQString(const std::string& bytes);
std::string FromQString(const QString& text);

// Font character sets a control can show its text bytes in.
inline constexpr int DefaultCharset = 0;     // one character per byte
inline constexpr int ShiftJisCharset = 128;  // Japanese double-byte text

// Whether the character set converts here; a set that does not shows its bytes one per character.
bool CharsetAvailable(int charset);
// Bytes as characters of the character set. Bytes the set cannot read, or could not give back unchanged, are
// shown one character per byte instead, so that a value read and written back keeps its bytes; byteView tells
// which of the two views the text is in.
QString ToQString(const std::string& bytes, int charset, bool* byteView);
// Characters back to bytes in the character set (DefaultCharset: one byte per character); none when a
// character has no byte form there.
std::optional<std::string> FromQString(const QString& text, int charset);

// A tool tip that Qt shows literally, never as rich text.
QString PlainToolTip(const std::string& text, int charset = DefaultCharset);

QColor ToQColor(int color);
QFont ToQFont(const Font& font, const QFont& base);
Font FromQFont(const QFont& font, int color);

}  // namespace ui
