#include "Oid_timerange.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;

constinit const NxSNMPVar E_12_50_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.50.3.1.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.2", "Select Days", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.3", "Start Time", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.4", "End Time", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.5", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar SnmpModules_15_1_1[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", sxCounter, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_timerange {

constinit const CatalogTable E_12_50_3_1_1 = {"1.3.6.1.4.1.32473.12.50.3.1.1", "Oid_timerange", ::E_12_50_3_1_1, MVT_FMV};
constinit const CatalogTable SnmpModules_15_1_1 = {"1.3.6.1.6.3.15.1.1", "Oid_timerange", ::SnmpModules_15_1_1, SVT_SV};

}  // namespace Oid_timerange

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_timerange::E_12_50_3_1_1,
    &Oid_timerange::SnmpModules_15_1_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_timerangeStartup() { BuildOptionLists(OptionLists); }

void Oid_timerangeExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_timerangeModule = {"Oid_timerange", Tables, OptionLists, Oid_timerangeStartup, Oid_timerangeExit};
