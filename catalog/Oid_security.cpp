#include "Oid_security.h"
#include "OptionPairs.h"

namespace {

NxOptionList L8;
NxOptionList L10;
NxOptionList L12;
NxOptionList L26;
NxOptionList L32;
NxOptionList L60;
NxOptionList L71;
NxOptionList L81;
NxOptionList L86;
NxOptionList L139;
NxOptionList L140;
NxOptionList L141;
NxOptionList L142;
NxOptionList L143;
NxOptionList L144;
NxOptionList L145;
NxOptionList L146;
NxOptionList L147;
NxOptionList L148;
NxOptionList L149;
NxOptionList L150;
NxOptionList L151;
NxOptionList L152;
NxOptionList L153;
NxOptionList L154;
NxOptionList L155;
NxOptionList L156;
NxOptionList L157;
NxOptionList L158;
NxOptionList L159;
NxOptionList L160;
NxOptionList L161;
NxOptionList L162;
NxOptionList L163;
NxOptionList L164;
NxOptionList L165;
NxOptionList L166;
NxOptionList L167;

constinit const NxSNMPVar E_12_6_1[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "Version", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.2", "Administration", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.1.3", "Max Authentication Fail Attempts", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.4", "Session Key Rekeying", sxInteger, readwrite, &L139},
    {"1.3.6.1.4.1.32473.12.6.1.5", "Max Session", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.6", "Connection Timeout", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.7", "Listened Port", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_6_3_A[] = {
    {"1.3.6.1.4.1.32473.12.6.3.4", "Key Expand Administration", sxInteger, readonly, &L60},
    {},
};

constinit const NxSNMPVar E_12_6_3_B[] = {
    {"1.3.6.1.4.1.32473.12.6.3.1.1", "3DES state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.2", "Blowfish state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.3", "AES128 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.4", "AES192 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.5", "AES256 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.6", "Arcfour state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.7", "Cast128 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.8", "Twofish128 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.9", "Twofish192 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.1.10", "Twofish256 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "SHA state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "MD5 state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_6_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.6.4.1.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.2", "Authentication Mode", sxInteger, readwrite, &L140},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.3", "Host Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.4", "Host IP Address", sxIpAddress, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_6_3_2[] = {
    {"1.3.6.1.4.1.32473.12.6.3.2.1", "Password Authentication Administration", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.2.2", "Public Key Authentication Administration", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.2.3", "Host Key Authentication Administration", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_6_3_3[] = {
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "HMAC-SHA1 Administration", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "HMAC-MD5 Administration", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_6_3_5[] = {
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_7_1[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "Status Administration", sxInteger, readwrite, &L60},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cipher Suites", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.1.3", "Cache Timeout", sxGauge, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_7_2[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "File IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.2", "File Path", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.3", "Key File Path", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.4", "File Control", sxInteger, readwrite, &L141},
    {"1.3.6.1.4.1.32473.12.7.2.5", "File Show Satus", sxInteger, readonly, &L142},
    {},
};

constinit const NxSNMPVar E_12_5_1[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "Global State", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_12_5[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "Max Method List", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.2", "Max Enable Method List", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.3", "Max ServerGroup", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.4", "Max Server", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.8.1", "Response Timeout[0..255]", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.8.2", "Attempt[1..255]", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_5_3_1[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method1 Type", sxInteger, readwrite, &L143},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method1 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method2 Type", sxInteger, readwrite, &L143},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method2 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method3 Type", sxInteger, readwrite, &L143},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method3 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method4 Type", sxInteger, readwrite, &L143},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method4 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_5_7[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "Console Login Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "Console Enable Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "Telnet Login Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "Telnet Enable Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "SSH Login Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "SSH Enable Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "HTTP Login Method", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "HTTP Enable Method", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_5_9_1[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "IP Address1", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "Authentication Protocol1", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "IP Address2", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "Authentication Protocol2", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "IP Address3", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "Authentication Protocol3", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "IP Address4", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "Authentication Protocol4", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "IP Address5", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "Authentication Protocol5", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "IPAddress6", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "AuthProtocol6", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "IP Address7", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "Authentication Protocol7", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "IP Address8", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "Authentication Protocol8", sxInteger, readonly, &L144},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_5_4_1[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Enable Method1 Type", sxInteger, readwrite, &L145},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Enable Method1 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Enable Method2 Type", sxInteger, readwrite, &L145},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Enable Method2 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Enable Method3Type", sxInteger, readwrite, &L145},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Enable Method3 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Enable Method4 Type", sxInteger, readwrite, &L145},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Enable Method4 Server Group", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_5_10_1[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Authentication Protocol", sxInteger, notaccess, &L146},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Authentication Port", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Authentication Key", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Timeout", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Retry Count", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_5_12_1[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", " Group Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Authentication Protocol", sxInteger, notaccess, &L146},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Row State", sxInteger, readwrite, &L147},
    {},
};

constinit const NxSNMPVar E_12_19_1[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Global State", sxInteger, readwrite, &L86},
    {},
};

constinit const NxSNMPVar E_12_19_2[] = {
    {"1.3.6.1.4.1.32473.12.19.2.1", "Rising Threshold", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Falling Threshold", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.19.2.3", "Mode", sxInteger, readwrite, &L148},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Alarm Administration State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Current Status", sxInteger, readonly, &L149},
    {},
};

constinit const NxSNMPVar E_12_19_3[] = {
    {"1.3.6.1.4.1.32473.12.19.3.1", "Threshold", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_23_1[] = {
    {"1.3.6.1.4.1.32473.12.23.1.1", "Trap Log State", sxInteger, readwrite, &L150},
    {"1.3.6.1.4.1.32473.12.23.1.4", "DHCP Snooping State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.23.1.5", "DHCP Snooping Entry Clear All State", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.23.1.7", "IPv6 DHCP Snooping State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.23.1.8", "ND Snooping State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.23.1.9", "IPv6 DHCP Snooping Clear All Entries", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.23.1.10", "ND Snooping Clear All Entries", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_23_3_2_1[] = {
    {"1.3.6.1.4.1.32473.12.23.3.2.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.2", "State", sxInteger, readwrite, &L151},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.3", "Zero IP State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.4", "Forward DHCP Packet", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.5", "DHCP Snooping Max Entry", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.6", "DHCP Snooping Entry Clear Action", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.7", "Mode", sxInteger, readwrite, &L152},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.8", "Port Stop Learning Threshold", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.9", "Port Recover Learning", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.10", "Learning State", sxInteger, readonly, &L153},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.11", "IPv6 State", sxInteger, readwrite, &L81},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.14", "IPv6 DHCP Snooping Clear Entry", sxInteger, readwrite, &L8},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.15", "ND Snooping Clear Entry", sxInteger, readwrite, &L8},
    {},
};

constinit const NxSNMPVar E_12_23_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.1.1.1", "IP Index", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.2", "MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.4", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.3", "Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.6", "Mode", sxInteger, readonly, &L154},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.7", "ACL Status", sxInteger, readonly, &L155},
    {},
};

constinit const NxSNMPVar E_12_23_4_2_1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.2.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.2", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.3", "VLAN Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.4", "Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Type", sxInteger, readwrite, &L156},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.6", "Time", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.7", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_23_4_3_1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.3.1.1", "IP Index", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.2", "MAC", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.3", "Lease Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.4", "Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.5", "Status", sxInteger, readonly, &L155},
    {},
};

