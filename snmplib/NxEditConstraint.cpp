#include "NxEditConstraint.h"

#include "Exception.h"
#include "NxSNMPError.h"
#include "NxUtils.h"
#include "NxValueCheck.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

// Entries of CommonErrorMessages used by the exit check.
enum : size_t {
    MsgEmpty = 3,
    MsgMaxLength = 4,
    MsgLength = 5,
    MsgHexMaxLength = 6,
    MsgHexLength = 7,
    MsgNumberRange = 8,
    MsgMaxCount = 9,
    MsgCount = 10,
    MsgListRange = 11,
    MsgIp = 19,
    MsgMulticastIp = 20,
    MsgIpv6 = 21,
    MsgMulticastIpv6 = 22,
    MsgMac = 23,
    MsgMulticastMac = 24,
    MsgUnicastMac = 25,
};

constexpr double kSmallestPositive = std::numeric_limits<double>::min();  // 2.2250738585072014E-308
constexpr double kLargest = std::numeric_limits<double>::max();           // 1.7976931348623157E+308

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

[[noreturn]] void BadFormat() { RaiseNxSNMPError(NxErrBadEditFormat); }

// Real number text: up to 15 significant digits, fixed unless the value is very large or small
// (1 -> "1", 4094 -> "4094", 1.7976931348623157E+308 -> "1.79769313486232E308").
std::string RealText(double value) {
    if (value == 0) return "0";
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string text = buffer;
    size_t e = text.find('e');
    int exponent = std::stoi(text.substr(e + 1));
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || std::fabs(value) < 1e-5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        return out + "E" + std::to_string(exponent);
    }
    if (exponent < 0) return out + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

// The standard text-to-double reading: the longest leading number after blanks, 0 when nothing reads.
// Independent of the locale, so a decimal comma setting cannot change what an edit accepts.
double LeadingReal(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at < text.size() && text[at] == '+') ++at;
    double value = 0;
    const char* first = text.data() + at;
    auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return *first == '-' ? -HUGE_VAL : HUGE_VAL;
    return error == std::errc() ? value : 0;
}

// The run of characters from `at` that belong to `set`; `at` moves past it.
std::string TakeRun(const std::string& options, size_t& at, const char* set) {
    size_t from = at;
    while (at < options.size() && std::strchr(set, options[at]) != nullptr && options[at] != '\0') ++at;
    return options.substr(from, at - from);
}

int32_t TakeDigits(const std::string& options, size_t& at) {
    std::string digits = TakeRun(options, at, "0123456789");
    int32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc()) BadFormat();  // no digits, or beyond 32 bits
    return value;
}

double TakeNumber(const std::string& options, size_t& at) {
    std::string number = TakeRun(options, at, "-0123456789.");
    if (number.empty()) BadFormat();
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        throw Exception("'" + number + "' is not a valid floating point value");
    return value;
}

void ReadOptions(const std::string& options, NxEditFormat& f) {
    size_t at = 0;
    while (at < options.size()) {
        char option = options[at++];
        char next = at < options.size() ? options[at] : '\0';
        switch (option) {
        case 'l':
            f.LengthLimit = TakeDigits(options, at);
            for (int k = 0; k < 3 && at < options.size(); ++k, ++at) {
                char suffix = options[at];
                if (suffix == 'a') f.LengthFlags |= NxEditAdvanceAtLength;
                else if (suffix == 'f') f.LengthFlags |= NxEditExactLength;
                else if (suffix == 'n') f.LengthFlags |= NxEditNotEmpty;
                else break;
            }
            break;
        case 'w': f.Width = TakeDigits(options, at); break;
        case 'n': f.MinValue = TakeNumber(options, at); break;
        case 'x': f.MaxValue = TakeNumber(options, at); break;
        case 'e':
            if (next == '\0') BadFormat();
            f.ExitChar = next;
            ++at;
            break;
        case 'I':
            f.AddressForm = NxEditIp;
            if (next == '6') {
                f.AddressForm = NxEditIpv6;
                next = ++at < options.size() ? options[at] : '\0';
            }
            if (next == 'm') f.AddressForm = f.AddressForm == NxEditIp ? NxEditMulticastIp : NxEditMulticastIpv6;
            if (next != '\0') ++at;  // the modifier place: any other character is consumed
            break;
        case 'M':
            f.AddressForm = next == 'm' ? NxEditMulticastMac : next == 'u' ? NxEditUnicastMac : NxEditMac;
            if (next != '\0') ++at;
            break;
        case 'Z': f.CustomCheck = 1; break;
        default: BadFormat();
        }
    }
}

