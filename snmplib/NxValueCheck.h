#pragma once
// Checks of the text of an address or hex edit. Each gives true when the text is acceptable and shows nothing;
// the control versions read the edit's text and call these.
#include <optional>
#include <string>

// Dotted IPv4 address: four parts of digits only, each at most 255; at most 16 characters.
bool CheckIpText(const std::string& text);
// As CheckIpText, with a first part from 224 to 239.
bool CheckMulticastIpText(const std::string& text);
// 32 hex digits without separators.
bool CheckIpv6HexText(const std::string& text);
// A MAC address as 12 hex digits, or as six groups of two hex digits joined by one separator ("-" or "."): the
// forms a MAC value is sent in, so a text that passes is never refused when sent.
bool CheckMacText(const std::string& text);
// The six octets of a text CheckMacText accepts; nothing for any other text.
std::optional<std::string> MacTextOctets(const std::string& text);
// A MAC text (already accepted by CheckMacText) of a multicast address that is neither broadcast nor nearly all zero.
bool CheckMulticastMacText(const std::string& text);
// A MAC text (already accepted by CheckMacText) of a unicast address that is not all zero.
bool CheckUnicastMacText(const std::string& text);
// Dotted IPv4 network mask with contiguous one bits, not 0.0.0.0.
bool CheckNetmaskText(const std::string& text);
// Up to 4 hex digits; on success the text becomes its 4-digit upper-case form, else it stays as it is.
bool NormalizeHexWordText(std::string& text);
