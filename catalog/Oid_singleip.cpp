#include "Oid_singleip.h"
#include "OptionPairs.h"

namespace {

NxOptionList L12;
NxOptionList L60;
NxOptionList L168;
NxOptionList L169;

constinit const NxSNMPVar E_12_8_1_1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_8_1_2[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Status", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Role", sxInteger, readwrite, &L168},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Hold Time[100-255]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval[30-90]", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_8_1_3_1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Firmware Verion", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Capability", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Platform", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Hold Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Candidate Source", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Password", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_8_1_4_1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "CaS ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Hold Time", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_8_1_5_1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "Group MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Group Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "Member Count", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Version", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Hold Time", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_8_1_6_1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role", sxInteger, readonly, &L169},
    {},
};

constinit const NxSNMPVar E_12_8_6_1[] = {
    {"1.3.6.1.4.1.32473.12.8.6.1.1", "MS Trap Message", sxDisplayStr, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_singleip {

constinit const CatalogTable E_12_8_1_1 = {"1.3.6.1.4.1.32473.12.8.1.1", "Oid_singleip", ::E_12_8_1_1, SVT_SV};
constinit const CatalogTable E_12_8_1_2 = {"1.3.6.1.4.1.32473.12.8.1.2", "Oid_singleip", ::E_12_8_1_2, SVT_SV};
constinit const CatalogTable E_12_8_1_3_1 = {"1.3.6.1.4.1.32473.12.8.1.3.1", "Oid_singleip", ::E_12_8_1_3_1, MVT_FMV};
constinit const CatalogTable E_12_8_1_4_1 = {"1.3.6.1.4.1.32473.12.8.1.4.1", "Oid_singleip", ::E_12_8_1_4_1, MVT_FMV};
constinit const CatalogTable E_12_8_1_5_1 = {"1.3.6.1.4.1.32473.12.8.1.5.1", "Oid_singleip", ::E_12_8_1_5_1, MVT_FMV};
constinit const CatalogTable E_12_8_1_6_1 = {"1.3.6.1.4.1.32473.12.8.1.6.1", "Oid_singleip", ::E_12_8_1_6_1, MVT_FMV};
constinit const CatalogTable E_12_8_6_1 = {"1.3.6.1.4.1.32473.12.8.6.1", "Oid_singleip", ::E_12_8_6_1, SVT_SV};

}  // namespace Oid_singleip

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_singleip::E_12_8_1_1,
    &Oid_singleip::E_12_8_1_2,
    &Oid_singleip::E_12_8_1_3_1,
    &Oid_singleip::E_12_8_1_4_1,
    &Oid_singleip::E_12_8_1_5_1,
    &Oid_singleip::E_12_8_1_6_1,
    &Oid_singleip::E_12_8_6_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {168, &L168, L168Pairs, NxOptionList::KindInteger},
    {169, &L169, L169Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_singleipStartup() { BuildOptionLists(OptionLists); }

void Oid_singleipExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_singleipModule = {"Oid_singleip", Tables, OptionLists, Oid_singleipStartup, Oid_singleipExit};
