#pragma once
// The address and hex checks that the dedicated dialogs run before they build a SET. Pure functions of text; the
// ones that report pass the per-use message to `show` (the dialog's plain message box) at most once.
#include <cstdint>
#include <functional>
#include <string>

using ShowMessageFn = std::function<void(const std::string&)>;

enum class IpAddressFault { None, Invalid, Dot, LeadingDot };

// Dotted IPv4 text as the dialogs accept it: four groups of 0 to 255, nothing before or after them. Leading
// zeros pass (010 is 10) except in a zero group (00); the first three groups have at most three digits.
IpAddressFault FindIpAddressFault(const std::string& text);

// FindIpAddressFault with its message: Dot gives dotMessage, LeadingDot leadingDotMessage, Invalid message.
bool IsValidIPAddress(const std::string& text, const std::string& message, const std::string& dotMessage,
                      const std::string& leadingDotMessage, const ShowMessageFn& show);

// Dotted IPv4 text judged by the host-address rule table; shows nothing.
bool IsValidHostAddress(const std::string& text);

// Exactly digits hex digits. A failure shows message unless it is empty.
bool IsFixedLengthHex(const std::string& text, int digits);
bool IsFixedLengthHex(const std::string& text, int digits, const std::string& message, const ShowMessageFn& show);

// 12 hex digits; a failure shows "Invalid MAC address".
bool IsValidMACAddress(const std::string& text, const ShowMessageFn& show);

// Empty, or at most maxLength hex digits of either case; shows nothing.
bool IsHexText(const std::string& text, int maxLength);

// The value of the leading hex digits, 32-bit with wrap-around; 0 when there are none.
uint32_t HexTextToInt(const std::string& text);