constinit const NxSNMPVar E_12_23_3[] = {
    {"1.3.6.1.4.1.32473.12.23.3.1", "All Port State", sxInteger, readwrite, &L151},
    {},
};

constinit const NxSNMPVar E_12_23_4_4_1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.4.1.1", "Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.2", "MAC Address", sxMacAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.3", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.4", "Mode", sxInteger, readonly, &L157},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.5", "ACL Status", sxInteger, readonly, &L155},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.6", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_23_4_5_1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.5.1.1", "Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.2", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.3", "Left Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.4", "Ports", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.5", "Status", sxInteger, readonly, &L155},
    {},
};

constinit const NxSNMPVar E_12_23_4_6_1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.6.1.1", "Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.2", "MAC Address", sxMacAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.3", "Left Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.4", "Ports", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.5", "Status", sxInteger, readonly, &L155},
    {},
};

constinit const NxSNMPVar E_12_39_1[] = {
    {"1.3.6.1.4.1.32473.12.39.1.1", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.2", "Redirect State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.3", "Forcible Logout State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.4", "UDP Filtering State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.5", "Quarantine Server Monitor State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.6", "Quarantine Server Error Time Out", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.7", "Redirect Destination", sxInteger, readwrite, &L158},
    {"1.3.6.1.4.1.32473.12.39.1.8", "Redirect Delay Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.9", "Virtual IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.10", "Quarantine Server URL", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.11", "Switch HTTP Port Number", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.12", "Switch HTTP Protocol", sxInteger, readwrite, &L159},
    {"1.3.6.1.4.1.32473.12.39.1.13", "RADIUS Protocol", sxInteger, readwrite, &L160},
    {"1.3.6.1.4.1.32473.12.39.1.15", "Authenticate Page", sxInteger, readwrite, &L161},
    {"1.3.6.1.4.1.32473.12.39.1.17", "RADIUS Authorization State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.18", "Local Authorization State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.1.20", "Virtual IP URL", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_39_1_19_1[] = {
    {"1.3.6.1.4.1.32473.12.39.1.19.1.1", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.2", "Mask", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.3", "Protocol", sxInteger, readonly, &L162},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.4", "Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.5", "Status", sxInteger, readwrite, &L26},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.6", "State", sxInteger, readonly, &L163},
    {},
};

constinit const NxSNMPVar E_12_39_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.39.3.1.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.2", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.3", "Max Authentication Host", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.4", "Aging Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.5", "Idle Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.6", "Block Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.7", "Authentication Mode", sxInteger, readwrite, &L32},
    {},
};

