#include "Oid_acl.h"
#include "OptionPairs.h"

namespace {

NxOptionList L5;
NxOptionList L10;
NxOptionList L11;
NxOptionList L12;
NxOptionList L13;
NxOptionList L14;
NxOptionList L15;
NxOptionList L16;
NxOptionList L17;
NxOptionList L18;
NxOptionList L19;
NxOptionList L20;
NxOptionList L21;
NxOptionList L22;
NxOptionList L23;
NxOptionList L24;
NxOptionList L25;

constinit const NxSNMPVar E_12_9_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Mask ID ", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.2", "Use VLAN", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "MAC Address Mask State", sxInteger, readwrite, &L11},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask Sourcc", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "MAC Address Mask Destination", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "Use 802.1p", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use Ethernet Type", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.9", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.10", "Unused Rule Entries", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_2_2_1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.2", "Use VLAN", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "Address Mask State", sxInteger, readwrite, &L14},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "Source IP Address Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "Destination IP Address Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "Use DSCP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use Protocol Type", sxInteger, readwrite, &L15},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.8", "ICMP Option", sxInteger, readwrite, &L16},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.9", "IGMP Option", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "TCP Option", sxInteger, readwrite, &L18},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "UDP Option", sxInteger, readwrite, &L18},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "TCP or UDP Source Port Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP Flag Bit", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit Mask", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "Protocol ID Option", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Protocol ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.18", "Protocol ID Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.20", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.21", "Source MAC Address Mask", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.22", "Unused Rule Entries", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Mask ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Source MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Destination MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "802.1p", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Ethernet Type", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Enable Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Replace Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Permit Rule", sxInteger, readwrite, &L19},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Rule Port", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Rule RX Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.16", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.17", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.18", "Rule Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.25", "Mirror Group ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.11", "Replace DSCP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.12", "Replace DSCP Value", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "Rule VLAN", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Source IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Destination IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Protocol", sxInteger, readonly, &L15},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.8", "ICMP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.9", "IGMP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Source Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Destination Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Protocol ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.14", "User Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.18", "Enable Replace DSCP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.19", "Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Permit", sxInteger, readwrite, &L19},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "RX Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.23", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.24", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.25", "Source MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.26", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.27", "Type", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.28", "Code", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.35", "Mirror Group ID", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_5_2_3_1[] = {
    {"1.3.6.1.4.1.32473.11.5.2.3.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.4", "OffSet 0to15", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.5", "OffSet 16to31", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.6", "OffSet 32to47", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.7", "OffSet 48to63", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.8", "OffSet 64to79", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.9", "Enable Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.10", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.11", "Replace Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.12", "Enable Replace DSCP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.13", "Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.14", "Permit", sxInteger, readwrite, &L20},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.15", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_9_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.2", "Mask Class", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.3", "Flow label", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.4", "IP Address Mask State", sxInteger, readwrite, &L21},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.5", "Source IPv6 Mask", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.6", "Destination IPv6 Mask", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.7", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.8", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.9", "Unused Rule Entries", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.11", "Use Protocol Type", sxInteger, readwrite, &L22},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.12", "TCP Option", sxInteger, readwrite, &L18},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.13", "UDP Option", sxInteger, readwrite, &L18},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.14", "Source Port Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.15", "Destination Port Mask", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_4_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.4.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.3", "Class", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.4", "Flowlabel", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.5", "Source IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.6", "Destination IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.7", "Enable Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.8", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.9", "Replace Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.10", "Permit", sxInteger, readwrite, &L19},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.11", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.12", "RX Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.13", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.14", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.15", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.20", "Protocol", sxInteger, readwrite, &L22},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.21", "Source Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.22", "Destination Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.29", "Mirror Group ID", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_1_A[] = {
    {"1.3.6.1.4.1.32473.12.9.1.1", "Global State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_9_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.2", "Use VLAN", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "MAC Address Mask State", sxInteger, readwrite, &L11},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "Source MAC Address Mask", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "Destination MAC Address Mask", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "Use Ethernet Type", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_9_5_1_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Rule Source MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Rule Destination MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Ethernet Type", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Permit", sxInteger, readwrite, &L20},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Port", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.10", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.11", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_4_2_1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.2", "Use VLAN", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "IP Address Mask State", sxInteger, readwrite, &L14},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "IP Address Mask Source", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "IP Address Mask Destination", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "Use DSCP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use Protocol Type", sxInteger, readwrite, &L15},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "ICMP Option", sxInteger, readwrite, &L16},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "IGMP Option", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "TCP Option", sxInteger, readwrite, &L18},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "UDP Option", sxInteger, readwrite, &L18},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP Flag Bit", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit Mask", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Protocol ID Mask", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "User Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_9_5_2_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Source IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Destination IP address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", sxInteger, readonly, &L15},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Source Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Destination Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Protocol ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Permit", sxInteger, readwrite, &L20},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Port", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.17", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.18", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_4_3_1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.2", "Packet Content Offset Mask (0-15)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Packet Content Offset Mask (16-31)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Packet Content Offset Mask (32-47)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Packet Content Offset Mask (48-63)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Packet Content Offset Mask (64-79)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_9_5_3_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Offset (0-15)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Payload Offset (16-31)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Payload Offset (32-47)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Payload Offset (48-63)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Payload Offset (64-79)", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Permit", sxInteger, readwrite, &L20},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Port", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.10", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.11", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_2[] = {
    {"1.3.6.1.4.1.32473.12.9.2.5", "Delete All State", sxInteger, readwrite, &L5},
    {},
};

