#include "Oid_switch.h"
#include "OptionPairs.h"

#include "NxSNMPLedColorMapList.h"

#include <optional>

NxSNMPLedColorMapList* SystemLedColorMap = nullptr;
NxSNMPLedColorMapList* PortLedColorMap = nullptr;
NxSNMPLedColorMapList* ExtraPortLedColorMap = nullptr;
NxSNMPLedColorMapList* ExtraPortLedColorMapGrey = nullptr;

namespace {

NxOptionList L5;
NxOptionList L8;
NxOptionList L9;
NxOptionList L10;
NxOptionList L12;
NxOptionList L26;
NxOptionList L44;
NxOptionList L60;
NxOptionList L86;
NxOptionList L106;
NxOptionList L150;
NxOptionList L178;
NxOptionList L179;
NxOptionList L180;
NxOptionList L181;
NxOptionList L182;
NxOptionList L183;
NxOptionList L184;
NxOptionList L185;
NxOptionList L186;
NxOptionList L187;
NxOptionList L188;
NxOptionList L189;
NxOptionList L190;
NxOptionList L191;
NxOptionList L192;
NxOptionList L193;
NxOptionList L194;
NxOptionList L195;
NxOptionList L196;
NxOptionList L197;
NxOptionList L198;
NxOptionList L199;
NxOptionList L200;
NxOptionList L201;
NxOptionList L202;
NxOptionList L203;
NxOptionList L204;
NxOptionList L205;
NxOptionList L206;
NxOptionList L207;
NxOptionList L208;
NxOptionList L209;
NxOptionList L210;
NxOptionList L211;
NxOptionList L212;
NxOptionList L213;
NxOptionList L214;
NxOptionList L215;
NxOptionList L216;
NxOptionList L217;
NxOptionList L218;
NxOptionList L219;
NxOptionList L220;
NxOptionList L221;
NxOptionList L222;
NxOptionList L223;
NxOptionList L224;
NxOptionList L225;
NxOptionList L226;
NxOptionList L227;
NxOptionList L228;
NxOptionList L229;
NxOptionList L230;
NxOptionList L231;
NxOptionList L232;
NxOptionList L233;
NxOptionList L234;
NxOptionList L235;
NxOptionList L236;
NxOptionList L237;
NxOptionList L238;
NxOptionList L239;
NxOptionList L240;
NxOptionList L241;
NxOptionList L242;
NxOptionList L243;
NxOptionList L244;
NxOptionList L245;
NxOptionList L246;
NxOptionList L247;
NxOptionList L248;
NxOptionList L249;
NxOptionList L250;
NxOptionList L251;
NxOptionList L252;
NxOptionList L253;
NxOptionList L254;
NxOptionList L255;
NxOptionList L256;
NxOptionList L257;
NxOptionList L258;

// Front-panel LED colours (0x00BBGGRR).
constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Lime = 0x00FF00;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Orange = 0x4080FF;
constexpr int32_t Grey = 0xCAC9C1;
constexpr uint8_t LedStateMask = 7;
constexpr uint8_t LedBlinkMask = 0x80;

constexpr NxLedColorPair SystemLedColors[] = {
    {0, White}, {1, White}, {2, Lime}, {3, Lime}, {4, Blue}, {5, Red}, {0, -1},
};
constexpr NxLedColorPair PortLedColors[] = {
    {0, Black}, {1, Orange}, {2, Orange}, {3, Lime}, {4, Lime}, {5, Red}, {0, -1},
};
// Shared by the extra-port map and its grey variant.
constexpr NxLedColorPair ExtraPortLedColors[] = {
    {0, Orange}, {1, Lime}, {2, Lime}, {3, Lime}, {4, Lime}, {5, Red}, {0, -1},
};

std::optional<NxSNMPLedColorMapList> systemLedColorMap;
std::optional<NxSNMPLedColorMapList> portLedColorMap;
std::optional<NxSNMPLedColorMapList> extraPortLedColorMap;
std::optional<NxSNMPLedColorMapList> extraPortLedColorMapGrey;

NxSNMPLedColorMapList* BuildLedMap(std::optional<NxSNMPLedColorMapList>& map, const NxLedColorPair* pairs,
                                   int32_t defaultColor, int32_t missingColor) {
    map.emplace(pairs, LedStateMask, LedBlinkMask, defaultColor, missingColor);
    return &*map;
}

void BuildLedColorMaps() {
    SystemLedColorMap = BuildLedMap(systemLedColorMap, SystemLedColors, Black, White);
    PortLedColorMap = BuildLedMap(portLedColorMap, PortLedColors, Black, Black);
    ExtraPortLedColorMap = BuildLedMap(extraPortLedColorMap, ExtraPortLedColors, Black, Black);
    ExtraPortLedColorMapGrey = BuildLedMap(extraPortLedColorMapGrey, ExtraPortLedColors, Grey, Grey);
}

void DestroyLedColorMaps() {
    ExtraPortLedColorMapGrey = nullptr;
    extraPortLedColorMapGrey.reset();
    ExtraPortLedColorMap = nullptr;
    extraPortLedColorMap.reset();
    PortLedColorMap = nullptr;
    portLedColorMap.reset();
    SystemLedColorMap = nullptr;
    systemLedColorMap.reset();
}

constinit const NxSNMPVar E_12_58_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.58.1.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.2", "Type", sxInteger, readonly, &L178},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.3", "Link Status", sxInteger, readonly, &L179},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.4", "Pair1 Status", sxInteger, readonly, &L180},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.5", "Pair2 Status", sxInteger, readonly, &L180},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.6", "Pair3 Status", sxInteger, readonly, &L180},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.7", "Pair4 Status", sxInteger, readonly, &L180},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.8", "Pair1 Length", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.9", "Pair2 Length", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.10", "Pair3 Length", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.11", "Pair4 Length", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.12", "Action", sxInteger, readwrite, &L181},
    {},
};

constinit const NxSNMPVar E_12_15_1_A[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", sxInteger, readwrite, &L182},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age[600-4000]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time[100-1000]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay[400-3000]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops[1-20]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count[1-10]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forwarding BPDU", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.15.1.9", "STP LBD", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.15.1.10", "STP LBD Recover Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.11", "NNI BPDU Address", sxInteger, readwrite, &L183},
    {},
};

constinit const NxSNMPVar E_12_15_1_B[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "Version", sxInteger, readwrite, &L182},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.15.1.9", "LBD", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.15.1.10", "LBD Recover Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.11", "NNI BPDU Address", sxInteger, readwrite, &L183},
    {},
};

constinit const NxSNMPVar E_12_15_2[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.2", "Revision Level", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_15_2_3_1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "Instance ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "VLAN Range [65-128]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "VLAN Range [129-192]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "VLAN Range [193-256]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "VLAN Range [257-320]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "VLAN Range [321-384]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "VLAN Range [385-448]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "VLAN Range [449-512]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", sxInteger, readonly, &L184},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", sxInteger, readonly, &L10},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", sxTimeTicks, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Top Changes Count", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_15_2_5_1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "Instance ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "Designated Bridge", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "Internal Path Cost", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "Status", sxInteger, readonly, &L185},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "Role", sxInteger, readonly, &L186},
    {},
};

constinit const NxSNMPVar E_12_77_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.77.3.2.1.1", "VLAN Index", sxGauge, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.2", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.3", "Egress Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.4", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_87_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.87.1.1.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.2", "Admin State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.3", "Operation Status", sxInteger, readonly, &L187},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.4", "Mode", sxInteger, readwrite, &L188},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.5", "Discovery Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.6", "Link Status", sxInteger, readonly, &L189},
    {},
};

constinit const NxSNMPVar E_12_78_1[] = {
    {"1.3.6.1.4.1.32473.12.78.1.1", "Admin State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.78.1.2", "Trap State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.78.1.2", "Log State", sxInteger, readonly, &L10},  // shares Trap State's object
    {},
};