constinit const NxSNMPVar E_12_39_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.39.4.1.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.2", "Authentication Status", sxInteger, notaccess, &L164},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.3", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.4", "VLAN ID", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.5", "Remain Age Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.6", "Idle Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.7", "Block Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.8", "Status", sxInteger, readwrite, &L165},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.9", "Priority", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.10", "User", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.11", "IP Address", sxIpAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_39_4_2_1[] = {
    {"1.3.6.1.4.1.32473.12.39.4.2.1.1", "Page", sxInteger, notaccess, &L161},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.2", "Page Title", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.3", "Login Window Title", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.4", "User Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.5", "Password", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.6", "Logout Window Title", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.7", "Line One", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.8", "Line Two", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.9", "Line Three", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.10", "Line Four", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.11", "Line Five", sxDisplayStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_39_4_3_1[] = {
    {"1.3.6.1.4.1.32473.12.39.4.3.1.1", "Name Index", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.3.1.2", "Password", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.3.1.3", "VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.3.1.4", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_71[] = {
    {"1.3.6.1.4.1.32473.12.71.1.1", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.71.3.1", "TTL Status", sxInteger, readwrite, &L166},
    {"1.3.6.1.4.1.32473.12.71.3.2", "Source MAC Status", sxInteger, readwrite, &L167},
    {},
};

constinit const NxSNMPVar E_12_71_3_3_1[] = {
    {"1.3.6.1.4.1.32473.12.71.3.3.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.3.1.2", "Source VLAN ID", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.3.1.3", "Row Status", sxInteger, readwrite, &L26},
    {},
};

constinit const NxSNMPVar E_12_71_3_4_1[] = {
    {" ", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.1", "Group Address Type", sxInteger, notaccess, &L71},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.2", "Group Addrress Start", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.3", "Group Address End", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.4", "Source Address Type", sxInteger, notaccess, &L71},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.5", "Source Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.6", "Source Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_71_3_5_1[] = {
    {" ", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.5.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.5.1.2", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.5.1.3", "Row Status", sxInteger, readwrite, &L12},
    {},
};

}  // namespace

namespace Oid_security {

constinit const CatalogTable E_12_6_1 = {"1.3.6.1.4.1.32473.12.6.1", "Oid_security", ::E_12_6_1, SVT_SV};
constinit const CatalogTable E_12_6_3_A = {"1.3.6.1.4.1.32473.12.6.3 (1 entries from \"Key Expand Administration\")", "Oid_security", ::E_12_6_3_A, SVT_SV};
constinit const CatalogTable E_12_6_3_B = {"1.3.6.1.4.1.32473.12.6.3 (14 entries from \"3DES state\")", "Oid_security", ::E_12_6_3_B, SVT_SV};
constinit const CatalogTable E_12_6_4_1_1 = {"1.3.6.1.4.1.32473.12.6.4.1.1", "Oid_security", ::E_12_6_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_6_3_2 = {"1.3.6.1.4.1.32473.12.6.3.2", "Oid_security", ::E_12_6_3_2, SVT_SV};
constinit const CatalogTable E_12_6_3_3 = {"1.3.6.1.4.1.32473.12.6.3.3", "Oid_security", ::E_12_6_3_3, SVT_SV};
constinit const CatalogTable E_12_6_3_5 = {"1.3.6.1.4.1.32473.12.6.3.5", "Oid_security", ::E_12_6_3_5, SVT_SV};
constinit const CatalogTable E_12_7_1 = {"1.3.6.1.4.1.32473.12.7.1", "Oid_security", ::E_12_7_1, SVT_SV};
constinit const CatalogTable E_12_7_2 = {"1.3.6.1.4.1.32473.12.7.2", "Oid_security", ::E_12_7_2, SVT_SV};
constinit const CatalogTable E_12_5_1 = {"1.3.6.1.4.1.32473.12.5.1", "Oid_security", ::E_12_5_1, SVT_SV};
constinit const CatalogTable E_12_5 = {"1.3.6.1.4.1.32473.12.5", "Oid_security", ::E_12_5, SVT_SV};
constinit const CatalogTable E_12_5_3_1 = {"1.3.6.1.4.1.32473.12.5.3.1", "Oid_security", ::E_12_5_3_1, MVT_FMV};
constinit const CatalogTable E_12_5_7 = {"1.3.6.1.4.1.32473.12.5.7", "Oid_security", ::E_12_5_7, SVT_SV};
constinit const CatalogTable E_12_5_9_1 = {"1.3.6.1.4.1.32473.12.5.9.1", "Oid_security", ::E_12_5_9_1, MVT_FMV};
constinit const CatalogTable E_12_5_4_1 = {"1.3.6.1.4.1.32473.12.5.4.1", "Oid_security", ::E_12_5_4_1, MVT_FMV};
constinit const CatalogTable E_12_5_10_1 = {"1.3.6.1.4.1.32473.12.5.10.1", "Oid_security", ::E_12_5_10_1, MVT_FMV};
constinit const CatalogTable E_12_5_12_1 = {"1.3.6.1.4.1.32473.12.5.12.1", "Oid_security", ::E_12_5_12_1, MVT_FMV};
constinit const CatalogTable E_12_19_1 = {"1.3.6.1.4.1.32473.12.19.1", "Oid_security", ::E_12_19_1, SVT_SV};
constinit const CatalogTable E_12_19_2 = {"1.3.6.1.4.1.32473.12.19.2", "Oid_security", ::E_12_19_2, SVT_SV};
constinit const CatalogTable E_12_19_3 = {"1.3.6.1.4.1.32473.12.19.3", "Oid_security", ::E_12_19_3, SVT_SV};
constinit const CatalogTable E_12_23_1 = {"1.3.6.1.4.1.32473.12.23.1", "Oid_security", ::E_12_23_1, SVT_SV};
constinit const CatalogTable E_12_23_3_2_1 = {"1.3.6.1.4.1.32473.12.23.3.2.1", "Oid_security", ::E_12_23_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_23_4_1_1 = {"1.3.6.1.4.1.32473.12.23.4.1.1", "Oid_security", ::E_12_23_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_23_4_2_1 = {"1.3.6.1.4.1.32473.12.23.4.2.1", "Oid_security", ::E_12_23_4_2_1, MVT_FMV};
constinit const CatalogTable E_12_23_4_3_1 = {"1.3.6.1.4.1.32473.12.23.4.3.1", "Oid_security", ::E_12_23_4_3_1, MVT_FMV};
constinit const CatalogTable E_12_23_3 = {"1.3.6.1.4.1.32473.12.23.3", "Oid_security", ::E_12_23_3, SVT_SV};
constinit const CatalogTable E_12_23_4_4_1 = {"1.3.6.1.4.1.32473.12.23.4.4.1", "Oid_security", ::E_12_23_4_4_1, MVT_FMV};
constinit const CatalogTable E_12_23_4_5_1 = {"1.3.6.1.4.1.32473.12.23.4.5.1", "Oid_security", ::E_12_23_4_5_1, MVT_FMV};
constinit const CatalogTable E_12_23_4_6_1 = {"1.3.6.1.4.1.32473.12.23.4.6.1", "Oid_security", ::E_12_23_4_6_1, MVT_FMV};
constinit const CatalogTable E_12_39_1 = {"1.3.6.1.4.1.32473.12.39.1", "Oid_security", ::E_12_39_1, SVT_SV};
constinit const CatalogTable E_12_39_1_19_1 = {"1.3.6.1.4.1.32473.12.39.1.19.1", "Oid_security", ::E_12_39_1_19_1, MVT_FMV};
constinit const CatalogTable E_12_39_3_1_1 = {"1.3.6.1.4.1.32473.12.39.3.1.1", "Oid_security", ::E_12_39_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_39_4_1_1 = {"1.3.6.1.4.1.32473.12.39.4.1.1", "Oid_security", ::E_12_39_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_39_4_2_1 = {"1.3.6.1.4.1.32473.12.39.4.2.1", "Oid_security", ::E_12_39_4_2_1, MVT_FMV};
constinit const CatalogTable E_12_39_4_3_1 = {"1.3.6.1.4.1.32473.12.39.4.3.1", "Oid_security", ::E_12_39_4_3_1, MVT_FMV};
constinit const CatalogTable E_12_71 = {"1.3.6.1.4.1.32473.12.71", "Oid_security", ::E_12_71, SVT_SV};
constinit const CatalogTable E_12_71_3_3_1 = {"1.3.6.1.4.1.32473.12.71.3.3.1", "Oid_security", ::E_12_71_3_3_1, MVT_FMV};
constinit const CatalogTable E_12_71_3_4_1 = {"1.3.6.1.4.1.32473.12.71.3.4.1", "Oid_security", ::E_12_71_3_4_1, MVT_FMV};
constinit const CatalogTable E_12_71_3_5_1 = {"1.3.6.1.4.1.32473.12.71.3.5.1", "Oid_security", ::E_12_71_3_5_1, MVT_FMV};

}  // namespace Oid_security

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_security::E_12_6_1,
    &Oid_security::E_12_6_3_A,
    &Oid_security::E_12_6_3_B,
    &Oid_security::E_12_6_4_1_1,
    &Oid_security::E_12_6_3_2,
    &Oid_security::E_12_6_3_3,
    &Oid_security::E_12_6_3_5,
    &Oid_security::E_12_7_1,
    &Oid_security::E_12_7_2,
    &Oid_security::E_12_5_1,
    &Oid_security::E_12_5,
    &Oid_security::E_12_5_3_1,
    &Oid_security::E_12_5_7,
    &Oid_security::E_12_5_9_1,
    &Oid_security::E_12_5_4_1,
    &Oid_security::E_12_5_10_1,
    &Oid_security::E_12_5_12_1,
    &Oid_security::E_12_19_1,
    &Oid_security::E_12_19_2,
    &Oid_security::E_12_19_3,
    &Oid_security::E_12_23_1,
    &Oid_security::E_12_23_3_2_1,
    &Oid_security::E_12_23_4_1_1,
    &Oid_security::E_12_23_4_2_1,
    &Oid_security::E_12_23_4_3_1,
    &Oid_security::E_12_23_3,
    &Oid_security::E_12_23_4_4_1,
    &Oid_security::E_12_23_4_5_1,
    &Oid_security::E_12_23_4_6_1,
    &Oid_security::E_12_39_1,
    &Oid_security::E_12_39_1_19_1,
    &Oid_security::E_12_39_3_1_1,
    &Oid_security::E_12_39_4_1_1,
    &Oid_security::E_12_39_4_2_1,
    &Oid_security::E_12_39_4_3_1,
    &Oid_security::E_12_71,
    &Oid_security::E_12_71_3_3_1,
    &Oid_security::E_12_71_3_4_1,
    &Oid_security::E_12_71_3_5_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {8, &L8, L8Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {26, &L26, L26Pairs, NxOptionList::KindInteger},
    {32, &L32, L32Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {71, &L71, L71Pairs, NxOptionList::KindInteger},
    {81, &L81, L81Pairs, NxOptionList::KindInteger},
    {86, &L86, L86Pairs, NxOptionList::KindInteger},
    {139, &L139, L139Pairs, NxOptionList::KindInteger},
    {140, &L140, L140Pairs, NxOptionList::KindInteger},
    {141, &L141, L141Pairs, NxOptionList::KindInteger},
    {142, &L142, L142Pairs, NxOptionList::KindInteger},
    {143, &L143, L143Pairs, NxOptionList::KindInteger},
    {144, &L144, L144Pairs, NxOptionList::KindInteger},
    {145, &L145, L145Pairs, NxOptionList::KindInteger},
    {146, &L146, L146Pairs, NxOptionList::KindInteger},
    {147, &L147, L147Pairs, NxOptionList::KindInteger},
    {148, &L148, L148Pairs, NxOptionList::KindInteger},
    {149, &L149, L149Pairs, NxOptionList::KindInteger},
    {150, &L150, L150Pairs, NxOptionList::KindInteger},
    {151, &L151, L151Pairs, NxOptionList::KindInteger},
    {152, &L152, L152Pairs, NxOptionList::KindInteger},
    {153, &L153, L153Pairs, NxOptionList::KindInteger},
    {154, &L154, L154Pairs, NxOptionList::KindInteger},
    {155, &L155, L155Pairs, NxOptionList::KindInteger},
    {156, &L156, L156Pairs, NxOptionList::KindInteger},
    {157, &L157, L157Pairs, NxOptionList::KindInteger},
    {158, &L158, L158Pairs, NxOptionList::KindInteger},
    {159, &L159, L159Pairs, NxOptionList::KindInteger},
    {160, &L160, L160Pairs, NxOptionList::KindInteger},
    {161, &L161, L161Pairs, NxOptionList::KindInteger},
    {162, &L162, L162Pairs, NxOptionList::KindInteger},
    {163, &L163, L163Pairs, NxOptionList::KindInteger},
    {164, &L164, L164Pairs, NxOptionList::KindInteger},
    {165, &L165, L165Pairs, NxOptionList::KindInteger},
    {166, &L166, L166Pairs, NxOptionList::KindInteger},
    {167, &L167, L167Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_securityStartup() { BuildOptionLists(OptionLists); }

void Oid_securityExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_securityModule = {"Oid_security", Tables, OptionLists, Oid_securityStartup, Oid_securityExit};
