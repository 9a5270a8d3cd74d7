#include "LldpNameTexts.h"

#include "NxInputCheck.h"

#include <cstdio>

const LldpNameSet LldpTlvNames = {
    {0x80, "Port Description"}, {0x40, "System Name"}, {0x20, "System Description"}, {0x10, "System Capabilities"}};

const LldpNameSet LldpDot3TlvNames = {
    {0x80, "macPhyConfigStatus"}, {0x40, "powerViaMDI"}, {0x20, "linkAggregation"}, {0x10, "maxFrameSize"}};

const LldpNameSet LldpCapabilityNames = {
    {0x80, "other"},     {0x40, "repeater"},          {0x20, "bridge"},     {0x10, "wlanAccessPoint"}, {0x08, "router"},
    {0x04, "telephone"}, {0x02, "docsisCableDevice"}, {0x01, "stationOnly"}};

std::string NamesToNameText(const LldpNameSet& names, const std::vector<bool>& set) {
    std::string text = " ";
    for (size_t i = 0; i < names.size() && i < set.size(); ++i) {
        if (!set[i]) continue;
        if (text != " ") text += ",";
        text += names[i].Name;
    }
    return text;
}

std::string BitsToNameText(const std::string& hexText, const LldpNameSet& names) {
    const unsigned octet = HexTextToInt(hexText) & 0xFFu;
    std::vector<bool> set;
    for (const LldpName& name : names) set.push_back((octet & name.Mask) != 0);
    return NamesToNameText(names, set);
}

std::string NameTextToBits(const std::string& nameText, const LldpNameSet& names) {
    unsigned bits = 0;
    for (const LldpName& name : names)
        if (nameText.find(name.Name) != std::string::npos) bits |= name.Mask;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", bits);
    return hex;
}
