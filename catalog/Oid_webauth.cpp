#include "Oid_webauth.h"
#include "OptionPairs.h"

namespace {

NxOptionList L8;
NxOptionList L10;
NxOptionList L26;
NxOptionList L45;
NxOptionList L60;
NxOptionList L159;
NxOptionList L164;
NxOptionList L165;

constinit const NxSNMPVar E_12_27_1[] = {
    {"1.3.6.1.4.1.32473.12.27.1.1", "Administration State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.27.1.2", "Method", sxInteger, readwrite, &L45},
    {"1.3.6.1.4.1.32473.12.27.1.5", "Default Redirect Path", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.1.7", "Virtual IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.1.8", "Switch HTTP Protocol", sxInteger, readwrite, &L159},
    {"1.3.6.1.4.1.32473.12.27.1.9", "Switch HTTP Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.1.11", "RADIUS Authorization State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.27.1.12", "Local Authorization State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.27.1.13", "Clear Default Redirect Path", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.27.1.14", "Virtual IPv6 Address", sxIpv6Address, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_27_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.27.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.2", "Port State", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.6", "Aging Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.7", "Idle Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.8", "Block Time", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_27_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.27.3.2.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.2", "Password", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.5", "VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.4", "Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_12_27_2_2_1[] = {
    {"1.3.6.1.4.1.32473.12.27.2.2.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.2", "Original VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.3", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.5", "Authentication Status", sxInteger, readonly, &L164},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.7", "Assign VLAN ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.8", "Assign Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.12", "Remain Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.14", "Idle Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.25", "Delete Action", sxInteger, readwrite, &L165},
    {},
};

}  // namespace

namespace Oid_webauth {

constinit const CatalogTable E_12_27_1 = {"1.3.6.1.4.1.32473.12.27.1", "Oid_webauth", ::E_12_27_1, SVT_SV};
constinit const CatalogTable E_12_27_3_1_1 = {"1.3.6.1.4.1.32473.12.27.3.1.1", "Oid_webauth", ::E_12_27_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_27_3_2_1 = {"1.3.6.1.4.1.32473.12.27.3.2.1", "Oid_webauth", ::E_12_27_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_27_2_2_1 = {"1.3.6.1.4.1.32473.12.27.2.2.1", "Oid_webauth", ::E_12_27_2_2_1, MVT_FMV};

}  // namespace Oid_webauth

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_webauth::E_12_27_1,
    &Oid_webauth::E_12_27_3_1_1,
    &Oid_webauth::E_12_27_3_2_1,
    &Oid_webauth::E_12_27_2_2_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {8, &L8, L8Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {26, &L26, L26Pairs, NxOptionList::KindInteger},
    {45, &L45, L45Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {159, &L159, L159Pairs, NxOptionList::KindInteger},
    {164, &L164, L164Pairs, NxOptionList::KindInteger},
    {165, &L165, L165Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_webauthStartup() { BuildOptionLists(OptionLists); }

void Oid_webauthExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_webauthModule = {"Oid_webauth", Tables, OptionLists, Oid_webauthStartup, Oid_webauthExit};