constinit const NxSNMPVar E_12_9_4[] = {
    {"1.3.6.1.4.1.32473.12.9.4.5", "Delete All State", sxInteger, readwrite, &L5},
    {},
};

constinit const NxSNMPVar E_12_9_2_6_1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.6.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.6.1.2", "Ethernet Type", sxInteger, readonly, &L10},
    {},
};

constinit const NxSNMPVar E_12_9_2_7_1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.7.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.7.1.2", "Source MAC Address Mask", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.7.1.3", "Source IP Address Mask", sxIpAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_5_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.5.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.3", "Rule Type", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.4", "Permit", sxInteger, readonly, &L20},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.5", "Port", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_6_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.6.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.3", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.4", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.5", "Permit", sxInteger, readonly, &L20},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.6", "Port", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_4_4_1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.4.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.2", "Class", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.3", "Flow Label", sxInteger, readwrite, &L17},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.4", "Mask State", sxInteger, readwrite, &L21},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.5", "Source IPv6 Mask", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.6", "Destination IPv6 Mask", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_9_5_4_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.4.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.3", "Class", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.4", "Flowlabel", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.5", "Source IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.6", "Destination IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.7", "Permit", sxInteger, readwrite, &L20},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.8", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.9", "Port", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.10", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_2_8_1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.8.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.2", "Chunk1 State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.3", "Chunk1 Value", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.4", "Chunk1 Offset", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.5", "Chunk2 State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.6", "Chunk2 Value", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.7", "Chunk2 Offset", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.8", "Chunk3 State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.9", "Chunk3 Value", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.10", "Chunk3 Offset", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.11", "Chunk4 State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.12", "Chunk4 Value", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.13", "Chunk4 Offset", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.14", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.15", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.16", "Unused Rule Entries", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_7_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.7.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.3", "Chunk1 Value", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.4", "Chunk1", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.5", "Chunk2 Value", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.6", "Chunk2", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.7", "Chunk3 Value", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.8", "Chunk3", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.9", "Chunk4 Value", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.10", "Chunk4", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.11", "Enable Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.12", "Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.13", "Replace Priority", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.16", "Permit", sxInteger, readwrite, &L19},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.17", "Rule Port", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.18", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.19", "Owner", sxInteger, readonly, &L13},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.20", "RX Rate", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.21", "Time Range Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.22", "Mirror Group ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.14", "Replace DSCP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.15", "Replace DSCP Value", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_1_B[] = {
    {"1.3.6.1.4.1.32473.12.9.1.2", "Used Rule Entries", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.1.3", "Unused Rule Entries", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_3_8_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.8.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.3", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.4", "Total Counter", sxCounter64, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.5", "Green Counter", sxCounter64, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.6", "Yellow Counter", sxCounter64, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.7", "Red Counter", sxCounter64, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_9_6_1_1[] = {
    {"1.3.6.1.4.1.32473.12.9.6.1.1.1", "Profile ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.2", "Access ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.7", "Mode", sxInteger, readwrite, &L23},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.8", "Tr TCM CIR", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.9", "Tr TCM CBS", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.10", "Tr TCM PIR", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.11", "Tr TCM PBS", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.13", "Tr TCM Conform State", sxInteger, readwrite, &L24},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.14", "Tr TCM Conform Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.15", "Tr TCM Conform Counter State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.16", "Tr TCM Exceed State", sxInteger, readwrite, &L25},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.17", "Tr TCM Exceed Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.18", "Tr TCM Exceed Counter State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.19", "Tr TCM Violate State", sxInteger, readwrite, &L25},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.20", "Tr TCM Violate Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.21", "Tr TCM Violate Counter State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.22", "Sr TCM CIR", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.23", "Sr TCM CBS", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.24", "Sr TCM EBS", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.26", "Sr TCM Conform State", sxInteger, readwrite, &L24},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.27", "Sr TCM Conform Replace DDCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.28", "Sr TCM Conform Counter State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.29", "Sr TCM Exceed State", sxInteger, readwrite, &L25},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.30", "Sr TCM Exceed Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.31", "Sr TCM Exceed Counter State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.32", "Sr TCM Violate State", sxInteger, readwrite, &L25},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.33", "Sr TCM Violate Replace DSCP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.34", "Sr TCM Violate Counter State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.35", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_9_6[] = {
    {"1.3.6.1.4.1.32473.12.9.6.2", "Number Of Entry In Use", sxInteger, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_acl {

constinit const CatalogTable E_12_9_2_1_1 = {"1.3.6.1.4.1.32473.12.9.2.1.1", "Oid_acl", ::E_12_9_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_9_2_2_1 = {"1.3.6.1.4.1.32473.12.9.2.2.1", "Oid_acl", ::E_12_9_2_2_1, MVT_FMV};
constinit const CatalogTable E_12_9_3_1_1 = {"1.3.6.1.4.1.32473.12.9.3.1.1", "Oid_acl", ::E_12_9_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_9_3_2_1 = {"1.3.6.1.4.1.32473.12.9.3.2.1", "Oid_acl", ::E_12_9_3_2_1, MVT_FMV};
constinit const CatalogTable E_11_5_2_3_1 = {"1.3.6.1.4.1.32473.11.5.2.3.1", "Oid_acl", ::E_11_5_2_3_1, MVT_FMV};
constinit const CatalogTable E_12_9_2_4_1 = {"1.3.6.1.4.1.32473.12.9.2.4.1", "Oid_acl", ::E_12_9_2_4_1, MVT_FMV};
constinit const CatalogTable E_12_9_3_4_1 = {"1.3.6.1.4.1.32473.12.9.3.4.1", "Oid_acl", ::E_12_9_3_4_1, MVT_FMV};
constinit const CatalogTable E_12_9_1_A = {"1.3.6.1.4.1.32473.12.9.1 (1 entries from \"Global State\")", "Oid_acl", ::E_12_9_1_A, SVT_SV};
constinit const CatalogTable E_12_9_4_1_1 = {"1.3.6.1.4.1.32473.12.9.4.1.1", "Oid_acl", ::E_12_9_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_9_5_1_1 = {"1.3.6.1.4.1.32473.12.9.5.1.1", "Oid_acl", ::E_12_9_5_1_1, MVT_FMV};
constinit const CatalogTable E_12_9_4_2_1 = {"1.3.6.1.4.1.32473.12.9.4.2.1", "Oid_acl", ::E_12_9_4_2_1, MVT_FMV};
constinit const CatalogTable E_12_9_5_2_1 = {"1.3.6.1.4.1.32473.12.9.5.2.1", "Oid_acl", ::E_12_9_5_2_1, MVT_FMV};
constinit const CatalogTable E_12_9_4_3_1 = {"1.3.6.1.4.1.32473.12.9.4.3.1", "Oid_acl", ::E_12_9_4_3_1, MVT_FMV};
constinit const CatalogTable E_12_9_5_3_1 = {"1.3.6.1.4.1.32473.12.9.5.3.1", "Oid_acl", ::E_12_9_5_3_1, MVT_FMV};
constinit const CatalogTable E_12_9_2 = {"1.3.6.1.4.1.32473.12.9.2", "Oid_acl", ::E_12_9_2, SVT_SV};
constinit const CatalogTable E_12_9_4 = {"1.3.6.1.4.1.32473.12.9.4", "Oid_acl", ::E_12_9_4, SVT_SV};
constinit const CatalogTable E_12_9_2_6_1 = {"1.3.6.1.4.1.32473.12.9.2.6.1 (2 entries from \"Profile ID\" to \"Ethernet Type\")", "Oid_acl", ::E_12_9_2_6_1, MVT_FMV};
constinit const CatalogTable E_12_9_2_7_1 = {"1.3.6.1.4.1.32473.12.9.2.7.1", "Oid_acl", ::E_12_9_2_7_1, MVT_FMV};
constinit const CatalogTable E_12_9_3_5_1 = {"1.3.6.1.4.1.32473.12.9.3.5.1", "Oid_acl", ::E_12_9_3_5_1, MVT_FMV};
constinit const CatalogTable E_12_9_3_6_1 = {"1.3.6.1.4.1.32473.12.9.3.6.1", "Oid_acl", ::E_12_9_3_6_1, MVT_FMV};
constinit const CatalogTable E_12_9_4_4_1 = {"1.3.6.1.4.1.32473.12.9.4.4.1", "Oid_acl", ::E_12_9_4_4_1, MVT_FMV};
constinit const CatalogTable E_12_9_5_4_1 = {"1.3.6.1.4.1.32473.12.9.5.4.1", "Oid_acl", ::E_12_9_5_4_1, MVT_FMV};
constinit const CatalogTable E_12_9_2_8_1 = {"1.3.6.1.4.1.32473.12.9.2.8.1", "Oid_acl", ::E_12_9_2_8_1, MVT_FMV};
constinit const CatalogTable E_12_9_3_7_1 = {"1.3.6.1.4.1.32473.12.9.3.7.1", "Oid_acl", ::E_12_9_3_7_1, MVT_FMV};
constinit const CatalogTable E_12_9_1_B = {"1.3.6.1.4.1.32473.12.9.1 (2 entries from \"Used Rule Entries\")", "Oid_acl", ::E_12_9_1_B, SVT_SV};
constinit const CatalogTable E_12_9_3_8_1 = {"1.3.6.1.4.1.32473.12.9.3.8.1", "Oid_acl", ::E_12_9_3_8_1, MVT_FMV};
constinit const CatalogTable E_12_9_6_1_1 = {"1.3.6.1.4.1.32473.12.9.6.1.1", "Oid_acl", ::E_12_9_6_1_1, MVT_FMV};
constinit const CatalogTable E_12_9_6 = {"1.3.6.1.4.1.32473.12.9.6", "Oid_acl", ::E_12_9_6, SVT_SV};

}  // namespace Oid_acl

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_acl::E_12_9_2_1_1,
    &Oid_acl::E_12_9_2_2_1,
    &Oid_acl::E_12_9_3_1_1,
    &Oid_acl::E_12_9_3_2_1,
    &Oid_acl::E_11_5_2_3_1,
    &Oid_acl::E_12_9_2_4_1,
    &Oid_acl::E_12_9_3_4_1,
    &Oid_acl::E_12_9_1_A,
    &Oid_acl::E_12_9_4_1_1,
    &Oid_acl::E_12_9_5_1_1,
    &Oid_acl::E_12_9_4_2_1,
    &Oid_acl::E_12_9_5_2_1,
    &Oid_acl::E_12_9_4_3_1,
    &Oid_acl::E_12_9_5_3_1,
    &Oid_acl::E_12_9_2,
    &Oid_acl::E_12_9_4,
    &Oid_acl::E_12_9_2_6_1,
    &Oid_acl::E_12_9_2_7_1,
    &Oid_acl::E_12_9_3_5_1,
    &Oid_acl::E_12_9_3_6_1,
    &Oid_acl::E_12_9_4_4_1,
    &Oid_acl::E_12_9_5_4_1,
    &Oid_acl::E_12_9_2_8_1,
    &Oid_acl::E_12_9_3_7_1,
    &Oid_acl::E_12_9_1_B,
    &Oid_acl::E_12_9_3_8_1,
    &Oid_acl::E_12_9_6_1_1,
    &Oid_acl::E_12_9_6,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {11, &L11, L11Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {13, &L13, L13Pairs, NxOptionList::KindInteger},
    {14, &L14, L14Pairs, NxOptionList::KindInteger},
    {15, &L15, L15Pairs, NxOptionList::KindInteger},
    {16, &L16, L16Pairs, NxOptionList::KindInteger},
    {17, &L17, L17Pairs, NxOptionList::KindInteger},
    {18, &L18, L18Pairs, NxOptionList::KindInteger},
    {19, &L19, L19Pairs, NxOptionList::KindInteger},
    {20, &L20, L20Pairs, NxOptionList::KindInteger},
    {21, &L21, L21Pairs, NxOptionList::KindInteger},
    {22, &L22, L22Pairs, NxOptionList::KindInteger},
    {23, &L23, L23Pairs, NxOptionList::KindInteger},
    {24, &L24, L24Pairs, NxOptionList::KindInteger},
    {25, &L25, L25Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_aclStartup() { BuildOptionLists(OptionLists); }

void Oid_aclExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_aclModule = {"Oid_acl", Tables, OptionLists, Oid_aclStartup, Oid_aclExit};
