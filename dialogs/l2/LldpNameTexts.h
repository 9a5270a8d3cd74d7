#pragma once
// The LLDP dialogs show the one-octet BITS values of the LLDP MIBs as name texts, never as hex: one blank, then the
// names of the set bits in the set's order joined by "," (" Port Description,System Name"; no bit: " "). The mask
// 0x80 stands for bit 0 of the MIB's BITS type.
//
// Rules a caller must know:
// - BitsToNameText reads the hex digits at the start of the text (HexTextToInt) and tests the low octet.
// - NameTextToBits finds each name anywhere in the text (case-sensitive), so order, separators and other words do
//   not matter; the result is upper-case hex without leading zeros ("0" for none, which goes out as one octet 0).
#include <string>
#include <vector>

struct LldpName {
    unsigned Mask;
    const char* Name;
};
using LldpNameSet = std::vector<LldpName>;

extern const LldpNameSet LldpTlvNames;         // lldpPortConfigTLVsTxEnable
extern const LldpNameSet LldpDot3TlvNames;     // lldpXdot3PortConfigTLVsTxEnable
extern const LldpNameSet LldpCapabilityNames;  // LldpSystemCapabilitiesMap

std::string BitsToNameText(const std::string& hexText, const LldpNameSet& names);
std::string NameTextToBits(const std::string& nameText, const LldpNameSet& names);
// The name text of the names whose flags are set, in the set's order (what a picker of check boxes composes).
std::string NamesToNameText(const LldpNameSet& names, const std::vector<bool>& set);
