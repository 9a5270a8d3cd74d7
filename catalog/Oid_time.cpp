#include "Oid_time.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;
NxOptionList L59;
NxOptionList L60;
NxOptionList L61;

constinit const NxSNMPVar E_12_10[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", sxBitStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", sxDateTime, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar E_12_10_10[] = {
    {"1.3.6.1.4.1.32473.12.10.10.1", "Current Time", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.2", "System UpTime", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.3", "System BootTime", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.4", "System Time Zone [ -779..839]", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_10_12[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Summer Time Status", sxInteger, readwrite, &L59},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Summer Time Offset", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Repeat Summer Time End", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.5", "Annual Summer Time Start", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Annual Summer Time End", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_10_11[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "Network Time State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", sxInteger, readonly, &L61},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval[30....99999(sec)]", sxInteger, readwrite, nullptr},
    {},
};

}  // namespace

namespace Oid_time {

constinit const CatalogTable E_12_10 = {"1.3.6.1.4.1.32473.12.10", "Oid_time", ::E_12_10, SVT_SV};
constinit const CatalogTable E_12_10_10 = {"1.3.6.1.4.1.32473.12.10.10", "Oid_time", ::E_12_10_10, SVT_SV};
constinit const CatalogTable E_12_10_12 = {"1.3.6.1.4.1.32473.12.10.12", "Oid_time", ::E_12_10_12, SVT_SV};
constinit const CatalogTable E_12_10_11 = {"1.3.6.1.4.1.32473.12.10.11", "Oid_time", ::E_12_10_11, SVT_SV};

}  // namespace Oid_time

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_time::E_12_10,
    &Oid_time::E_12_10_10,
    &Oid_time::E_12_10_12,
    &Oid_time::E_12_10_11,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {59, &L59, L59Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {61, &L61, L61Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_timeStartup() { BuildOptionLists(OptionLists); }

void Oid_timeExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_timeModule = {"Oid_time", Tables, OptionLists, Oid_timeStartup, Oid_timeExit};