// The type's rule while typing: may the character at `at` stay?
bool AllowedWhileTyping(const NxEditFormat& f, const std::string& text, size_t at, bool& dotSeen) {
    char c = text[at];
    switch (f.TypeLetter) {
    case 'h': return IsHexDigit(c);
    case 'i': return IsDigit(c) || (c == '-' && at == 0);
    case 'u': return IsDigit(c);
    case 'f':
        if (c == '.' && !dotSeen) {
            dotSeen = true;
            return true;
        }
        return IsDigit(c) || (c == '-' && at == 0);
    case 'n': return IsDigit(c) || (c == f.Delimiter && at > 0 && text[at - 1] != f.Delimiter);
    default: return true;
    }
}

NxEditExit Verdict(NxEditExit::Outcome outcome) {
    NxEditExit exit;
    exit.Result = outcome;
    return exit;
}

// Removes one character; the caret keeps its place in the remaining text.
NxEditChange RemoveAt(const std::string& text, size_t at, int32_t caret) {
    NxEditChange change;
    change.Text = text.substr(0, at) + text.substr(at + 1);
    change.Caret = caret > static_cast<int32_t>(at) ? caret - 1 : caret;
    change.Changed = true;
    return change;
}

// Multicast IPv6 written as 32 hex digits: the first octet is FF.
bool CheckMulticastIpv6HexText(const std::string& text) {
    return CheckIpv6HexText(text) && std::toupper(static_cast<unsigned char>(text[0])) == 'F' &&
           std::toupper(static_cast<unsigned char>(text[1])) == 'F';
}

std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& value) {
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

// The bound as an unsigned 32-bit number; a bound outside that range is clamped rather than wrapped.
uint32_t UnsignedBound(double bound) {
    if (!(bound > 0)) return 0;
    if (bound >= 4294967295.0) return 4294967295u;
    return static_cast<uint32_t>(bound);
}

// True when every number of a delimited text reads as unsigned 32-bit: digits only, a fraction after "." when the
// delimiter is not ".", nothing beyond 4294967295. A number list would wrap such a number into range.
bool NumbersFitUnsigned(const std::string& text, char delimiter) {
    uint64_t value = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == delimiter) {
            value = 0;
            inFraction = false;
        } else if (c == '.') {
            inFraction = true;
        } else if (!IsDigit(c)) {
            return false;
        } else if (!inFraction && (value = value * 10 + static_cast<uint64_t>(c - '0')) > 4294967295u) {
            return false;
        }
    }
    return true;
}

} // namespace

NxEditFormat ParseEditFormat(const std::string& format) {
    if (format.size() < 2 || format[0] != '%') BadFormat();
    NxEditFormat f;
    f.TypeLetter = format[1];
    size_t optionsAt = 2;
    switch (f.TypeLetter) {
    case 's': case 'h': case 'f':
        f.MinValue = kSmallestPositive;
        f.MaxValue = kLargest;
        break;
    case 'i':
        f.MinValue = -2147483648.0;
        f.MaxValue = 2147483647.0;
        break;
    case 'u':
        f.MinValue = 0;
        f.MaxValue = 4294967295.0;
        break;
    case 'n':
        if (format.size() < 3) BadFormat();
        f.Delimiter = format[2];
        f.MinValue = 0;
        f.MaxValue = 4294967295.0;
        optionsAt = 3;
        break;
    default: BadFormat();
    }
    if (format.size() > optionsAt) {
        if (format[optionsAt] != '{' || format.back() != '}' || format.size() < optionsAt + 2) BadFormat();
        ReadOptions(format.substr(optionsAt + 1, format.size() - optionsAt - 2), f);
    }
    return f;
}

