#pragma once
// Date and time helpers: the SNMPv2 DateAndTime value with its text form, and the real and
// date-time number text forms that the value conversions and expressions share.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The eleven octets of a DateAndTime. Year is held in host order; the wire carries it most
// significant octet first (FromOctets / ToOctets do the swap).
struct NxDateTime {
    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';
    uint8_t UtcHours = 0;
    uint8_t UtcMinutes = 0;

    static constexpr size_t WireSize = 11;
    static constexpr size_t ShortWireSize = 8;  // a DateAndTime without its offset from UTC

    NxDateTime();                                // the current local date and time, offset +0:0
    explicit NxDateTime(const std::string& text);  // the datetime form; fields it lacks stay 0

    // Parses "y-m-d,h:n:s.d" with an optional ",+h:m" or ",-h:m" offset. Returns false when the
    // text is none of these forms; the fields it did give are stored all the same.
    bool Parse(const std::string& text);
    std::string ToString() const;
    void SwapYear();

    // Wire octets: 11, or 8 without the offset. nullopt when fewer than 8 octets are given.
    static std::optional<NxDateTime> FromOctets(std::string_view octets);
    std::string ToOctets() const;  // always 11 octets

    friend bool operator==(const NxDateTime&, const NxDateTime&) = default;

private:
    struct ZeroTag {};
    explicit NxDateTime(ZeroTag) {}
};

// Reals in the general text form: up to 15 significant digits, fixed point for ordinary
// magnitudes, "1E20" / "1.5E-7" otherwise; "INF", "-INF", "NAN" for the special values.
std::string FloatToText(double value);
// Reads a whole text (blanks around it allowed) as a real; nullopt when it is none.
std::optional<double> TextToFloat(std::string_view text);

// Date-time numbers: days since 1899-12-30, the fraction being the time of day (for dates
// before that day the fraction counts forward from the start of the day all the same).
// Text form "yyyy/mm/dd hh:nn:ss"; nullopt for a number outside the years 1 to 9999.
std::optional<std::string> DateTimeNumberToText(double value);
// Reads "y/m/d" with an optional " h:n" or " h:n:s"; nullopt for a text that is no valid date.
std::optional<double> TextToDateTimeNumber(std::string_view text);
// The current local date and time as a date-time number.
double NowDateTimeNumber();
