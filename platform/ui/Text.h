#pragma once
// Conversions at the widget boundary. Our text is std::string holding bytes; each byte becomes one
// character (Latin-1), so a value read from an agent and written back unchanged keeps its bytes.
#include <QString>
#include <string>

class QColor;
class QFont;

namespace ui {

struct Font;

QString ToQString(const std::string& bytes);
std::string FromQString(const QString& text);

// A tool tip that Qt shows literally, never as rich text.
QString PlainToolTip(const std::string& text);

QColor ToQColor(int color);
QFont ToQFont(const Font& font, const QFont& base);
Font FromQFont(const QFont& font, int color);

}  // namespace ui
