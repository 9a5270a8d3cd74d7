#include "Oid_ping.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;
NxOptionList L10;
NxOptionList L26;
NxOptionList L38;
NxOptionList L60;
NxOptionList L124;
NxOptionList L125;
NxOptionList L126;
NxOptionList L127;
NxOptionList L128;
NxOptionList L129;

constinit const NxSNMPVar Mib2_80_1_2_1[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.3", "Target Address Type", sxInteger, readwrite, &L124},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.5", "Data Size", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.80.1.2.1.9", "Data Fill", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.10", "Frequency", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.11", "Max Rows", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.12", "Storage Type", sxInteger, readonly, &L125},
    {"1.3.6.1.2.1.80.1.2.1.13", "Trap Generation", sxBitStr, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.14", "Trap Probe Failure Filter", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.15", "Trap Test Failure Filter", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.16", "Type", sxObjectId, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.17", "Descriptive Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.18", "Source Address Type", sxInteger, readwrite, &L126},
    {"1.3.6.1.2.1.80.1.2.1.19", "Source Address", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.20", "IF Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.21", "By Pass Route Table", sxInteger, readonly, &L9},
    {"1.3.6.1.2.1.80.1.2.1.22", "DS Field", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar Mib2_80_1_3_1[] = {
    {" ", "Owner Index", sxDisplayStr, notaccess, nullptr},
    {" ", "Test Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operation Status", sxInteger, readonly, &L10},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", sxInteger, readonly, &L127},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min Rtt", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max Rtt", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.9", "Rtt Sum Of Squares", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_81_1[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_81_1_2_1[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", sxInteger, readwrite, &L124},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.5", "By Pass Route Table", sxInteger, readonly, &L9},
    {"1.3.6.1.2.1.81.1.2.1.6", "Data Size", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", sxGauge, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.11", "DS Field", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.12", "Source Address Type", sxInteger, readonly, &L126},
    {"1.3.6.1.2.1.81.1.2.1.13", "Source Address", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.14", "IF Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.15", "Misc Options", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.16", "Max Failures", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.17", "Don't Fragment", sxInteger, readonly, &L9},
    {"1.3.6.1.2.1.81.1.2.1.18", "Initial TTL", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.19", "Frequency", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.20", "Storage Type", sxInteger, readonly, &L125},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", sxInteger, readwrite, &L10},
    {"1.3.6.1.2.1.81.1.2.1.22", "Descriptive Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.23", "Max Rows", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.24", "Trap Generation", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.25", "Create Hops Entries", sxInteger, readwrite, &L9},
    {"1.3.6.1.2.1.81.1.2.1.26", "Type", sxObjectId, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar Mib2_81_1_3_1[] = {
    {" ", "Owner Index", sxDisplayStr, notaccess, nullptr},
    {" ", "Test Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operation Status", sxInteger, readonly, &L10},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", sxInteger, readonly, &L127},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_81_1_5_1[] = {
    {" ", "Owner Index", sxDisplayStr, notaccess, nullptr},
    {" ", "Test Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", sxGauge, notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", sxInteger, readonly, &L38},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_15_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "Operation HelloTime", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "Admin HelloTime", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "STP Port Enable", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "External Path Cost", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "Migration", sxInteger, readwrite, &L9},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "Admin Edge Port", sxInteger, readwrite, &L128},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "Operation Edge Port", sxInteger, readonly, &L128},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "Admin P2P", sxInteger, readwrite, &L129},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "Operation P2P", sxInteger, readonly, &L129},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.11", "LBD", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.12", "BPDU Filtering", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.13", "Restricted Role", sxInteger, readwrite, &L9},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.14", "Restricted TCN", sxInteger, readwrite, &L9},
    {},
};

}  // namespace

namespace Oid_ping {

constinit const CatalogTable Mib2_80_1_2_1 = {"1.3.6.1.2.1.80.1.2.1", "Oid_ping", ::Mib2_80_1_2_1, MVT_FMV};
constinit const CatalogTable Mib2_80_1_3_1 = {"1.3.6.1.2.1.80.1.3.1", "Oid_ping", ::Mib2_80_1_3_1, MVT_FMV};
constinit const CatalogTable Mib2_81_1 = {"1.3.6.1.2.1.81.1", "Oid_ping", ::Mib2_81_1, SVT_SV};
constinit const CatalogTable Mib2_81_1_2_1 = {"1.3.6.1.2.1.81.1.2.1", "Oid_ping", ::Mib2_81_1_2_1, MVT_FMV};
constinit const CatalogTable Mib2_81_1_3_1 = {"1.3.6.1.2.1.81.1.3.1", "Oid_ping", ::Mib2_81_1_3_1, MVT_FMV};
constinit const CatalogTable Mib2_81_1_5_1 = {"1.3.6.1.2.1.81.1.5.1", "Oid_ping", ::Mib2_81_1_5_1, MVT_FMV};
constinit const CatalogTable E_12_15_2_4_1 = {"1.3.6.1.4.1.32473.12.15.2.4.1 (14 entries from \"Index\")", "Oid_ping", ::E_12_15_2_4_1, MVT_FMV};

}  // namespace Oid_ping

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_ping::Mib2_80_1_2_1,
    &Oid_ping::Mib2_80_1_3_1,
    &Oid_ping::Mib2_81_1,
    &Oid_ping::Mib2_81_1_2_1,
    &Oid_ping::Mib2_81_1_3_1,
    &Oid_ping::Mib2_81_1_5_1,
    &Oid_ping::E_12_15_2_4_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {26, &L26, L26Pairs, NxOptionList::KindInteger},
    {38, &L38, L38Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {124, &L124, L124Pairs, NxOptionList::KindInteger},
    {125, &L125, L125Pairs, NxOptionList::KindInteger},
    {126, &L126, L126Pairs, NxOptionList::KindInteger},
    {127, &L127, L127Pairs, NxOptionList::KindInteger},
    {128, &L128, L128Pairs, NxOptionList::KindInteger},
    {129, &L129, L129Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_pingStartup() { BuildOptionLists(OptionLists); }

void Oid_pingExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_pingModule = {"Oid_ping", Tables, OptionLists, Oid_pingStartup, Oid_pingExit};
