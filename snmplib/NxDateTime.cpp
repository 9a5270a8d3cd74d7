#include "NxDateTime.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// --- DateAndTime text ---------------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a C-style "%d" at pos: blanks, an optional sign, at least one digit. Saturates instead of
// overflowing; the caller cuts the number to its field.
bool ScanInt(std::string_view text, size_t& pos, int64_t& out) {
    size_t p = pos;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        negative = text[p++] == '-';
    if (p >= text.size() || !IsDigit(text[p]))
        return false;
    int64_t value = 0;
    for (; p < text.size() && IsDigit(text[p]); ++p)
        value = value > INT32_MAX ? value : value * 10 + (text[p] - '0');
    out = negative ? -value : value;
    pos = p;
    return true;
}

// Matches text against a pattern in which 'd' stands for a number and every other character for
// itself; stops at the first mismatch like sscanf. Returns how many numbers were read.
int ScanPattern(std::string_view text, std::string_view pattern, int64_t* numbers) {
    size_t pos = 0;
    int count = 0;
    for (char want : pattern) {
        if (want == 'd') {
            if (!ScanInt(text, pos, numbers[count]))
                break;
            ++count;
        } else {
            if (pos >= text.size() || text[pos] != want)
                break;
            ++pos;
        }
    }
    return count;
}

// --- Calendar arithmetic (proleptic Gregorian, days since 1970-01-01) ------------------------

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

struct CivilDate {
    int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int64_t>(yoe) + era * 400 + (month <= 2), month, day};
}

bool IsLeapYear(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(int64_t y, unsigned m) {
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

constexpr int64_t kMsPerDay = 86400000;
constexpr int64_t kUnixDayOfDateZero = -25569;  // 1899-12-30
constexpr int64_t kMinDay = -693593;            // 0001-01-01
constexpr int64_t kMaxDay = 2958465;            // 9999-12-31

double EncodeDateTime(int64_t y, unsigned m, unsigned d, unsigned h, unsigned n, unsigned s, unsigned ms) {
    const auto date = static_cast<double>(DaysFromCivil(y, m, d) - kUnixDayOfDateZero);
    const double time = (((h * 60.0 + n) * 60.0 + s) * 1000.0 + ms) / static_cast<double>(kMsPerDay);
    return date < 0 ? date - time : date + time;
}

std::tm LocalNow(unsigned& milliseconds) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    milliseconds = static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

// --- Plain number reading ------------------------------------------------------------------

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameTextNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        if (x != b[i])
            return false;
    }
    return true;
}

// digits [ "." digits ] [ ("e"|"E") [sign] digits ], at least one mantissa digit.
bool IsDecimalReal(std::string_view t) {
    size_t p = 0;
    size_t mantissaDigits = 0;
    while (p < t.size() && IsDigit(t[p]))
        ++p, ++mantissaDigits;
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && IsDigit(t[p]))
            ++p, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        ++p;
        if (p < t.size() && (t[p] == '+' || t[p] == '-'))
            ++p;
        size_t expDigits = 0;
        while (p < t.size() && IsDigit(t[p]))
            ++p, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return p == t.size();
}

// Reads an unsigned decimal of at most maxDigits digits at pos.
bool ReadUnsigned(std::string_view text, size_t& pos, size_t maxDigits, unsigned& out) {
    size_t start = pos;
    unsigned value = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < maxDigits)
        value = value * 10 + static_cast<unsigned>(text[pos++] - '0');
    if (pos == start || (pos < text.size() && IsDigit(text[pos])))
        return false;
    out = value;
    return true;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

} // namespace

// --- NxDateTime ----------------------------------------------------------------------------------

NxDateTime::NxDateTime() {
    unsigned ms = 0;
    const std::tm local = LocalNow(ms);
    Year = static_cast<uint16_t>(local.tm_year + 1900);
    Month = static_cast<uint8_t>(local.tm_mon + 1);
    Day = static_cast<uint8_t>(local.tm_mday);
    Hour = static_cast<uint8_t>(local.tm_hour);
    Minutes = static_cast<uint8_t>(local.tm_min);
    Seconds = static_cast<uint8_t>(local.tm_sec);
}

NxDateTime::NxDateTime(const std::string& text) { Parse(text); }

bool NxDateTime::Parse(const std::string& text) {
    *this = NxDateTime(ZeroTag{});
    int64_t n[9] = {};
    int count = ScanPattern(text, "d-d-d,d:d:d.d,+d:d", n);
    if (count == 9) {
        Direction = '+';
    } else if (ScanPattern(text, "d-d-d,d:d:d.d,-d:d", n) == 9) {
        count = 9;
        Direction = '-';
    } else {
        count = ScanPattern(text, "d-d-d,d:d:d.d", n);
    }
    // Each number is cut to its field's width.
    uint8_t* bytes[] = {&Month, &Day, &Hour, &Minutes, &Seconds, &DeciSeconds, &UtcHours, &UtcMinutes};
    if (count > 0)
        Year = static_cast<uint16_t>(n[0]);
    for (int k = 1; k < count; ++k)
        *bytes[k - 1] = static_cast<uint8_t>(n[k]);
    return count == 7 || count == 9;
}

std::string NxDateTime::ToString() const {
    char buf[96];
    if ((UtcHours != 0 || UtcMinutes != 0) && (Direction == '+' || Direction == '-'))
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minutes, Seconds,
                      DeciSeconds, Direction, UtcHours, UtcMinutes);
    else
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds, DeciSeconds);
    return buf;
}