constinit const NxSNMPVar E_12_78_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.78.3.1.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.2", "West Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.3", "West Port State", sxInteger, readonly, &L190},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.4", "East Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.5", "Port State", sxInteger, readonly, &L190},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.6", "RPL Port", sxInteger, readwrite, &L191},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.7", "RPL Owner", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.8", "Protection VLAN", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.9", "Ring MEL", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.10", "Holdoff Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.11", "Guard Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.12", "WTR Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.13", "Ring State", sxInteger, readonly, &L192},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.14", "Ring AdminState", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.15", "RPL Owner Operation Status", sxInteger, readonly, &L193},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.16", "Protection VLAN Range List 1-64", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.17", "Protection VLAN Range List 65-128", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.18", "Protection VLAN Range List 129-192", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.19", "Protection VLAN Range List 193-256", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.20", "Protection VLAN Range List 257-320", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.21", "Protection VLAN Range List 321-384", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.22", "Protection VLAN Range List 385-448", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.23", "Protection VLAN Range List 449-512", sxBitList, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.100", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_76_1[] = {
    {"1.3.6.1.4.1.32473.12.76.1.1", "Administration State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.76.1.2", "Recovery Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.76.1.3", "Trap Mode", sxInteger, readwrite, &L194},
    {"1.3.6.1.4.1.32473.12.76.1.4", "Log Mode", sxInteger, readwrite, &L194},
    {},
};

constinit const NxSNMPVar E_12_76_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.76.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.2", "State ", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.3", "Mode ", sxInteger, readwrite, &L195},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.4", "Status  ", sxInteger, readonly, &L196},
    {},
};

constinit const NxSNMPVar E_12_62_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.62.3.1.1.1", "Gateway IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.2", "MAC", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.3", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.4", "Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_2[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", sxInteger, readonly, &L197},
    {},
};

constinit const NxSNMPVar Mib2_17_2_15_1[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", sxInteger, readonly, &L198},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_15_1_C[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", sxInteger, readwrite, &L182},
    {},
};

constinit const NxSNMPVar Mib2_17[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_1_2_1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Description", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", sxInteger, readonly, &L199},
    {},
};

constinit const NxSNMPVar E_12_1_1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", sxInteger, readonly, &L200},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console Status", sxInteger, readonly, &L201},
    {"1.3.6.1.4.1.32473.12.1.1.4", "Device Configuration Status", sxInteger, readonly, &L202},
    {"1.3.6.1.4.1.32473.12.1.1.5", "Firmware Download Status", sxInteger, readonly, &L203},
    {"1.3.6.1.4.1.32473.12.1.1.7", "Dual Image Status", sxInteger, readonly, &L204},
    {"1.3.6.1.4.1.32473.12.1.1.12", "Serial Number", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_1_8_1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.8.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.2", "TX", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.3", "RX", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.4", "Util", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_1_9_1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.9.1.1", "Unit ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.2", "Total DRAM", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.3", "Used DRAM", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.4", "Utilization", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_1_10_1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.10.1.1", "Unit ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.2", "Total FLASH", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.3", "Used FLASH", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.4", "Utilization", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_12_2[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.1", "Send On IPIF Status Up State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.2", "Send On Duplicate IP Detected State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.3", "Learning State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_1_2_12_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.2", "Periodical Send Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.3", "Trap State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.4", "Log State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_1_2_10_1_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.2", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.3", "Row Status", sxInteger, readwrite, &L26},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.4", "Subnet Mask", sxIpAddress, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_10[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.2", "Delete State", sxInteger, readwrite, &L5},
    {},
};

constinit const NxSNMPVar E_12_1_2[] = {
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset State", sxInteger, readwrite, &L205},
    {"1.3.6.1.4.1.32473.12.1.2.4", "Rs232 Port Configuration", sxInteger, readonly, &L206},
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save Configuration", sxInteger, readwrite, &L207},
    {"1.3.6.1.4.1.32473.12.1.2.26", "Command Logging State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.1.2.27", "Broadcast Ping Reply State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_1_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "Description", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "File Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "File Transfer Type", sxInteger, readwrite, &L208},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Locate ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "File Load Type", sxInteger, readwrite, &L209},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", sxInteger, readwrite, &L210},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "File Increment", sxInteger, readwrite, &L9},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multiple Image Control ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.11", "Unit ID", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.12", "File IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.16", "Domain Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_13_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1", "Control ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.2", "Action", sxInteger, readwrite, &L211},
    {},
};

constinit const NxSNMPVar E_12_1_2_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.2", "Boot Image", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.3", "Boot Configuration", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.4", "Active Configuration", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_7_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Information ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Size", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Update Time", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "From", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Send User", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_8[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.2", "Current Used", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.3", "Boot Up", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_8_1_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.1", "Information ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.2", "Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.3", "Size", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.4", "Update Time", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.5", "From", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.6", "Send User", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_2_8_4_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.4.1.1", "Control ID", sxInteger, notaccess, &L212},
    {"1.3.6.1.4.1.32473.12.1.2.8.4.1.2", "Action", sxInteger, readwrite, &L213},
    {},
};

constinit const NxSNMPVar E_12_1_2_9[] = {
    {"1.3.6.1.4.1.32473.12.1.2.9.1", "Trap Control", sxInteger, readwrite, &L214},
    {"1.3.6.1.4.1.32473.12.1.2.9.2", "Log Control", sxInteger, readwrite, &L214},
    {},
};

constinit const NxSNMPVar E_12_1_3[] = {
    {"1.3.6.1.4.1.32473.12.1.3.1", "Number Of Interface", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.3.3", "Get IP", sxInteger, readwrite, &L215},
    {},
};

constinit const NxSNMPVar Mib2[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Send", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Send", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "High Capability Octets Received", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.7", "High Capability Unicast Packets Received", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.8", "High Capability Multicast Packets Received", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.9", "High Capability Broadcast Packets Received", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "High Capability Octets Send", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.11", "High Capability Unicast Packets Send", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.12", "High Capability Multicast Packets Send", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.13", "High Capability Broadcast Packets Send", sxCounter64, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", sxInteger, readonly, &L216},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", sxInteger, readonly, &L9},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", sxTimeTicks, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_25_1[] = {
    {"1.3.6.1.4.1.32473.12.25.1.1", "Recover", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.1.2", "Trap Control", sxInteger, readwrite, &L217},
    {"1.3.6.1.4.1.32473.12.25.1.4", "Auto Recover Time", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_25_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.2", "Threshold", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Broadcast Status", sxInteger, readwrite, &L44},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Multicast Status", sxInteger, readwrite, &L44},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "Unicast Status", sxInteger, readwrite, &L44},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Action Status", sxInteger, readwrite, &L218},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Count Down", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Time Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.9", "Shutdown Forever", sxInteger, readonly, &L219},
    {},
};