std::vector<std::string> SplitEditFormats(const std::string& formats) {
    std::vector<std::string> segments;
    size_t from = 0;
    while (from < formats.size()) {
        size_t next = formats.find('%', from + 1);
        if (next == std::string::npos) next = formats.size();
        std::string segment = formats.substr(from, next - from);
        if (segment != "%") segments.push_back(segment);
        from = next;
    }
    return segments;
}

bool IsEditMarkerText(const std::string& text) { return text == "(NULL)" || text == "(NOTDONE)"; }

NxEditRule::NxEditRule(const std::string& format, NxEditChecker checker)
    : format_(ParseEditFormat(format)), checker_(std::move(checker)) {}

void NxEditRule::Assign(const std::string& format, NxEditChecker checker) {
    format_ = ParseEditFormat(format);
    checker_ = std::move(checker);
}

NxEditChange NxEditRule::OnChange(const std::string& oldText, const std::string& text, int32_t caret,
                                  const NxEditSavedHandler& savedChange) const {
    NxEditChange unchanged{text, std::clamp<int32_t>(caret, 0, static_cast<int32_t>(text.size()))};
    if (IsEditMarkerText(text) || text.empty()) return unchanged;

    // The edit's own length limit: what was typed or pasted beyond it never arrives.
    size_t limit = static_cast<size_t>(format_.LengthLimit);
    if (limit > 0 && text.size() > limit && text.size() > oldText.size()) {
        size_t excess = text.size() - std::max(limit, oldText.size());
        size_t end = static_cast<size_t>(unchanged.Caret);
        size_t from = end >= excess ? end - excess : 0;
        return {text.substr(0, from) + text.substr(from + excess), static_cast<int32_t>(from), true};
    }

    if (format_.ExitChar != 0) {
        size_t at = text.find(format_.ExitChar);
        if (at != std::string::npos) {
            NxEditChange change = RemoveAt(text, at, unchanged.Caret);
            change.MoveToNext = true;
            return change;
        }
    }

    bool dotSeen = false;
    for (size_t at = 0; at < text.size(); ++at) {
        if (!AllowedWhileTyping(format_, text, at, dotSeen)) {
            NxEditChange change = RemoveAt(text, at, unchanged.Caret);
            change.Beep = true;
            return change;
        }
    }

    if (savedChange && savedChange(text)) return unchanged;
    unchanged.MoveToNext = (format_.LengthFlags & NxEditAdvanceAtLength) && format_.LengthLimit > 0 &&
                           text.size() == static_cast<size_t>(format_.LengthLimit);
    return unchanged;
}

NxEditExit NxEditRule::OnExit(const std::string& text, bool rememberText, const NxEditSavedHandler& savedExit) {
    if (IsEditMarkerText(text)) return {};
    if (text.empty()) return (format_.LengthFlags & NxEditNotEmpty) ? Refuse(MsgEmpty, {}) : NxEditExit{};

    NxEditExit verdict = Verdict(NxEditExit::Passed);
    std::string accepted = text;
    if (format_.CustomCheck && checker_) {
        if (!checker_(accepted)) return RefuseSilently();
        if (accepted != text) {
            verdict.SetText = true;
            verdict.Text = accepted;
        }
    } else {
        NxEditExit typeVerdict = CheckType(text);
        if (typeVerdict.Result != NxEditExit::Passed) return typeVerdict;
    }

    if (savedExit && savedExit(accepted)) {
        NxEditExit vetoed = Verdict(NxEditExit::Vetoed);
        vetoed.SetText = true;
        vetoed.Text = lastGoodText_;
        return vetoed;
    }
    if (rememberText) SaveText(accepted);
    return verdict;
}

NxEditExit NxEditRule::Refuse(size_t message, const std::vector<std::pair<const char*, std::string>>& fills) const {
    NxEditExit refused = RefuseSilently();
    refused.Message = CommonErrorMessages[message];
    for (const auto& [placeholder, value] : fills) refused.Message = ReplaceAll(refused.Message, placeholder, value);
    return refused;
}

