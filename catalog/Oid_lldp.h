#pragma once
// Catalogue module Oid_lldp: LLDP with its 802.1 and 802.3 extensions (1.0.8802.1.1.2).
#include "CatalogModule.h"

void Oid_lldpStartup();
void Oid_lldpExit();
extern const CatalogModule Oid_lldpModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_lldp {
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_1_1;  // 1.0.8802.1.1.2.1.5.32962.1.1.1.1 (2 entries from "Port Number" to "TX Enabled")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_2_1;  // 1.0.8802.1.1.2.1.5.32962.1.1.2.1 (3 entries from "Port Number" to "VLAN Name TX")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_3_1;  // 1.0.8802.1.1.2.1.5.32962.1.1.3.1 (3 entries from "Port Number" to "Protocol VLAN TX")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_4_1;  // 1.0.8802.1.1.2.1.5.32962.1.1.4.1 (3 entries from "Port Number" to "Protocol TX")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_1_1;  // 1.0.8802.1.1.2.1.5.32962.1.2.1.1 (2 entries from "Port Number" to "Port VLAN ID")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_2_1;  // 1.0.8802.1.1.2.1.5.32962.1.2.2.1 (4 entries from "Port Number" to "Enabled")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_3_1;  // 1.0.8802.1.1.2.1.5.32962.1.2.3.1 (3 entries from "Port Number" to "VLAN Name")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_4_1;  // 1.0.8802.1.1.2.1.5.32962.1.2.4.1 (3 entries from "Port Number" to "Protocol ID")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_1_1;  // 1.0.8802.1.1.2.1.5.32962.1.3.1.1 (4 entries from "Time Mark" to "Port VLAN ID")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_2_1;  // 1.0.8802.1.1.2.1.5.32962.1.3.2.1 (6 entries from "Time Mark" to "VLAN Enabled")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_3_1;  // 1.0.8802.1.1.2.1.5.32962.1.3.3.1 (5 entries from "Time Mark" to "VLAN Name")
extern const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_4_1;  // 1.0.8802.1.1.2.1.5.32962.1.3.4.1 (5 entries from "Time Mark" to "Protocol ID")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_1_1_1;  // 1.0.8802.1.1.2.1.5.4623.1.1.1.1 (2 entries from "Port Number" to "TLVs TX Enable")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_1_1;  // 1.0.8802.1.1.2.1.5.4623.1.2.1.1 (5 entries from "Local Port Number" to "Port Operational MAU Type")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_2_1;  // 1.0.8802.1.1.2.1.5.4623.1.2.2.1 (7 entries from "Local Port Number")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_3_1;  // 1.0.8802.1.1.2.1.5.4623.1.2.3.1 (3 entries from "Local Port Number" to "Link Aggregation Port ID")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_4_1;  // 1.0.8802.1.1.2.1.5.4623.1.2.4.1 (2 entries from "Local Port Number" to "Max Frame Size")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_1_1;  // 1.0.8802.1.1.2.1.5.4623.1.3.1.1 (7 entries from "Time Mark" to "Port Operational MAU Type")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_2_1;  // 1.0.8802.1.1.2.1.5.4623.1.3.2.1 (9 entries from "Time Mark" to "Power Class")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_3_1;  // 1.0.8802.1.1.2.1.5.4623.1.3.3.1 (5 entries from "Time Mark" to "Link Aggregation Port ID")
extern const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_4_1;  // 1.0.8802.1.1.2.1.5.4623.1.3.4.1 (4 entries from "Time Mark" to "Remote Max Frame Size")
extern const CatalogTable Ieee8802_1_1_2_1_1;  // 1.0.8802.1.1.2.1.1 (5 entries from "Message TX Interval" to "Notification Interval")
extern const CatalogTable Ieee8802_1_1_2_1_1_6_1;  // 1.0.8802.1.1.2.1.1.6.1 (4 entries from "Port Number" to "TLVs TX Enable")
extern const CatalogTable Ieee8802_1_1_2_1_1_7_1;  // 1.0.8802.1.1.2.1.1.7.1 (3 entries from "Management Address Subtype" to "Configuration Management Address Ports TX Enable")
extern const CatalogTable Ieee8802_1_1_2_1_2;  // 1.0.8802.1.1.2.1.2 (5 entries from "Last Change Time" to "Ageouts")
extern const CatalogTable Ieee8802_1_1_2_1_2_6_1;  // 1.0.8802.1.1.2.1.2.6.1 (2 entries from "Port Number" to "Total Frames")
extern const CatalogTable Ieee8802_1_1_2_1_2_7_1;  // 1.0.8802.1.1.2.1.2.7.1 (7 entries from "Number" to "Port Ageouts Total")
extern const CatalogTable Ieee8802_1_1_2_1_3;  // 1.0.8802.1.1.2.1.3 (6 entries from "Chassis ID Subtype" to "System Capabilities Enabled")
extern const CatalogTable Ieee8802_1_1_2_1_3_7_1;  // 1.0.8802.1.1.2.1.3.7.1 (4 entries from "Number" to "Description")
extern const CatalogTable Ieee8802_1_1_2_1_3_8_1;  // 1.0.8802.1.1.2.1.3.8.1 (6 entries from "Subtype" to "OID")
extern const CatalogTable Ieee8802_1_1_2_1_4_1_1;  // 1.0.8802.1.1.2.1.4.1.1 (12 entries from "Time Mark" to "System Capabilities Enabled")
extern const CatalogTable Ieee8802_1_1_2_1_4_2_1;  // 1.0.8802.1.1.2.1.4.2.1 (8 entries from "Time Mark" to "OID")
extern const CatalogTable Ieee8802_1_1_2_1_4_3_1;  // 1.0.8802.1.1.2.1.4.3.1 (5 entries from "Time Mark" to "Information")
extern const CatalogTable Ieee8802_1_1_2_1_4_4_1;  // 1.0.8802.1.1.2.1.4.4.1 (7 entries from "Time Mark" to "Information")
}  // namespace Oid_lldp