constinit const NxSNMPVar E_12_1_4[] = {
    {"1.3.6.1.4.1.32473.12.1.4.1", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.4.2", "Repetition", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.4.3", "Control", sxInteger, readwrite, &L220},
    {"1.3.6.1.4.1.32473.12.1.4.4", "Status", sxInteger, readonly, &L221},
    {"1.3.6.1.4.1.32473.12.1.4.5", "Success Count", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.4.6", "Fail Count", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_12[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "Log Control State", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_12_3[] = {
    {"1.3.6.1.4.1.32473.12.12.3.1", "Method", sxInteger, readwrite, &L222},
    {"1.3.6.1.4.1.32473.12.12.3.2", "Time Interval", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_12_4[] = {
    {"1.3.6.1.4.1.32473.12.12.4.1", "Clear Log", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_12_4_2[] = {
    {"1.3.6.1.4.1.32473.12.12.4.2.1", "Unit ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.4.2.2", "State", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_12_2_1[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "Index", sxInteger, notaccess, &L223},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "Facility", sxInteger, readwrite, &L224},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "Severity", sxInteger, readwrite, &L225},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "UDP Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_81_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.81.3.1.1.1", "Type", sxInteger, notaccess, &L226},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.2", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.3", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.4", "IPv4 Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.5", "IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_10_7_A[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_10_7_9_1[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_10_7_B[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", sxInteger, readwrite, &L227},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operation Mode", sxInteger, readonly, &L228},
    {},
};

constinit const NxSNMPVar Mib2_10_7_10_1[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_10_7_2_1[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.2", "Alignment Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.3", "FCS Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.4", "Single Collision Frames", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.5", "Multiple Collision Frames", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.6", "SQE Test Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.7", "Deferred Transmissions", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.8", "Late Collisions", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.9", "Excessive Collisions", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.17", "Ether ChipSet", sxObjectId, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex Status", sxInteger, readonly, &L229},
    {},
};

constinit const NxSNMPVar E_12_1_2_11[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.1", "State", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_1_2_11_2_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.2.1.1", "Port Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.11.2.1.2", "Action", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_1_2_11_3_1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.3.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.11.3.1.2", "Action", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_1_2_12[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.1", "State", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_60_1[] = {
    {"1.3.6.1.4.1.32473.12.60.1.1", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_60_2[] = {
    {"1.3.6.1.4.1.32473.12.60.2.1", "STP Multicast Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.60.2.2", "GVRP Multicast Address", sxMacAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_60_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.60.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.2", "Port Type", sxInteger, readwrite, &L230},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.3", "STP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.4", "GVRP State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_37_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.37.1.1.1.1", "Server IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.2", "Client MAC", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.3", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.4", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_37_1_2_1[] = {
    {"1.3.6.1.4.1.32473.12.37.1.2.1.1", "DHCP Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.2.1.2", "DHCP Port State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_37_1[] = {
    {"1.3.6.1.4.1.32473.12.37.1.3", "DHCP Server Illegal Server Log Suppress Duration", sxInteger, readwrite, &L231},
    {"1.3.6.1.4.1.32473.12.37.1.4", "DHCP Server Trap Log State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_37_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.37.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.2.1.1.2", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_37_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.37.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.3.1.1.2", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_37_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.37.4.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.2", "RIP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.3", "OSPF State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.4", "VRRP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.5", "PIM State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.6", "DVMRP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.7", "Query State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_57_1[] = {
    {"1.3.6.1.4.1.32473.12.57.1.1", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_57_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.57.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.2", "Role", sxInteger, readwrite, &L232},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.3", "Miss Drop", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.4", "TPID", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.5", "Use Inner Priority", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_57_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.57.3.2.1.1", "Port Rule Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.2.1.2", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.2.1.3", "Port Rule Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_57_3_3_1[] = {
    {"1.3.6.1.4.1.32473.12.57.3.3.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.2", "CVID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.3", "SVID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.4", "SVID Operation", sxInteger, readwrite, &L233},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.5", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.6", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_57_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.57.4.1.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.1.1.2", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_57_4_2_1[] = {
    {"1.3.6.1.4.1.32473.12.57.4.2.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.3", "Classify Source MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.4", "Classify Source MAC Address Mask", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.5", "Classify Destination MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.6", "Classify Destination MAC Address Mask", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.7", "Source IPv4 Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.8", "Source IPv4 Address Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.9", "Destination IPv4 Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.10", "Destination IPv4 Address Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.11", "Inner VLAN ID", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.12", "Outer VLAN ID", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.13", "802.1p", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.14", "IP Protocol", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.15", "Source Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.16", "Destination Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.17", "SPVID Operation", sxInteger, readwrite, &L233},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.18", "SPVID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.19", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.20", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_68_1[] = {
    {"1.3.6.1.4.1.32473.12.68.1.1", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_68_2[] = {
    {"1.3.6.1.4.1.32473.12.68.2.1", "Max Supported Entry", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.68.2.2", "Current Number of Entries", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_68_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.68.3.1.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.2", "Source Ingress", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.3", "Source Egress", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.4", "Redirect", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.5", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.6", "Mirror Group ID", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_56_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.56.3.2.1.1", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.2", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.3", "Type", sxInteger, readonly, &L234},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.4", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_8_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.8.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.8.1.2", "Administration Status", sxInteger, readonly, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.8.1.3", "Capability Bits", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.8.1.4", "Capability Advertised Bits", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.8.1.5", "Capability Received Bits", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_9_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.9.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.9.1.2", "Buffer Full Drops", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.9.1.3", "ACL Drops", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.9.1.4", "Multicast Drops", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.9.1.5", "VLAN Ingress Drops", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_1_1_6[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "Utilization In 5 seconds", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "Utilization In 1 minute", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "Utilization In 5 minutes", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_2_A[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.4", "RMON State", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_2_B[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.1", "Spanning Tree Algorithm", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_3[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.3.1", "New Root", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.3.2", "Topology Change", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.3.3", "Link Change", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_A[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.2", "IGMP Snooping", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.3", "IGMP Snooping McstRTOnly", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.4", "RMON State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.5", "Clean All Statistic Counter", sxInteger, readwrite, &L235},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.6", "VLAN ID Of FDB TBL", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.7", "Management VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.8", "MAC Notify State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.9", "MAC Notify History Size", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.10", "MAC Notify Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.13.1", "Web State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.14.1", "Telnet State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.15", "IP Auto Config", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.17", "CLI Paging State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.18", "LLDP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.19", "LLDP Forward Message State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.10.4", "Port State", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_2_13[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.13.2", "Web TCP Port", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_2_14[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.14.2", "Telnet TCP Port", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_B[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.1", "Supported VLAN", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.2", "IP Group Number Per VLAN", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.23", "Max Data Driven Learning Count", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_8_1_A[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.3", "Group Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.2", "Source IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.4", "Port Member", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_2_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.2.1.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.2.1.1.2", "Mode            ", sxInteger, readwrite, &L236},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_15_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1.2", "Head", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1.3", "Tail", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1.4", "Access", sxInteger, readwrite, &L237},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1.5", "State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1.6", "Delete State", sxInteger, readwrite, &L238},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_15_2_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.15.2.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.2.1.2", "Range Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.2.1.3", " Head    ", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.2.1.4", " Tail    ", sxIpAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_19_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.19.1.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.19.1.1.2", "Head", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.19.1.1.3", "Tail", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.19.1.1.4", "State", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_5_1_1[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", sxInteger, notaccess, &L239},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", sxOctetStr, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Row Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_5_2_1[] = {
    {"", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_1_1_A[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.2", "Medium Type", sxInteger, notaccess, &L240},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.3", "Unit ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.4", "Type", sxInteger, readonly, &L241},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5", "Link Status", sxInteger, readonly, &L242},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.6", "Nway Status", sxInteger, readonly, &L243},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.7", "Error Disable Reason", sxInteger, readonly, &L244},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_1_1_B[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.3", "Unit ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.4", "Type", sxInteger, readonly, &L241},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5", "Link Status", sxInteger, readonly, &L242},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.6", "Nway Status", sxInteger, readonly, &L243},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.7", "Error Disable Reason", sxInteger, readonly, &L244},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_1_1_C[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5", "Link Status", sxInteger, readonly, &L242},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_2_1_A[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.1", "Port Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.2", "Medium Type", sxInteger, notaccess, &L240},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.3", "Unit Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.4", "Admin State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.5", "Nway State", sxInteger, readwrite, &L245},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.6", "Flow Control State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.7", "Lock State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.8", "MAC Notify State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.11", "Auto-negotiation Restart", sxInteger, readwrite, &L246},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.12", "Auto-negotiation Cappabilities Advertised Bits", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3_2_1_B[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.3", "Unit Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.4", "Admin State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.5", "Nway State", sxInteger, readwrite, &L245},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.6", "Flow Control State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.7", "Lock State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.8", "MAC Notify State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.11", "Auto-negotiation Restart", sxInteger, readwrite, &L246},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1.12", "Auto-negotiation Cappabilities Advertised Bits", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_3[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.3.3", "Frame", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.2.3.4", "Max Size", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_9[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.9.1", "Max Supported Entries", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.2", "Current Entries Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.4", "Algorithm", sxInteger, readwrite, &L247},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_9_5_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.9.5.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.5.1.2", "State", sxInteger, readwrite, &L248},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_9_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.1", "Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.3", "Master Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.4", "Member Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.5", "Flooding Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.6", "Trunk Type", sxInteger, readwrite, &L249},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.7", "Trunk State", sxInteger, readwrite, &L250},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1.8", "Active Ports", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_7_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.7.1.1.1", "Port Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.7.1.1.2", "Max Learn Address", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.7.1.1.3", "Security Mode", sxInteger, readwrite, &L251},
    {"1.3.6.1.4.1.32473.11.70.7.2.7.1.1.4", "Admin State", sxInteger, readwrite, &L150},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_7_2[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.7.2.1", "Delete VLAN Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.7.2.2", "Delete Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.7.2.3", "Delete MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.7.2.4", "Delete Activity", sxInteger, readwrite, &L5},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_17_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.1", "VLAN Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.2", "VLAN Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.3", "VLAN Type", sxInteger, readonly, &L252},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.4", "Member Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.5", "Static Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.6", "Static Tagged Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.7", "Static Untagged Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.8", "Forbidden Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.9", "Current Tagged Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.10", "Current Untagged Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1.11", "Advertisement State", sxInteger, readwrite, &L86},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_17[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.17.2", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_18_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.18.1.1", "Admin State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.1.2", "Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.1.3", "Recover Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.1.4", "Mode", sxInteger, readwrite, &L253},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.1.5", "Trap Mode", sxInteger, readwrite, &L254},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_18_2_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.18.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.2.1.1.2", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.2.1.1.3", "VLAN", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.18.2.1.1.4", "Status", sxInteger, readonly, &L255},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_24[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.24.1", "State", sxInteger, readwrite, &L86},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_24_2_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.24.2.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.24.2.1.2", "State      ", sxInteger, readwrite, &L86},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_6[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.6.6", "HOL Prevention Control", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_6_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.6.1.1.1", "Port Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.1.1.2", "Receive Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.1.1.3", "Transmit Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.1.1.4", "RADIUS RX Rate", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.1.1.5", "RADIUS TX Rate", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_6_2_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.6.2.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.2.1.2", "Class ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.2.1.3", "Max Packets", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.2.1.4", "Mechanism", sxInteger, readwrite, &L256},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.2.1.5", "Mechanism Effective", sxInteger, readonly, &L256},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_6_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.6.3.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.3.1.2", "Class", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_6_4_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.6.4.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.4.1.2", "Default Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.4.1.3", "RADIUS Priority", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.1", "Control VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.2", "Query Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.3", "Max Response Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.4", "Robustness", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.5", "Last Member Query Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.6", "Host Timeout", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.7", "Route Timeout", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.8", "Leave Timer", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.9", "Query State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.10", "Current State", sxInteger, readonly, &L257},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.11", "Control State", sxInteger, readwrite, &L258},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.12", "Fast Leave State", sxInteger, readwrite, &L258},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.13", "Query Version", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.15", "Report Suppression", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.16", "Data Driven Learning State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.17", "Data Driven Learning Aged Out State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1.18", "Data Driven Group Expiry Time", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_4_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.4.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.4.1.2", "Query Count", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.4.1.3", "Send Query Count", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_6_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.6.1.1", "Ports VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.6.1.2", "Static Port List", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.6.1.3", "Dynamic Port List", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.6.1.4", "Forbidden Port List", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_5_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.5.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.5.1.2", "Group IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.5.1.3", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.5.1.4", "Port Map", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.5.1.5", "IP Group Report Count", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_7_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.2", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.3", "Source Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.4", "Member Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.5", "Tag Member Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.6", "VLAN State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.7", "Replace Source IP", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.9", "Remove All Added Lists", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.8", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.10", "Untag Source Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.11", "Remap Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1.12", "Replace Priority", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_8_1_B[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.2", "From IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.3", "To IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1.4", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_11_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.11.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.11.1.2", "Group Addres", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.11.1.3", "Source Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.11.1.4", "Include Port Map", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.11.1.5", "Exclude Port Map", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_20_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.20.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.20.1.2", "Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.20.1.3", "Router Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.20.1.100", "Clear Group", sxInteger, readwrite, &L106},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_11_16_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.11.16.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.16.1.2", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.16.1.3", "Member Port List", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.16.1.4", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_14_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.14.1.1.1", "Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.14.1.1.2", "Forward Ports", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.1", "Total Number Of Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.2", "Number Of Port In Use", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.4", "Boot Prom Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.5", "Firmware Version", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_1_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1.1", "Unit ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1.2", "Module ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1.3", "Module Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1.4", "Reversion", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1.5", "Serial", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1.6", "Description", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_6_7_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.6.7.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.7.1.2", "Class ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.7.1.3", "Min Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.6.7.1.4", "Max Rate", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_10_5_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1.1", "Group ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1.2", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1.3", "State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1.4", "Target Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1.5", "Ingress Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1.6", "Engress Ports", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_9_6_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.9.6.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.2.9.6.1.2", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_11_70_7_2_1_2_C[] = {
    {"1.3.6.1.4.1.32473.11.70.7.2.1.2.22", "State", sxInteger, readwrite, &L10},
    {},
};

}  // namespace

namespace Oid_switch {

constinit const CatalogTable E_12_58_1_1_1 = {"1.3.6.1.4.1.32473.12.58.1.1.1", "Oid_switch", ::E_12_58_1_1_1, MVT_FMV};
constinit const CatalogTable E_12_15_1_A = {"1.3.6.1.4.1.32473.12.15.1 (10 entries from \"STP Version\")", "Oid_switch", ::E_12_15_1_A, SVT_SV};
constinit const CatalogTable E_12_15_1_B = {"1.3.6.1.4.1.32473.12.15.1 (9 entries from \"Version\")", "Oid_switch", ::E_12_15_1_B, SVT_SV};
constinit const CatalogTable E_12_15_2 = {"1.3.6.1.4.1.32473.12.15.2", "Oid_switch", ::E_12_15_2, SVT_SV};
constinit const CatalogTable E_12_15_2_3_1 = {"1.3.6.1.4.1.32473.12.15.2.3.1", "Oid_switch", ::E_12_15_2_3_1, MVT_FMV};
constinit const CatalogTable E_12_15_2_5_1 = {"1.3.6.1.4.1.32473.12.15.2.5.1", "Oid_switch", ::E_12_15_2_5_1, MVT_FMV};
constinit const CatalogTable E_12_77_3_2_1 = {"1.3.6.1.4.1.32473.12.77.3.2.1", "Oid_switch", ::E_12_77_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_87_1_1_1 = {"1.3.6.1.4.1.32473.12.87.1.1.1", "Oid_switch", ::E_12_87_1_1_1, MVT_FMV};
constinit const CatalogTable E_12_78_1 = {"1.3.6.1.4.1.32473.12.78.1", "Oid_switch", ::E_12_78_1, SVT_SV};
constinit const CatalogTable E_12_78_3_1_1 = {"1.3.6.1.4.1.32473.12.78.3.1.1", "Oid_switch", ::E_12_78_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_76_1 = {"1.3.6.1.4.1.32473.12.76.1", "Oid_switch", ::E_12_76_1, SVT_SV};
constinit const CatalogTable E_12_76_3_1_1 = {"1.3.6.1.4.1.32473.12.76.3.1.1", "Oid_switch", ::E_12_76_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_62_3_1_1 = {"1.3.6.1.4.1.32473.12.62.3.1.1", "Oid_switch", ::E_12_62_3_1_1, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_2 = {"1.3.6.1.2.1.17.7.1.2", "Oid_switch", ::Mib2_17_7_1_2, MVT_FMV};
constinit const CatalogTable Mib2_17_2_15_1 = {"1.3.6.1.2.1.17.2.15.1 (10 entries from \"Port\" to \"Forward Transitions\")", "Oid_switch", ::Mib2_17_2_15_1, MVT_FMV};
constinit const CatalogTable E_12_15_1_C = {"1.3.6.1.4.1.32473.12.15.1 (1 entries from \"STP Version\")", "Oid_switch", ::E_12_15_1_C, SVT_SV};
constinit const CatalogTable Mib2_17 = {"1.3.6.1.2.1.17 (3 entries from \"Number of Ports\")", "Oid_switch", ::Mib2_17, SVT_SV};
constinit const CatalogTable E_12_1_1_2_1 = {"1.3.6.1.4.1.32473.12.1.1.2.1", "Oid_switch", ::E_12_1_1_2_1, MVT_FMV};
constinit const CatalogTable E_12_1_1 = {"1.3.6.1.4.1.32473.12.1.1", "Oid_switch", ::E_12_1_1, SVT_SV};
constinit const CatalogTable E_12_1_1_8_1 = {"1.3.6.1.4.1.32473.12.1.1.8.1", "Oid_switch", ::E_12_1_1_8_1, MVT_FMV};
constinit const CatalogTable E_12_1_1_9_1 = {"1.3.6.1.4.1.32473.12.1.1.9.1", "Oid_switch", ::E_12_1_1_9_1, MVT_FMV};
constinit const CatalogTable E_12_1_1_10_1 = {"1.3.6.1.4.1.32473.12.1.1.10.1", "Oid_switch", ::E_12_1_1_10_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_12_2 = {"1.3.6.1.4.1.32473.12.1.2.12.2", "Oid_switch", ::E_12_1_2_12_2, SVT_SV};
constinit const CatalogTable E_12_1_2_12_2_4_1 = {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1", "Oid_switch", ::E_12_1_2_12_2_4_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_10_1_1 = {"1.3.6.1.4.1.32473.12.1.2.10.1.1", "Oid_switch", ::E_12_1_2_10_1_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_10 = {"1.3.6.1.4.1.32473.12.1.2.10", "Oid_switch", ::E_12_1_2_10, SVT_SV};
constinit const CatalogTable E_12_1_2 = {"1.3.6.1.4.1.32473.12.1.2", "Oid_switch", ::E_12_1_2, SVT_SV};
constinit const CatalogTable E_12_1_2_1_1 = {"1.3.6.1.4.1.32473.12.1.2.1.1", "Oid_switch", ::E_12_1_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_13_1 = {"1.3.6.1.4.1.32473.12.1.2.13.1", "Oid_switch", ::E_12_1_2_13_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_1 = {"1.3.6.1.4.1.32473.12.1.2.1", "Oid_switch", ::E_12_1_2_1, SVT_SV};
constinit const CatalogTable E_12_1_2_7_1 = {"1.3.6.1.4.1.32473.12.1.2.7.1", "Oid_switch", ::E_12_1_2_7_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_8 = {"1.3.6.1.4.1.32473.12.1.2.8", "Oid_switch", ::E_12_1_2_8, SVT_SV};
constinit const CatalogTable E_12_1_2_8_1_1 = {"1.3.6.1.4.1.32473.12.1.2.8.1.1", "Oid_switch", ::E_12_1_2_8_1_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_8_4_1 = {"1.3.6.1.4.1.32473.12.1.2.8.4.1", "Oid_switch", ::E_12_1_2_8_4_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_9 = {"1.3.6.1.4.1.32473.12.1.2.9", "Oid_switch", ::E_12_1_2_9, SVT_SV};
constinit const CatalogTable E_12_1_3 = {"1.3.6.1.4.1.32473.12.1.3", "Oid_switch", ::E_12_1_3, SVT_SV};
constinit const CatalogTable Mib2 = {"1.3.6.1.2.1 (20 entries from \"Interface Index\")", "Oid_switch", ::Mib2, MVT_FMV};
constinit const CatalogTable E_12_25_1 = {"1.3.6.1.4.1.32473.12.25.1", "Oid_switch", ::E_12_25_1, SVT_SV};
constinit const CatalogTable E_12_25_3_1_1 = {"1.3.6.1.4.1.32473.12.25.3.1.1", "Oid_switch", ::E_12_25_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_1_4 = {"1.3.6.1.4.1.32473.12.1.4", "Oid_switch", ::E_12_1_4, SVT_SV};
constinit const CatalogTable E_12_12 = {"1.3.6.1.4.1.32473.12.12", "Oid_switch", ::E_12_12, SVT_SV};
constinit const CatalogTable E_12_12_3 = {"1.3.6.1.4.1.32473.12.12.3", "Oid_switch", ::E_12_12_3, SVT_SV};
constinit const CatalogTable E_12_12_4 = {"1.3.6.1.4.1.32473.12.12.4", "Oid_switch", ::E_12_12_4, SVT_SV};
constinit const CatalogTable E_12_12_4_2 = {"1.3.6.1.4.1.32473.12.12.4.2", "Oid_switch", ::E_12_12_4_2, SVT_SV};
constinit const CatalogTable E_12_12_2_1 = {"1.3.6.1.4.1.32473.12.12.2.1", "Oid_switch", ::E_12_12_2_1, MVT_FMV};
constinit const CatalogTable E_12_81_3_1_1 = {"1.3.6.1.4.1.32473.12.81.3.1.1", "Oid_switch", ::E_12_81_3_1_1, MVT_FMV};
constinit const CatalogTable Mib2_10_7_A = {"1.3.6.1.2.1.10.7 (2 entries from \"Index\")", "Oid_switch", ::Mib2_10_7_A, MVT_FMV};
constinit const CatalogTable Mib2_10_7_9_1 = {"1.3.6.1.2.1.10.7.9.1", "Oid_switch", ::Mib2_10_7_9_1, MVT_SV};
constinit const CatalogTable Mib2_10_7_B = {"1.3.6.1.2.1.10.7 (3 entries from \"Index\")", "Oid_switch", ::Mib2_10_7_B, MVT_FMV};
constinit const CatalogTable Mib2_10_7_10_1 = {"1.3.6.1.2.1.10.7.10.1", "Oid_switch", ::Mib2_10_7_10_1, MVT_SV};
constinit const CatalogTable Mib2_10_7_2_1 = {"1.3.6.1.2.1.10.7.2.1", "Oid_switch", ::Mib2_10_7_2_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_11 = {"1.3.6.1.4.1.32473.12.1.2.11", "Oid_switch", ::E_12_1_2_11, SVT_SV};
constinit const CatalogTable E_12_1_2_11_2_1 = {"1.3.6.1.4.1.32473.12.1.2.11.2.1", "Oid_switch", ::E_12_1_2_11_2_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_11_3_1 = {"1.3.6.1.4.1.32473.12.1.2.11.3.1", "Oid_switch", ::E_12_1_2_11_3_1, MVT_FMV};
constinit const CatalogTable E_12_1_2_12 = {"1.3.6.1.4.1.32473.12.1.2.12", "Oid_switch", ::E_12_1_2_12, SVT_SV};
constinit const CatalogTable E_12_60_1 = {"1.3.6.1.4.1.32473.12.60.1", "Oid_switch", ::E_12_60_1, SVT_SV};
constinit const CatalogTable E_12_60_2 = {"1.3.6.1.4.1.32473.12.60.2", "Oid_switch", ::E_12_60_2, SVT_SV};
constinit const CatalogTable E_12_60_3_1_1 = {"1.3.6.1.4.1.32473.12.60.3.1.1", "Oid_switch", ::E_12_60_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_37_1_1_1 = {"1.3.6.1.4.1.32473.12.37.1.1.1", "Oid_switch", ::E_12_37_1_1_1, MVT_FMV};
constinit const CatalogTable E_12_37_1_2_1 = {"1.3.6.1.4.1.32473.12.37.1.2.1", "Oid_switch", ::E_12_37_1_2_1, MVT_FMV};
constinit const CatalogTable E_12_37_1 = {"1.3.6.1.4.1.32473.12.37.1", "Oid_switch", ::E_12_37_1, SVT_SV};
constinit const CatalogTable E_12_37_2_1_1 = {"1.3.6.1.4.1.32473.12.37.2.1.1", "Oid_switch", ::E_12_37_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_37_3_1_1 = {"1.3.6.1.4.1.32473.12.37.3.1.1", "Oid_switch", ::E_12_37_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_37_4_1_1 = {"1.3.6.1.4.1.32473.12.37.4.1.1", "Oid_switch", ::E_12_37_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_57_1 = {"1.3.6.1.4.1.32473.12.57.1", "Oid_switch", ::E_12_57_1, SVT_SV};
constinit const CatalogTable E_12_57_3_1_1 = {"1.3.6.1.4.1.32473.12.57.3.1.1", "Oid_switch", ::E_12_57_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_57_3_2_1 = {"1.3.6.1.4.1.32473.12.57.3.2.1", "Oid_switch", ::E_12_57_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_57_3_3_1 = {"1.3.6.1.4.1.32473.12.57.3.3.1", "Oid_switch", ::E_12_57_3_3_1, MVT_FMV};
constinit const CatalogTable E_12_57_4_1_1 = {"1.3.6.1.4.1.32473.12.57.4.1.1", "Oid_switch", ::E_12_57_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_57_4_2_1 = {"1.3.6.1.4.1.32473.12.57.4.2.1", "Oid_switch", ::E_12_57_4_2_1, MVT_FMV};
constinit const CatalogTable E_12_68_1 = {"1.3.6.1.4.1.32473.12.68.1", "Oid_switch", ::E_12_68_1, SVT_SV};
constinit const CatalogTable E_12_68_2 = {"1.3.6.1.4.1.32473.12.68.2", "Oid_switch", ::E_12_68_2, SVT_SV};
constinit const CatalogTable E_12_68_3_1_1 = {"1.3.6.1.4.1.32473.12.68.3.1.1", "Oid_switch", ::E_12_68_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_56_3_2_1 = {"1.3.6.1.4.1.32473.12.56.3.2.1", "Oid_switch", ::E_12_56_3_2_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_3_8_1 = {"1.3.6.1.4.1.32473.11.70.7.2.3.8.1 (5 entries from \"Index\")", "Oid_switch", ::E_11_70_7_2_3_8_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_3_9_1 = {"1.3.6.1.4.1.32473.11.70.7.2.3.9.1 (5 entries from \"Index\")", "Oid_switch", ::E_11_70_7_2_3_9_1, MVT_FMV};
constinit const CatalogTable E_12_1_1_6 = {"1.3.6.1.4.1.32473.12.1.1.6", "Oid_switch", ::E_12_1_1_6, SVT_SV};
constinit const CatalogTable E_11_70_7_2_1_2_A = {"1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from \"RMON State\")", "Oid_switch", ::E_11_70_7_2_1_2_A, SVT_SV};
constinit const CatalogTable E_11_70_7_2_1_2_B = {"1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from \"Spanning Tree Algorithm\")", "Oid_switch", ::E_11_70_7_2_1_2_B, SVT_SV};
constinit const CatalogTable E_11_70_7_2_1_3 = {"1.3.6.1.4.1.32473.11.70.7.2.1.3", "Oid_switch", ::E_11_70_7_2_1_3, SVT_SV};
constinit const CatalogTable E_11_70_7_2_A = {"1.3.6.1.4.1.32473.11.70.7.2 (16 entries from \"IGMP Snooping\")", "Oid_switch", ::E_11_70_7_2_A, SVT_SV};
constinit const CatalogTable E_11_70_7_2_1_2_13 = {"1.3.6.1.4.1.32473.11.70.7.2.1.2.13", "Oid_switch", ::E_11_70_7_2_1_2_13, SVT_SV};
constinit const CatalogTable E_11_70_7_2_1_2_14 = {"1.3.6.1.4.1.32473.11.70.7.2.1.2.14", "Oid_switch", ::E_11_70_7_2_1_2_14, SVT_SV};
constinit const CatalogTable E_11_70_7_2_B = {"1.3.6.1.4.1.32473.11.70.7.2 (3 entries from \"Supported VLAN\")", "Oid_switch", ::E_11_70_7_2_B, SVT_SV};
constinit const CatalogTable E_11_70_7_2_11_8_1_A = {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1 (4 entries from \"VLAN ID\" to \"Port Member\")", "Oid_switch", ::E_11_70_7_2_11_8_1_A, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_2_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.2.1.1", "Oid_switch", ::E_11_70_7_2_2_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_15_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.15.1.1 (6 entries from \"Index\")", "Oid_switch", ::E_11_70_7_2_15_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_15_2_1 = {"1.3.6.1.4.1.32473.11.70.7.2.15.2.1", "Oid_switch", ::E_11_70_7_2_15_2_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_19_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.19.1.1", "Oid_switch", ::E_11_70_7_2_19_1_1, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_5_1_1 = {"1.3.6.1.2.1.17.7.1.5.1.1", "Oid_switch", ::Mib2_17_7_1_5_1_1, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_5_2_1 = {"1.3.6.1.2.1.17.7.1.5.2.1", "Oid_switch", ::Mib2_17_7_1_5_2_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_3_1_1_A = {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (7 entries from \"Index\")", "Oid_switch", ::E_11_70_7_2_3_1_1_A, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_3_1_1_B = {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (5 entries from \"Unit ID\")", "Oid_switch", ::E_11_70_7_2_3_1_1_B, MVT_SV};
constinit const CatalogTable E_11_70_7_2_3_1_1_C = {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (1 entries from \"Link Status\")", "Oid_switch", ::E_11_70_7_2_3_1_1_C, MVT_SV};
constinit const CatalogTable E_11_70_7_2_3_2_1_A = {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1 (10 entries from \"Port Index\")", "Oid_switch", ::E_11_70_7_2_3_2_1_A, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_3_2_1_B = {"1.3.6.1.4.1.32473.11.70.7.2.3.2.1 (8 entries from \"Unit Index\")", "Oid_switch", ::E_11_70_7_2_3_2_1_B, MVT_SV};
constinit const CatalogTable E_11_70_7_2_3 = {"1.3.6.1.4.1.32473.11.70.7.2.3", "Oid_switch", ::E_11_70_7_2_3, SVT_SV};
constinit const CatalogTable E_11_70_7_2_9 = {"1.3.6.1.4.1.32473.11.70.7.2.9", "Oid_switch", ::E_11_70_7_2_9, SVT_SV};
constinit const CatalogTable E_11_70_7_2_9_5_1 = {"1.3.6.1.4.1.32473.11.70.7.2.9.5.1", "Oid_switch", ::E_11_70_7_2_9_5_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_9_3_1 = {"1.3.6.1.4.1.32473.11.70.7.2.9.3.1", "Oid_switch", ::E_11_70_7_2_9_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_7_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.7.1.1", "Oid_switch", ::E_11_70_7_2_7_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_7_2 = {"1.3.6.1.4.1.32473.11.70.7.2.7.2", "Oid_switch", ::E_11_70_7_2_7_2, SVT_SV};
constinit const CatalogTable E_11_70_7_2_17_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.17.1.1", "Oid_switch", ::E_11_70_7_2_17_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_17 = {"1.3.6.1.4.1.32473.11.70.7.2.17", "Oid_switch", ::E_11_70_7_2_17, SVT_SV};
constinit const CatalogTable E_11_70_7_2_18_1 = {"1.3.6.1.4.1.32473.11.70.7.2.18.1", "Oid_switch", ::E_11_70_7_2_18_1, SVT_SV};
constinit const CatalogTable E_11_70_7_2_18_2_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.18.2.1.1", "Oid_switch", ::E_11_70_7_2_18_2_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_24 = {"1.3.6.1.4.1.32473.11.70.7.2.24", "Oid_switch", ::E_11_70_7_2_24, SVT_SV};
constinit const CatalogTable E_11_70_7_2_24_2_1 = {"1.3.6.1.4.1.32473.11.70.7.2.24.2.1", "Oid_switch", ::E_11_70_7_2_24_2_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_6 = {"1.3.6.1.4.1.32473.11.70.7.2.6", "Oid_switch", ::E_11_70_7_2_6, SVT_SV};
constinit const CatalogTable E_11_70_7_2_6_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.6.1.1", "Oid_switch", ::E_11_70_7_2_6_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_6_2_1 = {"1.3.6.1.4.1.32473.11.70.7.2.6.2.1", "Oid_switch", ::E_11_70_7_2_6_2_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_6_3_1 = {"1.3.6.1.4.1.32473.11.70.7.2.6.3.1", "Oid_switch", ::E_11_70_7_2_6_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_6_4_1 = {"1.3.6.1.4.1.32473.11.70.7.2.6.4.1", "Oid_switch", ::E_11_70_7_2_6_4_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_3_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.3.1", "Oid_switch", ::E_11_70_7_2_11_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_4_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.4.1", "Oid_switch", ::E_11_70_7_2_11_4_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_6_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.6.1", "Oid_switch", ::E_11_70_7_2_11_6_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_5_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.5.1", "Oid_switch", ::E_11_70_7_2_11_5_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_7_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.7.1", "Oid_switch", ::E_11_70_7_2_11_7_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_8_1_B = {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1 (4 entries from \"VLAN ID\" to \"Status\")", "Oid_switch", ::E_11_70_7_2_11_8_1_B, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_11_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.11.1", "Oid_switch", ::E_11_70_7_2_11_11_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_20_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.20.1", "Oid_switch", ::E_11_70_7_2_11_20_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_11_16_1 = {"1.3.6.1.4.1.32473.11.70.7.2.11.16.1", "Oid_switch", ::E_11_70_7_2_11_16_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_14_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.14.1.1", "Oid_switch", ::E_11_70_7_2_14_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_1_1 = {"1.3.6.1.4.1.32473.11.70.7.2.1.1 (4 entries from \"Total Number Of Port\")", "Oid_switch", ::E_11_70_7_2_1_1, SVT_SV};
constinit const CatalogTable E_11_70_7_2_1_1_3_1 = {"1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1", "Oid_switch", ::E_11_70_7_2_1_1_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_6_7_1 = {"1.3.6.1.4.1.32473.11.70.7.2.6.7.1", "Oid_switch", ::E_11_70_7_2_6_7_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_10_5_1 = {"1.3.6.1.4.1.32473.11.70.7.2.10.5.1", "Oid_switch", ::E_11_70_7_2_10_5_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_9_6_1 = {"1.3.6.1.4.1.32473.11.70.7.2.9.6.1", "Oid_switch", ::E_11_70_7_2_9_6_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_2_1_2_C = {"1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from \"State\")", "Oid_switch", ::E_11_70_7_2_1_2_C, SVT_SV};

}  // namespace Oid_switch

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_switch::E_12_58_1_1_1,
    &Oid_switch::E_12_15_1_A,
    &Oid_switch::E_12_15_1_B,
    &Oid_switch::E_12_15_2,
    &Oid_switch::E_12_15_2_3_1,
    &Oid_switch::E_12_15_2_5_1,
    &Oid_switch::E_12_77_3_2_1,
    &Oid_switch::E_12_87_1_1_1,
    &Oid_switch::E_12_78_1,
    &Oid_switch::E_12_78_3_1_1,
    &Oid_switch::E_12_76_1,
    &Oid_switch::E_12_76_3_1_1,
    &Oid_switch::E_12_62_3_1_1,
    &Oid_switch::Mib2_17_7_1_2,
    &Oid_switch::Mib2_17_2_15_1,
    &Oid_switch::E_12_15_1_C,
    &Oid_switch::Mib2_17,
    &Oid_switch::E_12_1_1_2_1,
    &Oid_switch::E_12_1_1,
    &Oid_switch::E_12_1_1_8_1,
    &Oid_switch::E_12_1_1_9_1,
    &Oid_switch::E_12_1_1_10_1,
    &Oid_switch::E_12_1_2_12_2,
    &Oid_switch::E_12_1_2_12_2_4_1,
    &Oid_switch::E_12_1_2_10_1_1,
    &Oid_switch::E_12_1_2_10,
    &Oid_switch::E_12_1_2,
    &Oid_switch::E_12_1_2_1_1,
    &Oid_switch::E_12_1_2_13_1,
    &Oid_switch::E_12_1_2_1,
    &Oid_switch::E_12_1_2_7_1,
    &Oid_switch::E_12_1_2_8,
    &Oid_switch::E_12_1_2_8_1_1,
    &Oid_switch::E_12_1_2_8_4_1,
    &Oid_switch::E_12_1_2_9,
    &Oid_switch::E_12_1_3,
    &Oid_switch::Mib2,
    &Oid_switch::E_12_25_1,
    &Oid_switch::E_12_25_3_1_1,
    &Oid_switch::E_12_1_4,
    &Oid_switch::E_12_12,
    &Oid_switch::E_12_12_3,
    &Oid_switch::E_12_12_4,
    &Oid_switch::E_12_12_4_2,
    &Oid_switch::E_12_12_2_1,
    &Oid_switch::E_12_81_3_1_1,
    &Oid_switch::Mib2_10_7_A,
    &Oid_switch::Mib2_10_7_9_1,
    &Oid_switch::Mib2_10_7_B,
    &Oid_switch::Mib2_10_7_10_1,
    &Oid_switch::Mib2_10_7_2_1,
    &Oid_switch::E_12_1_2_11,
    &Oid_switch::E_12_1_2_11_2_1,
    &Oid_switch::E_12_1_2_11_3_1,
    &Oid_switch::E_12_1_2_12,
    &Oid_switch::E_12_60_1,
    &Oid_switch::E_12_60_2,
    &Oid_switch::E_12_60_3_1_1,
    &Oid_switch::E_12_37_1_1_1,
    &Oid_switch::E_12_37_1_2_1,
    &Oid_switch::E_12_37_1,
    &Oid_switch::E_12_37_2_1_1,
    &Oid_switch::E_12_37_3_1_1,
    &Oid_switch::E_12_37_4_1_1,
    &Oid_switch::E_12_57_1,
    &Oid_switch::E_12_57_3_1_1,
    &Oid_switch::E_12_57_3_2_1,
    &Oid_switch::E_12_57_3_3_1,
    &Oid_switch::E_12_57_4_1_1,
    &Oid_switch::E_12_57_4_2_1,
    &Oid_switch::E_12_68_1,
    &Oid_switch::E_12_68_2,
    &Oid_switch::E_12_68_3_1_1,
    &Oid_switch::E_12_56_3_2_1,
    &Oid_switch::E_11_70_7_2_3_8_1,
    &Oid_switch::E_11_70_7_2_3_9_1,
    &Oid_switch::E_12_1_1_6,
    &Oid_switch::E_11_70_7_2_1_2_A,
    &Oid_switch::E_11_70_7_2_1_2_B,
    &Oid_switch::E_11_70_7_2_1_3,
    &Oid_switch::E_11_70_7_2_A,
    &Oid_switch::E_11_70_7_2_1_2_13,
    &Oid_switch::E_11_70_7_2_1_2_14,
    &Oid_switch::E_11_70_7_2_B,
    &Oid_switch::E_11_70_7_2_11_8_1_A,
    &Oid_switch::E_11_70_7_2_2_1_1,
    &Oid_switch::E_11_70_7_2_15_1_1,
    &Oid_switch::E_11_70_7_2_15_2_1,
    &Oid_switch::E_11_70_7_2_19_1_1,
    &Oid_switch::Mib2_17_7_1_5_1_1,
    &Oid_switch::Mib2_17_7_1_5_2_1,
    &Oid_switch::E_11_70_7_2_3_1_1_A,
    &Oid_switch::E_11_70_7_2_3_1_1_B,
    &Oid_switch::E_11_70_7_2_3_1_1_C,
    &Oid_switch::E_11_70_7_2_3_2_1_A,
    &Oid_switch::E_11_70_7_2_3_2_1_B,
    &Oid_switch::E_11_70_7_2_3,
    &Oid_switch::E_11_70_7_2_9,
    &Oid_switch::E_11_70_7_2_9_5_1,
    &Oid_switch::E_11_70_7_2_9_3_1,
    &Oid_switch::E_11_70_7_2_7_1_1,
    &Oid_switch::E_11_70_7_2_7_2,
    &Oid_switch::E_11_70_7_2_17_1_1,
    &Oid_switch::E_11_70_7_2_17,
    &Oid_switch::E_11_70_7_2_18_1,
    &Oid_switch::E_11_70_7_2_18_2_1_1,
    &Oid_switch::E_11_70_7_2_24,
    &Oid_switch::E_11_70_7_2_24_2_1,
    &Oid_switch::E_11_70_7_2_6,
    &Oid_switch::E_11_70_7_2_6_1_1,
    &Oid_switch::E_11_70_7_2_6_2_1,
    &Oid_switch::E_11_70_7_2_6_3_1,
    &Oid_switch::E_11_70_7_2_6_4_1,
    &Oid_switch::E_11_70_7_2_11_3_1,
    &Oid_switch::E_11_70_7_2_11_4_1,
    &Oid_switch::E_11_70_7_2_11_6_1,
    &Oid_switch::E_11_70_7_2_11_5_1,
    &Oid_switch::E_11_70_7_2_11_7_1,
    &Oid_switch::E_11_70_7_2_11_8_1_B,
    &Oid_switch::E_11_70_7_2_11_11_1,
    &Oid_switch::E_11_70_7_2_11_20_1,
    &Oid_switch::E_11_70_7_2_11_16_1,
    &Oid_switch::E_11_70_7_2_14_1_1,
    &Oid_switch::E_11_70_7_2_1_1,
    &Oid_switch::E_11_70_7_2_1_1_3_1,
    &Oid_switch::E_11_70_7_2_6_7_1,
    &Oid_switch::E_11_70_7_2_10_5_1,
    &Oid_switch::E_11_70_7_2_9_6_1,
    &Oid_switch::E_11_70_7_2_1_2_C,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {8, &L8, L8Pairs, NxOptionList::KindInteger},
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {26, &L26, L26Pairs, NxOptionList::KindInteger},
    {44, &L44, L44Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {86, &L86, L86Pairs, NxOptionList::KindInteger},
    {106, &L106, L106Pairs, NxOptionList::KindInteger},
    {150, &L150, L150Pairs, NxOptionList::KindInteger},
    {178, &L178, L178Pairs, NxOptionList::KindInteger},
    {179, &L179, L179Pairs, NxOptionList::KindInteger},
    {180, &L180, L180Pairs, NxOptionList::KindInteger},
    {181, &L181, L181Pairs, NxOptionList::KindInteger},
    {182, &L182, L182Pairs, NxOptionList::KindInteger},
    {183, &L183, L183Pairs, NxOptionList::KindInteger},
    {184, &L184, L184Pairs, NxOptionList::KindInteger},
    {185, &L185, L185Pairs, NxOptionList::KindInteger},
    {186, &L186, L186Pairs, NxOptionList::KindInteger},
    {187, &L187, L187Pairs, NxOptionList::KindInteger},
    {188, &L188, L188Pairs, NxOptionList::KindInteger},
    {189, &L189, L189Pairs, NxOptionList::KindInteger},
    {190, &L190, L190Pairs, NxOptionList::KindInteger},
    {191, &L191, L191Pairs, NxOptionList::KindInteger},
    {192, &L192, L192Pairs, NxOptionList::KindInteger},
    {193, &L193, L193Pairs, NxOptionList::KindInteger},
    {194, &L194, L194Pairs, NxOptionList::KindInteger},
    {195, &L195, L195Pairs, NxOptionList::KindInteger},
    {196, &L196, L196Pairs, NxOptionList::KindInteger},
    {197, &L197, L197Pairs, NxOptionList::KindInteger},
    {198, &L198, L198Pairs, NxOptionList::KindInteger},
    {199, &L199, L199Pairs, NxOptionList::KindInteger},
    {200, &L200, L200Pairs, NxOptionList::KindInteger},
    {201, &L201, L201Pairs, NxOptionList::KindInteger},
    {202, &L202, L202Pairs, NxOptionList::KindInteger},
    {203, &L203, L203Pairs, NxOptionList::KindInteger},
    {204, &L204, L204Pairs, NxOptionList::KindInteger},
    {205, &L205, L205Pairs, NxOptionList::KindInteger},
    {206, &L206, L206Pairs, NxOptionList::KindInteger},
    {207, &L207, L207Pairs, NxOptionList::KindInteger},
    {208, &L208, L208Pairs, NxOptionList::KindInteger},
    {209, &L209, L209Pairs, NxOptionList::KindInteger},
    {210, &L210, L210Pairs, NxOptionList::KindInteger},
    {211, &L211, L211Pairs, NxOptionList::KindInteger},
    {212, &L212, L212Pairs, NxOptionList::KindInteger},
    {213, &L213, L213Pairs, NxOptionList::KindInteger},
    {214, &L214, L214Pairs, NxOptionList::KindInteger},
    {215, &L215, L215Pairs, NxOptionList::KindInteger},
    {216, &L216, L216Pairs, NxOptionList::KindInteger},
    {217, &L217, L217Pairs, NxOptionList::KindInteger},
    {218, &L218, L218Pairs, NxOptionList::KindInteger},
    {219, &L219, L219Pairs, NxOptionList::KindInteger},
    {220, &L220, L220Pairs, NxOptionList::KindInteger},
    {221, &L221, L221Pairs, NxOptionList::KindInteger},
    {222, &L222, L222Pairs, NxOptionList::KindInteger},
    {223, &L223, L223Pairs, NxOptionList::KindInteger},
    {224, &L224, L224Pairs, NxOptionList::KindInteger},
    {225, &L225, L225Pairs, NxOptionList::KindInteger},
    {226, &L226, L226Pairs, NxOptionList::KindInteger},
    {227, &L227, L227Pairs, NxOptionList::KindInteger},
    {228, &L228, L228Pairs, NxOptionList::KindInteger},
    {229, &L229, L229Pairs, NxOptionList::KindInteger},
    {230, &L230, L230Pairs, NxOptionList::KindInteger},
    {231, &L231, L231Pairs, NxOptionList::KindInteger},
    {232, &L232, L232Pairs, NxOptionList::KindInteger},
    {233, &L233, L233Pairs, NxOptionList::KindInteger},
    {234, &L234, L234Pairs, NxOptionList::KindInteger},
    {235, &L235, L235Pairs, NxOptionList::KindInteger},
    {236, &L236, L236Pairs, NxOptionList::KindInteger},
    {237, &L237, L237Pairs, NxOptionList::KindInteger},
    {238, &L238, L238Pairs, NxOptionList::KindInteger},
    {239, &L239, L239Pairs, NxOptionList::KindInteger},
    {240, &L240, L240Pairs, NxOptionList::KindInteger},
    {241, &L241, L241Pairs, NxOptionList::KindInteger},
    {242, &L242, L242Pairs, NxOptionList::KindInteger},
    {243, &L243, L243Pairs, NxOptionList::KindInteger},
    {244, &L244, L244Pairs, NxOptionList::KindInteger},
    {245, &L245, L245Pairs, NxOptionList::KindInteger},
    {246, &L246, L246Pairs, NxOptionList::KindInteger},
    {247, &L247, L247Pairs, NxOptionList::KindInteger},
    {248, &L248, L248Pairs, NxOptionList::KindInteger},
    {249, &L249, L249Pairs, NxOptionList::KindInteger},
    {250, &L250, L250Pairs, NxOptionList::KindInteger},
    {251, &L251, L251Pairs, NxOptionList::KindInteger},
    {252, &L252, L252Pairs, NxOptionList::KindInteger},
    {253, &L253, L253Pairs, NxOptionList::KindInteger},
    {254, &L254, L254Pairs, NxOptionList::KindInteger},
    {255, &L255, L255Pairs, NxOptionList::KindInteger},
    {256, &L256, L256Pairs, NxOptionList::KindInteger},
    {257, &L257, L257Pairs, NxOptionList::KindInteger},
    {258, &L258, L258Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_switchStartup() {
    BuildLedColorMaps();
    BuildOptionLists(OptionLists);
}

void Oid_switchExit() {
    ClearOptionLists(OptionLists);
    DestroyLedColorMaps();
}

constinit const CatalogModule Oid_switchModule = {"Oid_switch", Tables, OptionLists, Oid_switchStartup, Oid_switchExit};
