#include "Oid_mba.h"
#include "OptionPairs.h"

namespace {

NxOptionList L5;
NxOptionList L8;
NxOptionList L10;
NxOptionList L12;
NxOptionList L26;
NxOptionList L32;
NxOptionList L33;
NxOptionList L34;
NxOptionList L35;
NxOptionList L36;
NxOptionList L37;
NxOptionList L38;
NxOptionList L39;
NxOptionList L40;
NxOptionList L41;
NxOptionList L42;
NxOptionList L43;
NxOptionList L44;
NxOptionList L45;
NxOptionList L46;
NxOptionList L47;
NxOptionList L48;
NxOptionList L49;
NxOptionList L50;

constinit const NxSNMPVar E_12_3_11_1_1[] = {
    {"1.3.6.1.4.1.32473.12.3.11.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.11.1.1.2", "Authentication Mode", sxInteger, readwrite, &L32},
    {"1.3.6.1.4.1.32473.12.3.11.1.1.3", "Port Method", sxInteger, readwrite, &L33},
    {"1.3.6.1.4.1.32473.12.3.11.1.1.4", "Authentication VLANs", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_11[] = {
    {"1.3.6.1.4.1.32473.12.3.11.3", "Attributes", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.3.11.4", "Fail Over State", sxInteger, readwrite, &L34},
    {},
};

constinit const NxSNMPVar E_12_3_11_2_1[] = {
    {"1.3.6.1.4.1.32473.12.3.11.2.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.11.2.1.2", "VLAN Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.11.2.1.3", "Row Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_12_55_1[] = {
    {"1.3.6.1.4.1.32473.12.55.1.1", "Shell State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.55.1.2", "System State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.55.1.3", "Network State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_3_1[] = {
    {"1.3.6.1.4.1.32473.12.3.1.1", "User Authentication Protocol", sxInteger, readwrite, &L35},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Device Authentication Mode", sxInteger, readwrite, &L36},
    {"1.3.6.1.4.1.32473.12.3.1.3", "Authorization State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_3_2_4_1[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "Index", sxInteger, notaccess, &L37},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Key", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "Accounting Port Number", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "Port Number", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "Status", sxInteger, readonly, &L12},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.7", "Time out", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.8", "Retransmit", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.9", "Address Type", sxInteger, readonly, &L38},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.10", "Address ", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_6_1_1[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "PAE MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "PAE Port Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "PAE State", sxInteger, readonly, &L39},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.4", "Backend  State", sxInteger, readonly, &L40},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.5", "Control Led Port Status", sxInteger, readonly, &L41},
    {},
};

constinit const NxSNMPVar E_12_3_6_2_1[] = {
    {"1.3.6.1.4.1.32473.12.3.6.2.1.1", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.2", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.3", "Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.4", "Frames TX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.5", "Start Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.6", "Logoff Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.7", "Response ID Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.8", "Response Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.9", "Request ID Frames TX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.10", "Request Frames TX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Invalid Eapol Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Eap Length Error Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.13", "LastEapol Frame Version", sxGauge, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.14", "LastEapol Frame Source", sxMacAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_6_3_1[] = {
    {"1.3.6.1.4.1.32473.12.3.6.3.1.1", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.2", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.3", "Enters Connecting", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.4", "Eap Logoffs While Connecting", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.5", "Enters Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.6", "Success While Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.7", "Timeouts While Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.8", "Fail While Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.9", "Reauths While Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.10", "Eap Starts While Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.11", "Eap Logoff While Authenticating", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.12", "Reauths While Authenticated", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.13", "Eap Starts While Authenticated", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.14", "Eap Logoff While Authenticated", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.15", "Backend Responses", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.16", "Backend Access Challenges", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.17", "Backend Other Requests To Supplicant", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.18", "Backend NonNakResponses From Supplicant", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.19", "Backend Authentication Successes", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.20", "Backend Authentication Fails", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_6_4_1[] = {
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Octets RX", sxCounter64, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Octets TX", sxCounter64, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "Frames RX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Frames TX", sxCounter, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "ID", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Authentic Method", sxInteger, readonly, &L42},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "Time", sxTimeTicks, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.10", "Terminate Cause", sxInteger, readonly, &L43},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.11", "User Name", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_35_1_A[] = {
    {"1.3.6.1.4.1.32473.12.35.1.1", "State", sxInteger, readwrite, &L44},
    {"1.3.6.1.4.1.32473.12.35.1.2", "Method", sxInteger, readwrite, &L45},
    {"1.3.6.1.4.1.32473.12.35.1.3", "Password", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.8", "Clear All Action", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_35_1_B[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.5", "Member Ports", sxBitStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_35_1_C[] = {
    {"1.3.6.1.4.1.32473.12.35.1.7", "Delete State", sxInteger, readwrite, &L5},
    {},
};

constinit const NxSNMPVar E_12_35_1_D[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_35_2_1_1[] = {
    {"1.3.6.1.4.1.32473.12.35.2.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.2", "MAC Index", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.3", "Status", sxInteger, readonly, &L46},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.4", "Assign VLAN Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.5", "Clear MAC Action", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.6", "Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.7", "Aging Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.8", "Hold Time", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_35_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.35.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.2", "Port State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.3", "Port Mode", sxInteger, readwrite, &L47},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.4", "Port Aging Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.5", "Port Hold Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.6", "Clear Port Action", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.7", "Port Max User", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_35_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.35.4.1.1.1", "MAC Index", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.5", "VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.3", "Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_12_35_1_E[] = {
    {"1.3.6.1.4.1.32473.12.35.1.9", "Max User", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.11", "RADIUS Authorization", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.35.1.12", "Local Authorization", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_3_7[] = {
    {"1.3.6.1.4.1.32473.12.3.7.1", "Port Number", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.7.2", "MAC Address", sxMacAddress, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_10[] = {
    {"1.3.6.1.4.1.32473.12.3.10.1", "Forward EAPOL PDU", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.3.10.2", "Max User", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_10_3_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.3.1.1", "Forward EAPOL PDU", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.3.10.3.1.2", "Max User", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_3_10_4_1[] = {
    {"1.3.6.1.4.1.32473.12.3.10.4.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.2", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.3", "Controlled Status", sxInteger, readonly, &L48},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.4", "Assign VLAN ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.5", "Assign Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.6", "PAE State", sxInteger, readonly, &L39},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.7", "Backend Authentication State", sxInteger, readonly, &L40},
    {},
};

constinit const NxSNMPVar E_12_3_9_1_1[] = {
    {"1.3.6.1.4.1.32473.12.3.9.1.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.9.1.1.2", "MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.9.1.1.3", "Initialize Or Reauth Status", sxInteger, readwrite, &L49},
    {},
};

constinit const NxSNMPVar E_12_3_8_1_1[] = {
    {"1.3.6.1.4.1.32473.12.3.8.1.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.8.1.1.2", "Capabilities", sxInteger, readwrite, &L50},
    {},
};

}  // namespace

namespace Oid_mba {

constinit const CatalogTable E_12_3_11_1_1 = {"1.3.6.1.4.1.32473.12.3.11.1.1", "Oid_mba", ::E_12_3_11_1_1, MVT_FMV};
constinit const CatalogTable E_12_3_11 = {"1.3.6.1.4.1.32473.12.3.11", "Oid_mba", ::E_12_3_11, SVT_SV};
constinit const CatalogTable E_12_3_11_2_1 = {"1.3.6.1.4.1.32473.12.3.11.2.1", "Oid_mba", ::E_12_3_11_2_1, MVT_FMV};
constinit const CatalogTable E_12_55_1 = {"1.3.6.1.4.1.32473.12.55.1", "Oid_mba", ::E_12_55_1, SVT_SV};
constinit const CatalogTable E_12_3_1 = {"1.3.6.1.4.1.32473.12.3.1", "Oid_mba", ::E_12_3_1, SVT_SV};
constinit const CatalogTable E_12_3_2_4_1 = {"1.3.6.1.4.1.32473.12.3.2.4.1", "Oid_mba", ::E_12_3_2_4_1, MVT_FMV};
constinit const CatalogTable E_12_3_6_1_1 = {"1.3.6.1.4.1.32473.12.3.6.1.1", "Oid_mba", ::E_12_3_6_1_1, MVT_FMV};
constinit const CatalogTable E_12_3_6_2_1 = {"1.3.6.1.4.1.32473.12.3.6.2.1 (14 entries from \"MAC Address\")", "Oid_mba", ::E_12_3_6_2_1, MVT_FMV};
constinit const CatalogTable E_12_3_6_3_1 = {"1.3.6.1.4.1.32473.12.3.6.3.1", "Oid_mba", ::E_12_3_6_3_1, MVT_FMV};
constinit const CatalogTable E_12_3_6_4_1 = {"1.3.6.1.4.1.32473.12.3.6.4.1", "Oid_mba", ::E_12_3_6_4_1, MVT_FMV};
constinit const CatalogTable E_12_35_1_A = {"1.3.6.1.4.1.32473.12.35.1 (4 entries from \"State\")", "Oid_mba", ::E_12_35_1_A, SVT_SV};
constinit const CatalogTable E_12_35_1_B = {"1.3.6.1.4.1.32473.12.35.1 (2 entries from \"VLAN Name\")", "Oid_mba", ::E_12_35_1_B, SVT_SV};
constinit const CatalogTable E_12_35_1_C = {"1.3.6.1.4.1.32473.12.35.1 (1 entries from \"Delete State\")", "Oid_mba", ::E_12_35_1_C, SVT_SV};
constinit const CatalogTable E_12_35_1_D = {"1.3.6.1.4.1.32473.12.35.1 (1 entries from \"VLAN Name\")", "Oid_mba", ::E_12_35_1_D, SVT_SV};
constinit const CatalogTable E_12_35_2_1_1 = {"1.3.6.1.4.1.32473.12.35.2.1.1", "Oid_mba", ::E_12_35_2_1_1, MVT_FMV};
constinit const CatalogTable E_12_35_3_1_1 = {"1.3.6.1.4.1.32473.12.35.3.1.1", "Oid_mba", ::E_12_35_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_35_4_1_1 = {"1.3.6.1.4.1.32473.12.35.4.1.1", "Oid_mba", ::E_12_35_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_35_1_E = {"1.3.6.1.4.1.32473.12.35.1 (3 entries from \"Max User\")", "Oid_mba", ::E_12_35_1_E, SVT_SV};
constinit const CatalogTable E_12_3_7 = {"1.3.6.1.4.1.32473.12.3.7", "Oid_mba", ::E_12_3_7, SVT_SV};
constinit const CatalogTable E_12_3_10 = {"1.3.6.1.4.1.32473.12.3.10", "Oid_mba", ::E_12_3_10, SVT_SV};
constinit const CatalogTable E_12_3_10_3_1 = {"1.3.6.1.4.1.32473.12.3.10.3.1", "Oid_mba", ::E_12_3_10_3_1, MVT_FMV};
constinit const CatalogTable E_12_3_10_4_1 = {"1.3.6.1.4.1.32473.12.3.10.4.1", "Oid_mba", ::E_12_3_10_4_1, MVT_FMV};
constinit const CatalogTable E_12_3_9_1_1 = {"1.3.6.1.4.1.32473.12.3.9.1.1", "Oid_mba", ::E_12_3_9_1_1, MVT_FMV};
constinit const CatalogTable E_12_3_8_1_1 = {"1.3.6.1.4.1.32473.12.3.8.1.1", "Oid_mba", ::E_12_3_8_1_1, MVT_FMV};

}  // namespace Oid_mba

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_mba::E_12_3_11_1_1,
    &Oid_mba::E_12_3_11,
    &Oid_mba::E_12_3_11_2_1,
    &Oid_mba::E_12_55_1,
    &Oid_mba::E_12_3_1,
    &Oid_mba::E_12_3_2_4_1,
    &Oid_mba::E_12_3_6_1_1,
    &Oid_mba::E_12_3_6_2_1,
    &Oid_mba::E_12_3_6_3_1,
    &Oid_mba::E_12_3_6_4_1,
    &Oid_mba::E_12_35_1_A,
    &Oid_mba::E_12_35_1_B,
    &Oid_mba::E_12_35_1_C,
    &Oid_mba::E_12_35_1_D,
    &Oid_mba::E_12_35_2_1_1,
    &Oid_mba::E_12_35_3_1_1,
    &Oid_mba::E_12_35_4_1_1,
    &Oid_mba::E_12_35_1_E,
    &Oid_mba::E_12_3_7,
    &Oid_mba::E_12_3_10,
    &Oid_mba::E_12_3_10_3_1,
    &Oid_mba::E_12_3_10_4_1,
    &Oid_mba::E_12_3_9_1_1,
    &Oid_mba::E_12_3_8_1_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {5, &L5, L5Pairs, NxOptionList::KindInteger},
    {8, &L8, L8Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {26, &L26, L26Pairs, NxOptionList::KindInteger},
    {32, &L32, L32Pairs, NxOptionList::KindInteger},
    {33, &L33, L33Pairs, NxOptionList::KindInteger},
    {34, &L34, L34Pairs, NxOptionList::KindInteger},
    {35, &L35, L35Pairs, NxOptionList::KindInteger},
    {36, &L36, L36Pairs, NxOptionList::KindInteger},
    {37, &L37, L37Pairs, NxOptionList::KindInteger},
    {38, &L38, L38Pairs, NxOptionList::KindInteger},
    {39, &L39, L39Pairs, NxOptionList::KindInteger},
    {40, &L40, L40Pairs, NxOptionList::KindInteger},
    {41, &L41, L41Pairs, NxOptionList::KindInteger},
    {42, &L42, L42Pairs, NxOptionList::KindInteger},
    {43, &L43, L43Pairs, NxOptionList::KindInteger},
    {44, &L44, L44Pairs, NxOptionList::KindInteger},
    {45, &L45, L45Pairs, NxOptionList::KindInteger},
    {46, &L46, L46Pairs, NxOptionList::KindInteger},
    {47, &L47, L47Pairs, NxOptionList::KindInteger},
    {48, &L48, L48Pairs, NxOptionList::KindInteger},
    {49, &L49, L49Pairs, NxOptionList::KindInteger},
    {50, &L50, L50Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_mbaStartup() { BuildOptionLists(OptionLists); }

void Oid_mbaExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_mbaModule = {"Oid_mba", Tables, OptionLists, Oid_mbaStartup, Oid_mbaExit};
