#include "Oid_ip.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;
NxOptionList L10;
NxOptionList L12;
NxOptionList L60;
NxOptionList L65;
NxOptionList L66;
NxOptionList L67;
NxOptionList L68;
NxOptionList L69;
NxOptionList L70;
NxOptionList L71;
NxOptionList L72;
NxOptionList L73;
NxOptionList L74;
NxOptionList L75;
NxOptionList L76;
NxOptionList L77;
NxOptionList L78;
NxOptionList L79;
NxOptionList L80;
NxOptionList L81;
NxOptionList L82;
NxOptionList L83;
NxOptionList L84;
NxOptionList L85;
NxOptionList L86;
NxOptionList L87;
NxOptionList L88;
NxOptionList L89;
NxOptionList L90;
NxOptionList L91;
NxOptionList L92;
NxOptionList L93;
NxOptionList L94;
NxOptionList L95;

constinit const NxSNMPVar Mib2_15_3_1[] = {
    {"1.3.6.1.2.1.15.3.1.7", "Remote Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.15.3.1.1", "Identifier", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.2", "State", sxInteger, readonly, &L65},
    {"1.3.6.1.2.1.15.3.1.3", "Admin Status", sxInteger, readwrite, &L66},
    {"1.3.6.1.2.1.15.3.1.4", "Negotiated Version", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.5", "Local Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.6", "Local Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.8", "Remote Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.9", "Remote Autonomous System Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.10", "In Updates", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.11", "Out Updates", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.12", "In Total Messages", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.13", "Out Total Messages", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.14", "Last Error", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.15", "FSM Established Transitions", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.16", "FSM Established Time", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.17", "Connect Retry Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.18", "Hold Time", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.19", "Keep Alive", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.3.1.20", "Hold Time Configured", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.21", "Keep Alive Configured", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.22", "Min AS Origination Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.23", "Min Route Advertisement Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.24", "In Update Elapsed Time", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_15_6_1[] = {
    {"1.3.6.1.2.1.15.6.1.3", "IP Address Prefix", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.15.6.1.2", "IP Address Prefix Length", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.15.6.1.1", "Peer", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.15.6.1.4", "Origin", sxInteger, readonly, &L67},
    {"1.3.6.1.2.1.15.6.1.5", "AS Path Segment", sxOctetStr, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.6", "Next Hop", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.7", "Multiple Exit Discriminate", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.8", "Local Preference", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.9", "Atomic Aggregate", sxInteger, readonly, &L68},
    {"1.3.6.1.2.1.15.6.1.10", "Aggregator AS", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.11", "Aggregator Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.12", "Calculate Local Preference", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.15.6.1.13", "Best Route", sxInteger, readonly, &L69},
    {"1.3.6.1.2.1.15.6.1.14", "Unknown Path", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_10_131_1_1_1_1[] = {
    {"  ", "IF Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.1", "Local Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.2", "Remote Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.3", "Encaps Method", sxInteger, readonly, &L70},
    {"1.3.6.1.2.1.10.131.1.1.1.1.8", "Address Type", sxInteger, readwrite, &L71},
    {"1.3.6.1.2.1.10.131.1.1.1.1.9", "Local Inet Address", sxInetAddress, readwrite, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.10", "Remote Inet Address", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_10_131_1_1_3_1[] = {
    {"1.3.6.1.2.1.10.131.1.1.3.1.1", "Address Type", sxInteger, notaccess, &L71},
    {"1.3.6.1.2.1.10.131.1.1.3.1.2", "Local Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.3", "Remote Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.4", "Encaps Method", sxInteger, notaccess, &L70},
    {"1.3.6.1.2.1.10.131.1.1.3.1.5", "ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.6", "IF Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.7", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_84_1[] = {
    {"1.3.6.1.4.1.32473.12.84.1.1", "Hop Count", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.2", "Global State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_84_1_4_1[] = {
    {" ", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.4.1.1", "Address Type", sxInteger, notaccess, &L72},
    {"1.3.6.1.4.1.32473.12.84.1.4.1.2", "Address                           ", sxInetAddress, notaccess | implied, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.4.1.3", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_84_1_3_1[] = {
    {"1.3.6.1.4.1.32473.12.84.1.3.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.3.1.2", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_12_83[] = {
    {"1.3.6.1.4.1.32473.12.83.1", "Global State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.83.2", "Method", sxInteger, readwrite, &L73},
    {"1.3.6.1.4.1.32473.12.83.3", "Update Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.83.4", "Expire Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.83.5", "Garbage Collection Time", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_12_83_6_1[] = {
    {"1.3.6.1.4.1.32473.12.83.6.1.1", "Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.83.6.1.2", "State     ", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.12.83.6.1.3", "Metric", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_4_24[] = {
    {"1.3.6.1.2.1.4.24.6", "Number", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.4.24.8", "Discards", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_12_26_3_1_1[] = {
    {"1.3.6.1.4.1.32473.12.26.3.1.1.1", "Destination", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.2", "Prefix Length", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.3", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.4", "Next Hop", sxIpv6Address, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.5", "Metric", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.7", "Protocol", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.8", "Row Status", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.9", "Backup State", sxInteger, readwrite, &L74},
    {},
};

constinit const NxSNMPVar E_12_26_3_2_1[] = {
    {" ", "Destination", sxIpv6Address, notaccess, nullptr},
    {" ", "Prefix Length", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.2.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.2.1.100", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_26_4_1_1[] = {
    {"1.3.6.1.4.1.32473.12.26.4.1.1.1", "IPv6 Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.2", "MAC Address", sxMacAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.3", "Interface Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.4", "Reach State", sxInteger, readonly, &L75},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.5", "Route Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_12_26_4[] = {
    {"1.3.6.1.4.1.32473.12.26.4.2", "Delete Action", sxInteger, readwrite, &L76},
    {},
};

constinit const NxSNMPVar Mib2_23_1[] = {
    {"1.3.6.1.2.1.23.1.1", "Route Changes", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.23.1.2", "Queries", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_23_2_1[] = {
    {"1.3.6.1.2.1.23.2.1.1", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.23.2.1.2", "Received Bad Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.23.2.1.3", "Received Bad Routes", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.23.2.1.4", "Sent Updates", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.23.2.1.5", "Row Status", sxInteger, readonly, &L12},
    {},
};

constinit const NxSNMPVar Mib2_23_3_1[] = {
    {"1.3.6.1.2.1.23.3.1.1", "IP Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.23.3.1.3", "Authentication Type", sxInteger, readwrite, &L77},
    {"1.3.6.1.2.1.23.3.1.4", "Authentication Key", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.2.1.23.3.1.5", "Interface Send", sxInteger, readwrite, &L78},
    {"1.3.6.1.2.1.23.3.1.6", "Accepted RIP Version", sxInteger, readwrite, &L79},
    {"1.3.6.1.2.1.23.3.1.7", "IF Configuration Default Metric", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.23.3.1.8", "IF Configuration Status", sxInteger, readwrite, &L80},
    {"1.3.6.1.2.1.23.3.1.9", "Interface Source Address", sxIpAddress, readonly, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_1_8_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1.2", "Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1.3", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1.4", "IP Subnet Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1.5", "Admin State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1.6", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_15[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.15.1", "IP Destination", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.15.2", "IP Source", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.15.3", "CRC Low", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.15.4", "CRC High", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.15.5", "TCP/UDP Port", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.15.6", "State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.1.1.1", "RIP State", sxInteger, readwrite, &L60},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.7", "State", sxInteger, readwrite, &L81},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_1_4_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.2", "Max Reassmbly Size", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.3", "Retrans Timer", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.5", "RA State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.6", "RA Min Router Advertisement Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.7", "RA Max Router Advertisement Interval", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.8", "RA Life Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.9", "RA Reachable Time", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.10", "RA Retrans Time", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.11", "RA Hop Limit", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.12", "RA Managed Flag", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1.13", "RA Other Configuration Flag", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_1_5_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.2", "IPv6 Address", sxIpv6Address, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.3", "Prefix Length", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.4", "Preferred Life Time", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.5", "Valid Life Time", sxGauge, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.6", "On Link Flag", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.7", "Autonomous Flag", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.8", "State", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1.9", "Address Type", sxInteger, readonly, &L82},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_1_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.1", "InterfaceName", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.2", "Index", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.3", "IP Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.4", "IP Subnet Mask", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.5", "VLAN Name", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.7", "Secondary", sxInteger, readwrite, &L9},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.8", "Mode", sxInteger, readwrite, &L83},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.9", "Administration State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.14", "IPv6 LinkLocal Address", sxIpv6Address, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.15", "IPv6 LinkLocal Prefix Length", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.16", "State", sxInteger, readwrite, &L12},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.6", "Proxy ARP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.18", "Local Proxy ARP", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.17", "IPv6 LinkLocal Auto State", sxInteger, readwrite, &L81},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.20", "DHCPv6 Client State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1.21", "Directed Broadcast State", sxInteger, readwrite, &L10},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_2_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.2.1.1.1", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.2.1.1.2", "IP Subnet Mask", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.2.1.1.3", "Port", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.2.1.1.4", "Type", sxInteger, readonly, &L84},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_5_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.1", "Route Destination", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.2", "Route Mask", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.4", "Next Hop", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.3", "Backup State", sxInteger, readwrite, &L74},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.5", "Metric", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.6", "Status", sxInteger, readwrite, &L85},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2_6_1_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1.1", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1.2", "IP Mask", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1.3", "RPF Address", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1.4", "RowStatus", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.1", "State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.2", "Hop Count", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.3", "Time Threshold", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.5", "Option82 State", sxInteger, readwrite, &L87},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.6", "Option82 Check State", sxInteger, readwrite, &L87},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.7", "Option82 Policy", sxInteger, readwrite, &L88},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1_4_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1.1", "Interface Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1.2", "Server IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1.3", "State", sxInteger, readwrite, &L89},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1_8[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.1", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.2", "Default Mode", sxInteger, readwrite, &L90},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1_8_3_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.3.1.1", "Relay IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.3.1.2", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1_8_4_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.4.1.1", "String", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.4.1.2", "Relay IP", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.4.1.3", "Match Type", sxInteger, readwrite, &L91},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.4.1.4", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1_9[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.1", "State", sxInteger, readwrite, &L10},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.2", "Default Mode", sxInteger, readwrite, &L90},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.3", "Default Relay IP", sxIpAddress, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_1_9_4_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1.1", "Client Type", sxInteger, notaccess, &L92},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1.2", "Client ID", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1.3", "Mode", sxInteger, readwrite, &L90},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1.4", "Relay IP", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1.5", "Row Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_2[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.1", "State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.2", "Primary Server", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.3", "Secondary Server", sxIpAddress, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.4", "Cache State", sxInteger, readwrite, &L86},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.5", "Static Table State", sxInteger, readwrite, &L86},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_3_2_6_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1.1", "Domain Name", sxDisplayStr, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1.2", "IP Address", sxIpAddress, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1.3", "State", sxInteger, readwrite, &L93},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_5_1[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.5.1.1", "Source Protocol", sxInteger, notaccess, &L94},
    {"1.3.6.1.4.1.32473.11.70.7.3.5.1.2", "Destination Protocol", sxInteger, notaccess, &L95},
    {"1.3.6.1.4.1.32473.11.70.7.3.5.1.4", "Metric (0-16)", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.5.1.5", "Status", sxInteger, readwrite, &L12},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_2[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.2.4", "IP ARP Aging Time", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar E_11_70_7_3_9[] = {
    {"1.3.6.1.4.1.32473.11.70.7.3.9.1", "RIP", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.9.3", "Static", sxInteger, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.9.4", "Local", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.7.3.9.8", "Default", sxInteger, readwrite, nullptr},
    {},
};

}  // namespace

namespace Oid_ip {

constinit const CatalogTable Mib2_15_3_1 = {"1.3.6.1.2.1.15.3.1", "Oid_ip", ::Mib2_15_3_1, MVT_FMV};
constinit const CatalogTable Mib2_15_6_1 = {"1.3.6.1.2.1.15.6.1", "Oid_ip", ::Mib2_15_6_1, MVT_FMV};
constinit const CatalogTable Mib2_10_131_1_1_1_1 = {"1.3.6.1.2.1.10.131.1.1.1.1", "Oid_ip", ::Mib2_10_131_1_1_1_1, MVT_FMV};
constinit const CatalogTable Mib2_10_131_1_1_3_1 = {"1.3.6.1.2.1.10.131.1.1.3.1", "Oid_ip", ::Mib2_10_131_1_1_3_1, MVT_FMV};
constinit const CatalogTable E_12_84_1 = {"1.3.6.1.4.1.32473.12.84.1", "Oid_ip", ::E_12_84_1, SVT_SV};
constinit const CatalogTable E_12_84_1_4_1 = {"1.3.6.1.4.1.32473.12.84.1.4.1", "Oid_ip", ::E_12_84_1_4_1, MVT_FMV};
constinit const CatalogTable E_12_84_1_3_1 = {"1.3.6.1.4.1.32473.12.84.1.3.1", "Oid_ip", ::E_12_84_1_3_1, MVT_FMV};
constinit const CatalogTable E_12_83 = {"1.3.6.1.4.1.32473.12.83", "Oid_ip", ::E_12_83, SVT_SV};
constinit const CatalogTable E_12_83_6_1 = {"1.3.6.1.4.1.32473.12.83.6.1", "Oid_ip", ::E_12_83_6_1, MVT_FMV};
constinit const CatalogTable Mib2_4_24 = {"1.3.6.1.2.1.4.24", "Oid_ip", ::Mib2_4_24, SVT_SV};
constinit const CatalogTable E_12_26_3_1_1 = {"1.3.6.1.4.1.32473.12.26.3.1.1", "Oid_ip", ::E_12_26_3_1_1, MVT_FMV};
constinit const CatalogTable E_12_26_3_2_1 = {"1.3.6.1.4.1.32473.12.26.3.2.1", "Oid_ip", ::E_12_26_3_2_1, MVT_FMV};
constinit const CatalogTable E_12_26_4_1_1 = {"1.3.6.1.4.1.32473.12.26.4.1.1", "Oid_ip", ::E_12_26_4_1_1, MVT_FMV};
constinit const CatalogTable E_12_26_4 = {"1.3.6.1.4.1.32473.12.26.4", "Oid_ip", ::E_12_26_4, SVT_SV};
constinit const CatalogTable Mib2_23_1 = {"1.3.6.1.2.1.23.1", "Oid_ip", ::Mib2_23_1, SVT_SV};
constinit const CatalogTable Mib2_23_2_1 = {"1.3.6.1.2.1.23.2.1 (5 entries from \"IP Address\")", "Oid_ip", ::Mib2_23_2_1, MVT_FMV};
constinit const CatalogTable Mib2_23_3_1 = {"1.3.6.1.2.1.23.3.1", "Oid_ip", ::Mib2_23_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2_1_8_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1", "Oid_ip", ::E_11_70_7_3_2_1_8_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_15 = {"1.3.6.1.4.1.32473.11.70.7.3.15", "Oid_ip", ::E_11_70_7_3_15, SVT_SV};
constinit const CatalogTable E_11_70_7_3_1_1 = {"1.3.6.1.4.1.32473.11.70.7.3.1.1", "Oid_ip", ::E_11_70_7_3_1_1, SVT_SV};
constinit const CatalogTable E_11_70_7_3_2_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.1", "Oid_ip", ::E_11_70_7_3_2_1, SVT_SV};
constinit const CatalogTable E_11_70_7_3_2_1_4_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1", "Oid_ip", ::E_11_70_7_3_2_1_4_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2_1_5_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1", "Oid_ip", ::E_11_70_7_3_2_1_5_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2_1_3_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1", "Oid_ip", ::E_11_70_7_3_2_1_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2_2_1_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.2.1.1", "Oid_ip", ::E_11_70_7_3_2_2_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2_5_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1 (6 entries from \"Route Destination\")", "Oid_ip", ::E_11_70_7_3_2_5_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2_6_1_1 = {"1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1", "Oid_ip", ::E_11_70_7_3_2_6_1_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_3_1 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1", "Oid_ip", ::E_11_70_7_3_3_1, SVT_SV};
constinit const CatalogTable E_11_70_7_3_3_1_4_1 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1", "Oid_ip", ::E_11_70_7_3_3_1_4_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_3_1_8 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8", "Oid_ip", ::E_11_70_7_3_3_1_8, SVT_SV};
constinit const CatalogTable E_11_70_7_3_3_1_8_3_1 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.3.1", "Oid_ip", ::E_11_70_7_3_3_1_8_3_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_3_1_8_4_1 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1.8.4.1", "Oid_ip", ::E_11_70_7_3_3_1_8_4_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_3_1_9 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9", "Oid_ip", ::E_11_70_7_3_3_1_9, SVT_SV};
constinit const CatalogTable E_11_70_7_3_3_1_9_4_1 = {"1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1", "Oid_ip", ::E_11_70_7_3_3_1_9_4_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_3_2 = {"1.3.6.1.4.1.32473.11.70.7.3.3.2", "Oid_ip", ::E_11_70_7_3_3_2, SVT_SV};
constinit const CatalogTable E_11_70_7_3_3_2_6_1 = {"1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1", "Oid_ip", ::E_11_70_7_3_3_2_6_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_5_1 = {"1.3.6.1.4.1.32473.11.70.7.3.5.1", "Oid_ip", ::E_11_70_7_3_5_1, MVT_FMV};
constinit const CatalogTable E_11_70_7_3_2 = {"1.3.6.1.4.1.32473.11.70.7.3.2", "Oid_ip", ::E_11_70_7_3_2, SVT_SV};
constinit const CatalogTable E_11_70_7_3_9 = {"1.3.6.1.4.1.32473.11.70.7.3.9", "Oid_ip", ::E_11_70_7_3_9, SVT_SV};

}  // namespace Oid_ip

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_ip::Mib2_15_3_1,
    &Oid_ip::Mib2_15_6_1,
    &Oid_ip::Mib2_10_131_1_1_1_1,
    &Oid_ip::Mib2_10_131_1_1_3_1,
    &Oid_ip::E_12_84_1,
    &Oid_ip::E_12_84_1_4_1,
    &Oid_ip::E_12_84_1_3_1,
    &Oid_ip::E_12_83,
    &Oid_ip::E_12_83_6_1,
    &Oid_ip::Mib2_4_24,
    &Oid_ip::E_12_26_3_1_1,
    &Oid_ip::E_12_26_3_2_1,
    &Oid_ip::E_12_26_4_1_1,
    &Oid_ip::E_12_26_4,
    &Oid_ip::Mib2_23_1,
    &Oid_ip::Mib2_23_2_1,
    &Oid_ip::Mib2_23_3_1,
    &Oid_ip::E_11_70_7_3_2_1_8_1,
    &Oid_ip::E_11_70_7_3_15,
    &Oid_ip::E_11_70_7_3_1_1,
    &Oid_ip::E_11_70_7_3_2_1,
    &Oid_ip::E_11_70_7_3_2_1_4_1,
    &Oid_ip::E_11_70_7_3_2_1_5_1,
    &Oid_ip::E_11_70_7_3_2_1_3_1,
    &Oid_ip::E_11_70_7_3_2_2_1_1,
    &Oid_ip::E_11_70_7_3_2_5_1,
    &Oid_ip::E_11_70_7_3_2_6_1_1,
    &Oid_ip::E_11_70_7_3_3_1,
    &Oid_ip::E_11_70_7_3_3_1_4_1,
    &Oid_ip::E_11_70_7_3_3_1_8,
    &Oid_ip::E_11_70_7_3_3_1_8_3_1,
    &Oid_ip::E_11_70_7_3_3_1_8_4_1,
    &Oid_ip::E_11_70_7_3_3_1_9,
    &Oid_ip::E_11_70_7_3_3_1_9_4_1,
    &Oid_ip::E_11_70_7_3_3_2,
    &Oid_ip::E_11_70_7_3_3_2_6_1,
    &Oid_ip::E_11_70_7_3_5_1,
    &Oid_ip::E_11_70_7_3_2,
    &Oid_ip::E_11_70_7_3_9,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {10, &L10, L10Pairs, NxOptionList::KindInteger},
    {12, &L12, L12Pairs, NxOptionList::KindInteger},
    {60, &L60, L60Pairs, NxOptionList::KindInteger},
    {65, &L65, L65Pairs, NxOptionList::KindInteger},
    {66, &L66, L66Pairs, NxOptionList::KindInteger},
    {67, &L67, L67Pairs, NxOptionList::KindInteger},
    {68, &L68, L68Pairs, NxOptionList::KindInteger},
    {69, &L69, L69Pairs, NxOptionList::KindInteger},
    {70, &L70, L70Pairs, NxOptionList::KindInteger},
    {71, &L71, L71Pairs, NxOptionList::KindInteger},
    {72, &L72, L72Pairs, NxOptionList::KindInteger},
    {73, &L73, L73Pairs, NxOptionList::KindInteger},
    {74, &L74, L74Pairs, NxOptionList::KindInteger},
    {75, &L75, L75Pairs, NxOptionList::KindInteger},
    {76, &L76, L76Pairs, NxOptionList::KindInteger},
    {77, &L77, L77Pairs, NxOptionList::KindInteger},
    {78, &L78, L78Pairs, NxOptionList::KindInteger},
    {79, &L79, L79Pairs, NxOptionList::KindInteger},
    {80, &L80, L80Pairs, NxOptionList::KindInteger},
    {81, &L81, L81Pairs, NxOptionList::KindInteger},
    {82, &L82, L82Pairs, NxOptionList::KindInteger},
    {83, &L83, L83Pairs, NxOptionList::KindInteger},
    {84, &L84, L84Pairs, NxOptionList::KindInteger},
    {85, &L85, L85Pairs, NxOptionList::KindInteger},
    {86, &L86, L86Pairs, NxOptionList::KindInteger},
    {87, &L87, L87Pairs, NxOptionList::KindInteger},
    {88, &L88, L88Pairs, NxOptionList::KindInteger},
    {89, &L89, L89Pairs, NxOptionList::KindInteger},
    {90, &L90, L90Pairs, NxOptionList::KindInteger},
    {91, &L91, L91Pairs, NxOptionList::KindInteger},
    {92, &L92, L92Pairs, NxOptionList::KindInteger},
    {93, &L93, L93Pairs, NxOptionList::KindInteger},
    {94, &L94, L94Pairs, NxOptionList::KindInteger},
    {95, &L95, L95Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_ipStartup() { BuildOptionLists(OptionLists); }

void Oid_ipExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_ipModule = {"Oid_ip", Tables, OptionLists, Oid_ipStartup, Oid_ipExit};
