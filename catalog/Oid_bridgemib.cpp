#include "Oid_bridgemib.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;
NxOptionList L10;
NxOptionList L259;
NxOptionList L260;
NxOptionList L261;
NxOptionList L262;
NxOptionList L263;

constinit const NxSNMPVar Mib2_17_4_A[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.2", "HC Port Out Frames", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.3", "HC Port In Discards", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_4_B[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.2", "Out Overflow Frames", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.3", "In Overflow Discards", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_A[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_6_1_1_A[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", sxBitStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_6_1_1_B[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Mib2_17_B[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Number Traffic Classes", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_C[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_D[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_E[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_F[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Join Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Leave Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Leave All Time", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_1[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Number Of VLANs", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_2_1_1[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_A[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_B[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports", sxBitStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_4_2_1[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", sxTimeTicks, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", sxInteger, readonly, &L259},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", sxTimeTicks, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_4_A[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", sxInteger, readwrite, &L260},
    {},
};

constinit const NxSNMPVar Mib2_17_G[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", sxInteger, readwrite, &L261},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", sxMacAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_4_B[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_4_C[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", sxInteger, readonly, &L262},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_C[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", sxInteger, readwrite, &L263},
    {},
};

constinit const NxSNMPVar Mib2_17_7_1_D[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To GoTo", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", sxInteger, readwrite, &L263},
    {},
};

}  // namespace

namespace Oid_bridgemib {

constinit const CatalogTable Mib2_17_4_A = {"1.3.6.1.2.1.17.4 (4 entries from \"Index\" to \"HC Port In Discards\")", "Oid_bridgemib", ::Mib2_17_4_A, MVT_FMV};
constinit const CatalogTable Mib2_17_4_B = {"1.3.6.1.2.1.17.4 (4 entries from \"Index\" to \"In Overflow Discards\")", "Oid_bridgemib", ::Mib2_17_4_B, MVT_FMV};
constinit const CatalogTable Mib2_17_A = {"1.3.6.1.2.1.17 (2 entries from \"Port Number\")", "Oid_bridgemib", ::Mib2_17_A, MVT_FMV};
constinit const CatalogTable Mib2_17_6_1_1_A = {"1.3.6.1.2.1.17.6.1.1 (1 entries from \"Device Capabilities\")", "Oid_bridgemib", ::Mib2_17_6_1_1_A, SVT_SV};
constinit const CatalogTable Mib2_17_6_1_1_B = {"1.3.6.1.2.1.17.6.1.1 (1 entries from \"Traffic Classes Enabled\")", "Oid_bridgemib", ::Mib2_17_6_1_1_B, SVT_SV};
constinit const CatalogTable Mib2_17_B = {"1.3.6.1.2.1.17 (3 entries from \"Port Number\" to \"Port Number Traffic Classes\")", "Oid_bridgemib", ::Mib2_17_B, MVT_FMV};
constinit const CatalogTable Mib2_17_C = {"1.3.6.1.2.1.17 (3 entries from \"Port Number\" to \"Regenerated User Priority\")", "Oid_bridgemib", ::Mib2_17_C, MVT_FMV};
constinit const CatalogTable Mib2_17_D = {"1.3.6.1.2.1.17 (3 entries from \"Port Number\" to \"Mapped Traffic Class\")", "Oid_bridgemib", ::Mib2_17_D, MVT_FMV};
constinit const CatalogTable Mib2_17_E = {"1.3.6.1.2.1.17 (3 entries from \"Port Number\" to \"Port Outbound Access Priority\")", "Oid_bridgemib", ::Mib2_17_E, MVT_FMV};
constinit const CatalogTable Mib2_17_F = {"1.3.6.1.2.1.17 (4 entries from \"Port Number\")", "Oid_bridgemib", ::Mib2_17_F, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_1 = {"1.3.6.1.2.1.17.7.1.1", "Oid_bridgemib", ::Mib2_17_7_1_1, SVT_SV};
constinit const CatalogTable Mib2_17_7_1_2_1_1 = {"1.3.6.1.2.1.17.7.1.2.1.1", "Oid_bridgemib", ::Mib2_17_7_1_2_1_1, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_A = {"1.3.6.1.2.1.17.7.1 (4 entries from \"VLAN ID\" to \"GMRP Learnt Ports\")", "Oid_bridgemib", ::Mib2_17_7_1_A, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_B = {"1.3.6.1.2.1.17.7.1 (4 entries from \"VLAN ID\" to \"Forbidden Ports\")", "Oid_bridgemib", ::Mib2_17_7_1_B, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_4_2_1 = {"1.3.6.1.2.1.17.7.1.4.2.1", "Oid_bridgemib", ::Mib2_17_7_1_4_2_1, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_4_A = {"1.3.6.1.2.1.17.7.1.4 (6 entries from \"VLAN ID\")", "Oid_bridgemib", ::Mib2_17_7_1_4_A, MVT_FMV};
constinit const CatalogTable Mib2_17_G = {"1.3.6.1.2.1.17 (7 entries from \"Port Number\")", "Oid_bridgemib", ::Mib2_17_G, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_4_B = {"1.3.6.1.2.1.17.7.1.4 (1 entries from \"VLAN Number Deletes\")", "Oid_bridgemib", ::Mib2_17_7_1_4_B, SVT_SV};
constinit const CatalogTable Mib2_17_7_1_4_C = {"1.3.6.1.2.1.17.7.1.4 (1 entries from \"Next Free Local VLAN Index\")", "Oid_bridgemib", ::Mib2_17_7_1_4_C, SVT_SV};
constinit const CatalogTable Mib2_17_7_1_C = {"1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\", second \"MAC Address\")", "Oid_bridgemib", ::Mib2_17_7_1_C, MVT_FMV};
constinit const CatalogTable Mib2_17_7_1_D = {"1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\", second \"Unicast Address\")", "Oid_bridgemib", ::Mib2_17_7_1_D, MVT_FMV};

}  // namespace Oid_bridgemib

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_bridgemib::Mib2_17_4_A,
    &Oid_bridgemib::Mib2_17_4_B,
    &Oid_bridgemib::Mib2_17_A,
    &Oid_bridgemib::Mib2_17_6_1_1_A,
    &Oid_bridgemib::Mib2_17_6_1_1_B,
    &Oid_bridgemib::Mib2_17_B,
    &Oid_bridgemib::Mib2_17_C,
    &Oid_bridgemib::Mib2_17_D,
    &Oid_bridgemib::Mib2_17_E,
    &Oid_bridgemib::Mib2_17_F,
    &Oid_bridgemib::Mib2_17_7_1_1,
    &Oid_bridgemib::Mib2_17_7_1_2_1_1,
    &Oid_bridgemib::Mib2_17_7_1_A,
    &Oid_bridgemib::Mib2_17_7_1_B,
    &Oid_bridgemib::Mib2_17_7_1_4_2_1,
    &Oid_bridgemib::Mib2_17_7_1_4_A,
    &Oid_bridgemib::Mib2_17_G,
    &Oid_bridgemib::Mib2_17_7_1_4_B,
    &Oid_bridgemib::Mib2_17_7_1_4_C,
    &Oid_bridgemib::Mib2_17_7_1_C,
    &Oid_bridgemib::Mib2_17_7_1_D,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {259, &L259, L259Pairs, NxOptionList::KindInteger},
    {260, &L260, L260Pairs, NxOptionList::KindInteger},
    {261, &L261, L261Pairs, NxOptionList::KindInteger},
    {262, &L262, L262Pairs, NxOptionList::KindInteger},
    {263, &L263, L263Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_bridgemibStartup() { BuildOptionLists(OptionLists); }

void Oid_bridgemibExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_bridgemibModule = {"Oid_bridgemib", Tables, OptionLists, Oid_bridgemibStartup, Oid_bridgemibExit};
