#include "Oid_dot1x.h"
#include "OptionPairs.h"

namespace {

NxOptionList L5;
NxOptionList L9;
NxOptionList L10;
NxOptionList L39;
NxOptionList L40;
NxOptionList L41;
NxOptionList L42;
NxOptionList L43;
NxOptionList L63;
NxOptionList L64;

constinit const NxSNMPVar Ieee8802_1_1_1_1_1[] = {
    {"1.0.8802.1.1.1.1.1.1", "Global State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_1_1_1_2_1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", sxGauge, readonly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", sxBitStr, readonly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", sxInteger, readwrite, &L9},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_1_1_A[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", sxInteger, readonly, &L39},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", sxInteger, readonly, &L40},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", sxInteger, readwrite, &L63},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", sxInteger, readonly, &L63},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", sxInteger, readonly, &L41},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", sxInteger, readwrite, &L64},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", sxGauge, readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", sxGauge, readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Support Timeout", sxGauge, readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", sxGauge, readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", sxGauge, readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", sxGauge, readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_1_1_B[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", sxGauge, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", sxMacAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_1_1_C[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication Eap Starts While Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication Eap Logoff While Authenticating", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication Eap Starts While Authenticated", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication Eap Logoff While Authenticated", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_1_1_D[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", sxCounter64, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", sxCounter64, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", sxInteger, readonly, &L42},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", sxTimeTicks, readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", sxInteger, readonly, &L43},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_30_1_A[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.30.1.2", " Port", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_30_1_B[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_30_1_C[] = {
    {"1.3.6.1.4.1.32473.12.30.1.3", "Delete State", sxInteger, readwrite, &L5},
    {},
};

}  // namespace

namespace Oid_dot1x {

constinit const CatalogTable Ieee8802_1_1_1_1_1 = {"1.0.8802.1.1.1.1.1", "Oid_dot1x", ::Ieee8802_1_1_1_1_1, SVT_SV};
constinit const CatalogTable Ieee8802_1_1_1_1_1_2_1 = {"1.0.8802.1.1.1.1.1.2.1", "Oid_dot1x", ::Ieee8802_1_1_1_1_1_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_1_1_A = {"1.0.8802.1.1.1.1 (14 entries from \"Port Number\")", "Oid_dot1x", ::Ieee8802_1_1_1_1_A, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_1_1_B = {"1.0.8802.1.1.1.1 (13 entries from \"Port Number\" to \"Last EAPOL Frame Source\")", "Oid_dot1x", ::Ieee8802_1_1_1_1_B, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_1_1_C = {"1.0.8802.1.1.1.1 (19 entries from \"Port Number\")", "Oid_dot1x", ::Ieee8802_1_1_1_1_C, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_1_1_D = {"1.0.8802.1.1.1.1 (10 entries from \"Port Number\")", "Oid_dot1x", ::Ieee8802_1_1_1_1_D, MVT_FMV};
constinit const CatalogTable E_12_30_1_A = {"1.3.6.1.4.1.32473.12.30.1 (2 entries from \"Name\")", "Oid_dot1x", ::E_12_30_1_A, SVT_SV};
constinit const CatalogTable E_12_30_1_B = {"1.3.6.1.4.1.32473.12.30.1 (1 entries from \"VLAN Name\")", "Oid_dot1x", ::E_12_30_1_B, SVT_SV};
constinit const CatalogTable E_12_30_1_C = {"1.3.6.1.4.1.32473.12.30.1 (1 entries from \"Delete State\")", "Oid_dot1x", ::E_12_30_1_C, SVT_SV};

}  // namespace Oid_dot1x

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_dot1x::Ieee8802_1_1_1_1_1,
    &Oid_dot1x::Ieee8802_1_1_1_1_1_2_1,
    &Oid_dot1x::Ieee8802_1_1_1_1_A,
    &Oid_dot1x::Ieee8802_1_1_1_1_B,
    &Oid_dot1x::Ieee8802_1_1_1_1_C,
    &Oid_dot1x::Ieee8802_1_1_1_1_D,
    &Oid_dot1x::E_12_30_1_A,
    &Oid_dot1x::E_12_30_1_B,
    &Oid_dot1x::E_12_30_1_C,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {39, &L39, L39Pairs, NxOptionList::KindInteger},
    {40, &L40, L40Pairs, NxOptionList::KindInteger},
    {41, &L41, L41Pairs, NxOptionList::KindInteger},
    {42, &L42, L42Pairs, NxOptionList::KindInteger},
    {43, &L43, L43Pairs, NxOptionList::KindInteger},
    {63, &L63, L63Pairs, NxOptionList::KindInteger},
    {64, &L64, L64Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_dot1xStartup() { BuildOptionLists(OptionLists); }

void Oid_dot1xExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_dot1xModule = {"Oid_dot1x", Tables, OptionLists, Oid_dot1xStartup, Oid_dot1xExit};
