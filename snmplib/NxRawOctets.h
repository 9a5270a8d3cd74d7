#pragma once
// Raw octet forms of value texts, parts cut out of them, and the number-list text of bit masks
// (item p is bit p-1, the most significant bit of the first octet first).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Octets travel in std::string, as in the SNMP value model.

// The raw octets of a value text by its syntax. "(NULL)" gives no octets. Numbers and addresses are read whole and
// within their syntax's range: any other text raises -518. Raises -511 for a syntax without a raw form.
std::string TextToRaw(const std::string& valueText, int32_t syntax);

// The value text of raw octets by syntax. No octets give "(NULL)" (the empty text for a display string).
// Raises -518 when there are fewer octets than the syntax needs, -511 for a syntax without a raw form.
std::string RawToText(const std::string& octets, int32_t syntax);

// The octets of a part: the part syntax's width from offset (the rest of the value for string syntaxes).
// No octets give no octets. Raises -519 when the value is too short, -511 for a syntax without a raw form.
std::string ExtractPart(const std::string& octets, int32_t offset, int32_t partSyntax);

// The last port of a full stack (12 units of 64 ports): no port list reaches beyond it.
inline constexpr size_t MaxStackPort = 768;

// The number-list text of a hex mask ("1-3,5"; "0" when no item is set), with "[hexText]" appended when withHex.
std::string PortListText(const std::string& hexText, bool withHex);

// The lower-case hex mask, as many digits as templateHex, of a number-list text ("all" sets every item).
// Nothing when any item is out of range, reversed, malformed, or the text is longer than its limits.
std::optional<std::string> ParsePortList(const std::string& text, const std::string& templateHex);