void NxDateTime::SwapYear() { Year = static_cast<uint16_t>((Year >> 8) | (Year << 8)); }

std::optional<NxDateTime> NxDateTime::FromOctets(std::string_view octets) {
    if (octets.size() < ShortWireSize)
        return std::nullopt;
    auto octet = [&](size_t i) { return static_cast<uint8_t>(octets[i]); };
    NxDateTime dt{ZeroTag{}};
    dt.Year = static_cast<uint16_t>(octet(0) << 8 | octet(1));
    dt.Month = octet(2);
    dt.Day = octet(3);
    dt.Hour = octet(4);
    dt.Minutes = octet(5);
    dt.Seconds = octet(6);
    dt.DeciSeconds = octet(7);
    if (octets.size() >= WireSize) {
        dt.Direction = octets[8];
        dt.UtcHours = octet(9);
        dt.UtcMinutes = octet(10);
    }
    return dt;
}

std::string NxDateTime::ToOctets() const {
    const char octets[WireSize] = {
        static_cast<char>(Year >> 8), static_cast<char>(Year & 0xFF), static_cast<char>(Month),
        static_cast<char>(Day),       static_cast<char>(Hour),        static_cast<char>(Minutes),
        static_cast<char>(Seconds),   static_cast<char>(DeciSeconds), Direction,
        static_cast<char>(UtcHours),  static_cast<char>(UtcMinutes)};
    return std::string(octets, WireSize);
}

// --- Reals ---------------------------------------------------------------------------------------

std::string FloatToText(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    // 15 significant digits, correctly rounded: "d.dddddddddddddde-XX".
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    std::string out;
    if (sci.front() == '-') {
        out = "-";
        sci.remove_prefix(1);
    }
    const size_t e = sci.find('e');
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+'), sci.data() + sci.size(), exponent);
    std::string digits = std::string(sci.substr(0, 1)) + std::string(sci.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const int point = exponent + 1;  // digits before the decimal point
    const int count = static_cast<int>(digits.size());
    if (point > 15 || point < -3) {
        out += digits[0];
        if (count > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (point <= 0) {
        out += "0." + std::string(static_cast<size_t>(-point), '0') + digits;
    } else if (point >= count) {
        out += digits + std::string(static_cast<size_t>(point - count), '0');
    } else {
        out += digits.substr(0, static_cast<size_t>(point)) + "." + digits.substr(static_cast<size_t>(point));
    }
    return out;
}

std::optional<double> TextToFloat(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0;
    if (SameTextNoCase(text, "INF")) {
        value = HUGE_VAL;
    } else if (SameTextNoCase(text, "NAN")) {
        value = std::nan("");
    } else {
        if (!IsDecimalReal(text))
            return std::nullopt;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size())
            return std::nullopt;
    }
    return negative ? -value : value;
}

// --- Date-time numbers ---------------------------------------------------------------------------

std::optional<std::string> DateTimeNumberToText(double value) {
    if (!std::isfinite(value) || value <= static_cast<double>(kMinDay - 1) || value >= static_cast<double>(kMaxDay + 1))
        return std::nullopt;
    const auto ms = static_cast<int64_t>(std::llround(value * static_cast<double>(kMsPerDay)));
    const int64_t day = ms / kMsPerDay;  // toward zero: the fraction is always the time of day
    const int64_t timeMs = (ms < 0 ? -ms : ms) % kMsPerDay;
    if (day < kMinDay || day > kMaxDay)
        return std::nullopt;
    const CivilDate date = CivilFromDays(day + kUnixDayOfDateZero);
    const int64_t seconds = timeMs / 1000;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02d:%02d:%02d", static_cast<int>(date.year), date.month, date.day,
                  static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return std::string(buf);
}

std::optional<double> TextToDateTimeNumber(std::string_view text) {
    text = TrimBlanks(text);
    size_t pos = 0;
    unsigned y = 0, m = 0, d = 0, h = 0, n = 0, s = 0;
    if (!ReadUnsigned(text, pos, 4, y) || !Expect(text, pos, '/') || !ReadUnsigned(text, pos, 2, m) ||
        !Expect(text, pos, '/') || !ReadUnsigned(text, pos, 2, d))
        return std::nullopt;
    if (pos < text.size()) {
        if (!IsBlank(text[pos]))
            return std::nullopt;
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (!ReadUnsigned(text, pos, 2, h) || !Expect(text, pos, ':') || !ReadUnsigned(text, pos, 2, n))
            return std::nullopt;
        if (pos < text.size() && (!Expect(text, pos, ':') || !ReadUnsigned(text, pos, 2, s)))
            return std::nullopt;
        if (pos != text.size())
            return std::nullopt;
    }
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m) || h > 23 || n > 59 || s > 59)
        return std::nullopt;
    return EncodeDateTime(y, m, d, h, n, s, 0);
}

double NowDateTimeNumber() {
    unsigned ms = 0;
    const std::tm local = LocalNow(ms);
    return EncodeDateTime(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                          static_cast<unsigned>(local.tm_mday), static_cast<unsigned>(local.tm_hour),
                          static_cast<unsigned>(local.tm_min), static_cast<unsigned>(std::min(local.tm_sec, 59)), ms);
}
