#include "Oid_ospfv3.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;
NxOptionList L10;
NxOptionList L12;
NxOptionList L107;
NxOptionList L108;
NxOptionList L109;
NxOptionList L110;
NxOptionList L111;
NxOptionList L112;
NxOptionList L113;
NxOptionList L114;
NxOptionList L115;
NxOptionList L116;
NxOptionList L117;
NxOptionList L118;
NxOptionList L119;
NxOptionList L120;

constinit const NxSNMPVar Mib2_191_1_1[] = {
    {"1.3.6.1.2.1.191.1.1.1", "Router ID", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.2", "Admin Status", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.191.1.1.3", "Version Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.4", "Area Border Router Status", sxInteger, readonly, &L9},
    {"1.3.6.1.2.1.191.1.1.5", "AS Border Router Status", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.191.1.1.6", "AS Scope LSA Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.7", "AS Scope LSA Checksum ", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.8", "Originate New LSAS", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.9", "RX New LSAS", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.10", "External LSA Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.11", "External Area LSDB Limit", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.12", "Exit Overflow Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.13", "Demand Extensions", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.191.1.1.14", "Reference Bandwidth", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.15", "Restart Support", sxInteger, readwrite, &L107},
    {"1.3.6.1.2.1.191.1.1.16", "Restart Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.17", "Restart Strict LSA Checking", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.191.1.1.18", "Restart Status", sxInteger, readonly, &L108},
    {"1.3.6.1.2.1.191.1.1.19", "Restart Age", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.20", "Restart Exit Reason", sxInteger, readonly, &L109},
    {"1.3.6.1.2.1.191.1.1.21", "Notification Enable", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.191.1.1.22", "Stub Router Support", sxInteger, readonly, &L9},
    {"1.3.6.1.2.1.191.1.1.23", "Stub Router Advertisement", sxInteger, readwrite, &L110},
    {"1.3.6.1.2.1.191.1.1.24", "Discontinuity Time", sxTimeTicks, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.1.25", "Restart Time", sxTimeTicks, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_191_1_2_1[] = {
    {"1.3.6.1.2.1.191.1.2.1.1", "ID ", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.2", "Import As Extern", sxInteger, readwrite, &L111},
    {"1.3.6.1.2.1.191.1.2.1.3", "SPF Runs", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.4", "Border Router Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.5", "AS Border RouterCount", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.6", "Scope LSA Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.7", "Scope LSA Checksum", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.8", "Summary", sxInteger, readwrite, &L112},
    {"1.3.6.1.2.1.191.1.2.1.9", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.2.1.191.1.2.1.10", "Stub Metric", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_191_1_3_1[] = {
    {"1.3.6.1.2.1.191.1.3.1.1", "Type", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.2", "Router ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.3", "LS ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.4", "Sequence", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.5", "Age", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.6", "Checksum", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.7", "Advertisement", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.8", "Type Known", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Mib2_191_1_4_1[] = {
    {"1.3.6.1.2.1.191.1.4.1.1", "Area ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.2", "Type", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.3", "Router ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.4", "LS ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.5", "Sequence", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.6", "Age", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.7", "Checksum", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.8", "Advertisement", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.9", "Type Known", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Mib2_191_1_5_1[] = {
    {"1.3.6.1.2.1.191.1.5.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.2", "Instance ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.3", "Type", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.4", "Router ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.5", "LS ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.6", "Sequence", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.7", "Age", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.8", "Checksum", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.9", "Advertisement", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.10", "Type Known", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Mib2_191_1_7_1[] = {
    {"1.3.6.1.2.1.191.1.7.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.2", "Instance ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.3", "Area ID", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.4", "Type", sxInteger, readwrite, &L113},
    {"1.3.6.1.2.1.191.1.7.1.5", "Admin Status", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.191.1.7.1.6", "Rtr Priority", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.7", "Transit Delay", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.8", "Retransmission Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.9", "Hello Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.10", "Rtr Dead Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.11", "Poll Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.12", "State", sxInteger, readonly, &L114},
    {"1.3.6.1.2.1.191.1.7.1.13", "Designated Router", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.14", "Backup Designated Router", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.15", "Events", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.16", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.2.1.191.1.7.1.17", "Demand", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.191.1.7.1.18", "Metric Value", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.19", "Link Scope LSA Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.20", "Link LSA Checksum", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_191_1_8_1[] = {
    {"1.3.6.1.2.1.191.1.8.1.1", "Area ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.2", "Neighbor", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.3", "Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.4", "Instance  ID", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.5", "Transit Delay", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.6", "Retransmission Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.7", "Hello Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.8", "Rtr Dead Interval", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.9", "State", sxInteger, readonly, &L115},
    {"1.3.6.1.2.1.191.1.8.1.10", "Events", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.11", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.2.1.191.1.8.1.12", "Link Scope LSA Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.13", "Link LSA Checksum", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_191_1_9_1[] = {
    {"1.3.6.1.2.1.191.1.9.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.2", "Instance ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.3", "Rtr ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.4", "AddressType", sxInteger, readonly, &L116},
    {"1.3.6.1.2.1.191.1.9.1.5", "Address", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.6", "Options", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.7", "Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.8", "State", sxInteger, readonly, &L117},
    {"1.3.6.1.2.1.191.1.9.1.9", "Events", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.10", "Retransmission Queue Length", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.12", "Interface ID", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_191_1_11_1[] = {
    {"1.3.6.1.2.1.191.1.11.1.1", "Area", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.2", "Rtr ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.3", "Interface Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.4", "Interface Id", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.5", "Address Type", sxInteger, readonly, &L116},
    {"1.3.6.1.2.1.191.1.11.1.6", "Address", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.7", "Options", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.8", "State", sxInteger, readonly, &L117},
    {"1.3.6.1.2.1.191.1.11.1.9", "Events", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.10", "Retransmission Queue Length", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.12", "Interface ID", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_191_1_12_1[] = {
    {"1.3.6.1.2.1.191.1.12.1.1", "Area ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.12.1.2", "Area LSDB Type", sxInteger, notaccess, &L118},
    {"1.3.6.1.2.1.191.1.12.1.3", "Prefix Type", sxInteger, notaccess, &L119},
    {"1.3.6.1.2.1.191.1.12.1.4", "Prefix", sxInetAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.12.1.5", "Prefix Length", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.12.1.6", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.2.1.191.1.12.1.7", "Effect", sxInteger, readwrite, &L120},
    {},
};

constinit const NxSNMPVar Mib2_191_1_13_1[] = {
    {"1.3.6.1.2.1.191.1.13.1.1", "Interface Area ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.2", "Interface Neighbor", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.3", "Type", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.4", "Router ID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.5", "LSID", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.6", "Sequence", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.7", "Age", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.8", "Checksum", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.9", "Advertisement", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.10", "Type Known", sxInteger, readonly, &L9},
    {},
};

}  // namespace

namespace Oid_ospfv3 {

constinit const CatalogTable Mib2_191_1_1 = {"1.3.6.1.2.1.191.1.1", "Oid_ospfv3", ::Mib2_191_1_1, SVT_SV};
constinit const CatalogTable Mib2_191_1_2_1 = {"1.3.6.1.2.1.191.1.2.1", "Oid_ospfv3", ::Mib2_191_1_2_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_3_1 = {"1.3.6.1.2.1.191.1.3.1", "Oid_ospfv3", ::Mib2_191_1_3_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_4_1 = {"1.3.6.1.2.1.191.1.4.1", "Oid_ospfv3", ::Mib2_191_1_4_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_5_1 = {"1.3.6.1.2.1.191.1.5.1", "Oid_ospfv3", ::Mib2_191_1_5_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_7_1 = {"1.3.6.1.2.1.191.1.7.1", "Oid_ospfv3", ::Mib2_191_1_7_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_8_1 = {"1.3.6.1.2.1.191.1.8.1", "Oid_ospfv3", ::Mib2_191_1_8_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_9_1 = {"1.3.6.1.2.1.191.1.9.1", "Oid_ospfv3", ::Mib2_191_1_9_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_11_1 = {"1.3.6.1.2.1.191.1.11.1", "Oid_ospfv3", ::Mib2_191_1_11_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_12_1 = {"1.3.6.1.2.1.191.1.12.1", "Oid_ospfv3", ::Mib2_191_1_12_1, MVT_FMV};
constinit const CatalogTable Mib2_191_1_13_1 = {"1.3.6.1.2.1.191.1.13.1", "Oid_ospfv3", ::Mib2_191_1_13_1, MVT_FMV};

}  // namespace Oid_ospfv3

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_ospfv3::Mib2_191_1_1,
    &Oid_ospfv3::Mib2_191_1_2_1,
    &Oid_ospfv3::Mib2_191_1_3_1,
    &Oid_ospfv3::Mib2_191_1_4_1,
    &Oid_ospfv3::Mib2_191_1_5_1,
    &Oid_ospfv3::Mib2_191_1_7_1,
    &Oid_ospfv3::Mib2_191_1_8_1,
    &Oid_ospfv3::Mib2_191_1_9_1,
    &Oid_ospfv3::Mib2_191_1_11_1,
    &Oid_ospfv3::Mib2_191_1_12_1,
    &Oid_ospfv3::Mib2_191_1_13_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {107, &L107, L107Pairs, NxOptionList::KindInteger},
    {108, &L108, L108Pairs, NxOptionList::KindInteger},
    {109, &L109, L109Pairs, NxOptionList::KindInteger},
    {110, &L110, L110Pairs, NxOptionList::KindInteger},
    {111, &L111, L111Pairs, NxOptionList::KindInteger},
    {112, &L112, L112Pairs, NxOptionList::KindInteger},
    {113, &L113, L113Pairs, NxOptionList::KindInteger},
    {114, &L114, L114Pairs, NxOptionList::KindInteger},
    {115, &L115, L115Pairs, NxOptionList::KindInteger},
    {116, &L116, L116Pairs, NxOptionList::KindInteger},
    {117, &L117, L117Pairs, NxOptionList::KindInteger},
    {118, &L118, L118Pairs, NxOptionList::KindInteger},
    {119, &L119, L119Pairs, NxOptionList::KindInteger},
    {120, &L120, L120Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_ospfv3Startup() { BuildOptionLists(OptionLists); }

void Oid_ospfv3Exit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_ospfv3Module = {"Oid_ospfv3", Tables, OptionLists, Oid_ospfv3Startup, Oid_ospfv3Exit};
