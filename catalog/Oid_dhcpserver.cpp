#include "Oid_dhcpserver.h"
#include "OptionPairs.h"

namespace {

NxOptionList L5;
NxOptionList L10;
NxOptionList L12;
NxOptionList L26;
NxOptionList L27;
NxOptionList L28;
NxOptionList L29;
NxOptionList L30;
NxOptionList L31;

constinit const NxSNMPVar E_12_38_1[] = {
    {"1.3.6.1.4.1.32473.12.38.1.1", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.38.1.2", "Ping Packet Number (2-10)", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.1.3", "Ping Time Out (500-2000 millisecond)", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_38_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.1.1.1", "Begin Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.1.1.2", "End Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.1.1.3", "Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_12_38_3_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.2", "Network Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.3", "Network Address Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.4", "Domain Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.5", "NetBIOS Node Type", sxInteger, readwrite, &L27},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.6", "Lease State", sxInteger, readwrite, &L28},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.7", "Lease Day", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.8", "Lease Hour", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.9", "Lease Minute", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.10", "Boot File", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.11", "Next Server", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.12", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_38_3_2_2_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.1", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.2", "Address Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.3", "Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.4", "Address Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_38_3_2_3_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.1", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.2", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.3", "Address ", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.4", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_38_3_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.1", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.2", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.3", "Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.4", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_38_3_3_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.3.1.1", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.2", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.3", "Hardware Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.4", "Type", sxInteger, readwrite, &L29},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.5", "Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_12_38_3_4_1[] = {
    {"1.3.6.1.4.1.32473.12.38.3.4.1.1", "Pool Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.2", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.3", "Hardware Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.4", "Type", sxInteger, readonly, &L30},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.5", "Status", sxInteger, readonly, &L31},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.6", "Life Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.7", "Clear State", sxInteger, readwrite, &L5},
    {},
};

}  // namespace

namespace Oid_dhcpserver {

constinit const CatalogTable E_12_38_1 = {"1.3.6.1.4.1.32473.12.38.1", "Oid_dhcpserver", ::E_12_38_1, SVT_SV};
constinit const CatalogTable E_12_38_3_1_1 = {"1.3.6.1.4.1.32473.12.38.3.1.1", "Oid_dhcpserver", ::E_12_38_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_38_3_2_1_1 = {"1.3.6.1.4.1.32473.12.38.3.2.1.1", "Oid_dhcpserver", ::E_12_38_3_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_38_3_2_2_1 = {"1.3.6.1.4.1.32473.12.38.3.2.2.1", "Oid_dhcpserver", ::E_12_38_3_2_2_1, MVT_FMV};
constinit const CatalogTable E_12_38_3_2_3_1 = {"1.3.6.1.4.1.32473.12.38.3.2.3.1", "Oid_dhcpserver", ::E_12_38_3_2_3_1, MVT_FMV};
constinit const CatalogTable E_12_38_3_2_4_1 = {"1.3.6.1.4.1.32473.12.38.3.2.4.1", "Oid_dhcpserver", ::E_12_38_3_2_4_1, MVT_FMV};
constinit const CatalogTable E_12_38_3_3_1 = {"1.3.6.1.4.1.32473.12.38.3.3.1", "Oid_dhcpserver", ::E_12_38_3_3_1, MVT_FMV};
constinit const CatalogTable E_12_38_3_4_1 = {"1.3.6.1.4.1.32473.12.38.3.4.1", "Oid_dhcpserver", ::E_12_38_3_4_1, MVT_FMV};

}  // namespace Oid_dhcpserver

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_dhcpserver::E_12_38_1,
    &Oid_dhcpserver::E_12_38_3_1_1,
    &Oid_dhcpserver::E_12_38_3_2_1_1,
    &Oid_dhcpserver::E_12_38_3_2_2_1,
    &Oid_dhcpserver::E_12_38_3_2_3_1,
    &Oid_dhcpserver::E_12_38_3_2_4_1,
    &Oid_dhcpserver::E_12_38_3_3_1,
    &Oid_dhcpserver::E_12_38_3_4_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {26, &L26, L26Pairs, NxOptionList::KindInteger},
    {27, &L27, L27Pairs, NxOptionList::KindInteger},
    {28, &L28, L28Pairs, NxOptionList::KindInteger},
    {29, &L29, L29Pairs, NxOptionList::KindInteger},
    {30, &L30, L30Pairs, NxOptionList::KindInteger},
    {31, &L31, L31Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_dhcpserverStartup() { BuildOptionLists(OptionLists); }

void Oid_dhcpserverExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_dhcpserverModule = {"Oid_dhcpserver", Tables, OptionLists, Oid_dhcpserverStartup, Oid_dhcpserverExit};