NxEditExit NxEditRule::RefuseSilently() const {
    NxEditExit refused = Verdict(NxEditExit::Refused);
    refused.SetText = true;
    refused.Text = lastGoodText_;
    refused.FocusEdit = true;
    return refused;
}

NxEditExit NxEditRule::CheckType(const std::string& text) const {
    switch (format_.TypeLetter) {
    case 'i': case 'u': case 'f': return CheckNumber(text);
    case 'n': return CheckNumberList(text);
    default: return format_.AddressForm != NxEditNoAddress ? CheckAddress(text) : CheckLength(text);
    }
}

NxEditExit NxEditRule::CheckNumber(const std::string& text) const {
    double value = LeadingReal(text);
    if (value >= format_.MinValue && value <= format_.MaxValue) return Verdict(NxEditExit::Passed);
    return Refuse(MsgNumberRange, {{"[MIN]", RealText(format_.MinValue)}, {"[MAX]", RealText(format_.MaxValue)}});
}

NxEditExit NxEditRule::CheckAddress(const std::string& text) const {
    bool ok = false;
    size_t message = MsgIp;
    switch (format_.AddressForm) {
    case NxEditIp: ok = CheckIpText(text); message = MsgIp; break;
    case NxEditMulticastIp: ok = CheckMulticastIpText(text); message = MsgMulticastIp; break;
    case NxEditIpv6: ok = CheckIpv6HexText(text); message = MsgIpv6; break;
    case NxEditMulticastIpv6: ok = CheckMulticastIpv6HexText(text); message = MsgMulticastIpv6; break;
    case NxEditMac: ok = CheckMacText(text); message = MsgMac; break;
    case NxEditMulticastMac: ok = CheckMacText(text) && CheckMulticastMacText(text); message = MsgMulticastMac; break;
    case NxEditUnicastMac: ok = CheckMacText(text) && CheckUnicastMacText(text); message = MsgUnicastMac; break;
    }
    if (ok) return Verdict(NxEditExit::Passed);
    return Refuse(message, {{"[MAXLEN]", std::to_string(format_.LengthLimit)}});
}

NxEditExit NxEditRule::CheckLength(const std::string& text) const {
    int32_t limit = format_.LengthLimit;
    if (limit < 1) return Verdict(NxEditExit::Passed);
    bool hex = format_.TypeLetter == 'h';
    std::string limitText = std::to_string(limit);
    if (format_.LengthFlags & NxEditExactLength) {
        if (text.size() == static_cast<size_t>(limit)) return Verdict(NxEditExit::Passed);
        return Refuse(hex ? MsgHexLength : MsgLength, {{"[LEN]", limitText}});
    }
    if (text.size() <= static_cast<size_t>(limit)) return Verdict(NxEditExit::Passed);
    return Refuse(hex ? MsgHexMaxLength : MsgMaxLength, {{"[MAXLEN]", limitText}});
}

NxEditExit NxEditRule::CheckNumberList(const std::string& text) const {
    std::string delimiter(1, format_.Delimiter);
    NxUNumList numbers;
    numbers.Delimiter = format_.Delimiter;
    int32_t count = numbers.CountItems(text);
    int32_t limit = format_.LengthLimit;
    if (limit > 0) {
        if ((format_.LengthFlags & NxEditExactLength) && count != limit)
            return Refuse(MsgCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", std::to_string(limit)}});
        if (!(format_.LengthFlags & NxEditExactLength) && count > limit)
            return Refuse(MsgMaxCount, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", std::to_string(limit)}});
    }
    uint32_t min = UnsignedBound(format_.MinValue);
    uint32_t max = UnsignedBound(format_.MaxValue);
    bool inRange = NumbersFitUnsigned(text, format_.Delimiter);
    if (inRange) {
        numbers.Parse(text);
        inRange = numbers.AllInRange(min, max);
    }
    if (inRange) return Verdict(NxEditExit::Passed);
    return Refuse(MsgListRange,
                  {{"[DELIMITER]", delimiter}, {"[MIN]", std::to_string(min)}, {"[MAX]", std::to_string(max)}});
}
