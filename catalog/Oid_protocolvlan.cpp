#include "Oid_protocolvlan.h"

namespace {

constexpr NxOptionPair L10Pairs[] = {
    NxOptionPair::Int(1, "enabled"), NxOptionPair::Int(2, "disabled"), NxOptionPair::End(),
};
constexpr NxOptionPair L12Pairs[] = {
    NxOptionPair::Int(1, "active"), NxOptionPair::Int(2, "notInService"), NxOptionPair::Int(3, "notReady"),
    NxOptionPair::Int(4, "createAndGo"), NxOptionPair::Int(5, "createAndWait"), NxOptionPair::Int(6, "destroy"),
    NxOptionPair::End(),
};
constexpr NxOptionPair L136Pairs[] = {
    NxOptionPair::Int(0, "dot1q-vlan"), NxOptionPair::Int(1, "protocol-ip"), NxOptionPair::Int(2, "protocol-rarp"),
    NxOptionPair::Int(3, "protocol-ipx803dot3"), NxOptionPair::Int(4, "protocol-ipx802dot2"),
    NxOptionPair::Int(5, "protocol-ipxSnap"), NxOptionPair::Int(6, "protocol-ipxEthernet2"),
    NxOptionPair::Int(7, "protocol-appleTalk"), NxOptionPair::Int(8, "protocol-decLat"),
    NxOptionPair::Int(9, "protocol-sna802dot2"), NxOptionPair::Int(10, "protocol-snaEthernet2"),
    NxOptionPair::Int(11, "protocol-netBios"), NxOptionPair::Int(12, "protocol-xns"),
    NxOptionPair::Int(13, "protocol-vines"), NxOptionPair::Int(14, "protocol-ipV6"),
    NxOptionPair::Int(15, "protocol-arp"), NxOptionPair::Int(16, "protocol-userDefined"), NxOptionPair::End(),
};
constexpr NxOptionPair L137Pairs[] = {
    NxOptionPair::Int(1, "ethernet"), NxOptionPair::Int(2, "llc"), NxOptionPair::Int(3, "snap"),
    NxOptionPair::Int(4, "all"), NxOptionPair::End(),
};

NxOptionList L10;
NxOptionList L12;
NxOptionList L136;
NxOptionList L137;

constinit const NxSNMPVar E_12_16_1_1_1[] = {
    {"1.3.6.1.4.1.32473.12.16.1.1.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.2", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.3", "Protocol Type", sxInteger, readwrite, &L136},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.4", "Advertisement", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.5", "User Defined Protocol", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.6", "Encap Type", sxInteger, readwrite, &L137},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const CatalogTable Tables[] = {
    {"1.3.6.1.4.1.32473.12.16.1.1.1", "Oid_protocolvlan", E_12_16_1_1_1, MVT_FMV},
};

constinit const CatalogOptionListDef OptionLists[] = {
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {136, &L136, L136Pairs, NxOptionList::KindInteger},
    {137, &L137, L137Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_protocolvlanStartup() { BuildOptionLists(OptionLists); }

void Oid_protocolvlanExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_protocolvlanModule = {"Oid_protocolvlan", Tables, OptionLists, Oid_protocolvlanStartup, Oid_protocolvlanExit};
