#pragma once
// Catalogue module Oid_switch: system, firmware, configuration files and reboot (1.3.6.1.4.1.32473.12.1), syslog
// (1.3.6.1.4.1.32473.12.12), spanning tree (1.3.6.1.4.1.32473.12.15), storm control (1.3.6.1.4.1.32473.12.25), DHCP
// server screening and control-packet filters (1.3.6.1.4.1.32473.12.37), Q-in-Q (1.3.6.1.4.1.32473.12.57), cable
// diagnostics (1.3.6.1.4.1.32473.12.58), RSPAN (1.3.6.1.4.1.32473.12.68), Ethernet ring protection
// (1.3.6.1.4.1.32473.12.78), unidirectional link detection (1.3.6.1.4.1.32473.12.87) and further groups between
// 1.3.6.1.4.1.32473.12.56 and 1.3.6.1.4.1.32473.12.81, ports, VLANs, FDB, QoS, IGMP snooping and mirroring
// (1.3.6.1.4.1.32473.11.70.7.2), EtherLike (1.3.6.1.2.1.10.7), BRIDGE-MIB and Q-BRIDGE-MIB objects
// (1.3.6.1.2.1.17), interfaces (1.3.6.1.2.1).
#include "CatalogModule.h"

void Oid_switchStartup();
void Oid_switchExit();
extern const CatalogModule Oid_switchModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_switch {
extern const CatalogTable E_12_58_1_1_1;  // 1.3.6.1.4.1.32473.12.58.1.1.1
extern const CatalogTable E_12_15_1_A;  // 1.3.6.1.4.1.32473.12.15.1 (10 entries from "STP Version")
extern const CatalogTable E_12_15_1_B;  // 1.3.6.1.4.1.32473.12.15.1 (9 entries from "Version")
extern const CatalogTable E_12_15_2;  // 1.3.6.1.4.1.32473.12.15.2
extern const CatalogTable E_12_15_2_3_1;  // 1.3.6.1.4.1.32473.12.15.2.3.1
extern const CatalogTable E_12_15_2_5_1;  // 1.3.6.1.4.1.32473.12.15.2.5.1
extern const CatalogTable E_12_77_3_2_1;  // 1.3.6.1.4.1.32473.12.77.3.2.1
extern const CatalogTable E_12_87_1_1_1;  // 1.3.6.1.4.1.32473.12.87.1.1.1
extern const CatalogTable E_12_78_1;  // 1.3.6.1.4.1.32473.12.78.1
extern const CatalogTable E_12_78_3_1_1;  // 1.3.6.1.4.1.32473.12.78.3.1.1
extern const CatalogTable E_12_76_1;  // 1.3.6.1.4.1.32473.12.76.1
extern const CatalogTable E_12_76_3_1_1;  // 1.3.6.1.4.1.32473.12.76.3.1.1
extern const CatalogTable E_12_62_3_1_1;  // 1.3.6.1.4.1.32473.12.62.3.1.1
extern const CatalogTable Mib2_17_7_1_2;  // 1.3.6.1.2.1.17.7.1.2
extern const CatalogTable Mib2_17_2_15_1;  // 1.3.6.1.2.1.17.2.15.1 (10 entries from "Port" to "Forward Transitions")
extern const CatalogTable E_12_15_1_C;  // 1.3.6.1.4.1.32473.12.15.1 (1 entries from "STP Version")
extern const CatalogTable Mib2_17;  // 1.3.6.1.2.1.17 (3 entries from "Number of Ports")
extern const CatalogTable E_12_1_1_2_1;  // 1.3.6.1.4.1.32473.12.1.1.2.1
extern const CatalogTable E_12_1_1;  // 1.3.6.1.4.1.32473.12.1.1
extern const CatalogTable E_12_1_1_8_1;  // 1.3.6.1.4.1.32473.12.1.1.8.1
extern const CatalogTable E_12_1_1_9_1;  // 1.3.6.1.4.1.32473.12.1.1.9.1
extern const CatalogTable E_12_1_1_10_1;  // 1.3.6.1.4.1.32473.12.1.1.10.1
extern const CatalogTable E_12_1_2_12_2;  // 1.3.6.1.4.1.32473.12.1.2.12.2
extern const CatalogTable E_12_1_2_12_2_4_1;  // 1.3.6.1.4.1.32473.12.1.2.12.2.4.1
extern const CatalogTable E_12_1_2_10_1_1;  // 1.3.6.1.4.1.32473.12.1.2.10.1.1
extern const CatalogTable E_12_1_2_10;  // 1.3.6.1.4.1.32473.12.1.2.10
extern const CatalogTable E_12_1_2;  // 1.3.6.1.4.1.32473.12.1.2
extern const CatalogTable E_12_1_2_1_1;  // 1.3.6.1.4.1.32473.12.1.2.1.1
extern const CatalogTable E_12_1_2_13_1;  // 1.3.6.1.4.1.32473.12.1.2.13.1
extern const CatalogTable E_12_1_2_1;  // 1.3.6.1.4.1.32473.12.1.2.1
extern const CatalogTable E_12_1_2_7_1;  // 1.3.6.1.4.1.32473.12.1.2.7.1
extern const CatalogTable E_12_1_2_8;  // 1.3.6.1.4.1.32473.12.1.2.8
extern const CatalogTable E_12_1_2_8_1_1;  // 1.3.6.1.4.1.32473.12.1.2.8.1.1
extern const CatalogTable E_12_1_2_8_4_1;  // 1.3.6.1.4.1.32473.12.1.2.8.4.1
extern const CatalogTable E_12_1_2_9;  // 1.3.6.1.4.1.32473.12.1.2.9
extern const CatalogTable E_12_1_3;  // 1.3.6.1.4.1.32473.12.1.3
extern const CatalogTable Mib2;  // 1.3.6.1.2.1 (20 entries from "Interface Index")
extern const CatalogTable E_12_25_1;  // 1.3.6.1.4.1.32473.12.25.1
extern const CatalogTable E_12_25_3_1_1;  // 1.3.6.1.4.1.32473.12.25.3.1.1
extern const CatalogTable E_12_1_4;  // 1.3.6.1.4.1.32473.12.1.4
extern const CatalogTable E_12_12;  // 1.3.6.1.4.1.32473.12.12
extern const CatalogTable E_12_12_3;  // 1.3.6.1.4.1.32473.12.12.3
extern const CatalogTable E_12_12_4;  // 1.3.6.1.4.1.32473.12.12.4
extern const CatalogTable E_12_12_4_2;  // 1.3.6.1.4.1.32473.12.12.4.2
extern const CatalogTable E_12_12_2_1;  // 1.3.6.1.4.1.32473.12.12.2.1
extern const CatalogTable E_12_81_3_1_1;  // 1.3.6.1.4.1.32473.12.81.3.1.1
extern const CatalogTable Mib2_10_7_A;  // 1.3.6.1.2.1.10.7 (2 entries from "Index")
extern const CatalogTable Mib2_10_7_9_1;  // 1.3.6.1.2.1.10.7.9.1
extern const CatalogTable Mib2_10_7_B;  // 1.3.6.1.2.1.10.7 (3 entries from "Index")
extern const CatalogTable Mib2_10_7_10_1;  // 1.3.6.1.2.1.10.7.10.1
extern const CatalogTable Mib2_10_7_2_1;  // 1.3.6.1.2.1.10.7.2.1
extern const CatalogTable E_12_1_2_11;  // 1.3.6.1.4.1.32473.12.1.2.11
extern const CatalogTable E_12_1_2_11_2_1;  // 1.3.6.1.4.1.32473.12.1.2.11.2.1
extern const CatalogTable E_12_1_2_11_3_1;  // 1.3.6.1.4.1.32473.12.1.2.11.3.1
extern const CatalogTable E_12_1_2_12;  // 1.3.6.1.4.1.32473.12.1.2.12
extern const CatalogTable E_12_60_1;  // 1.3.6.1.4.1.32473.12.60.1
extern const CatalogTable E_12_60_2;  // 1.3.6.1.4.1.32473.12.60.2
extern const CatalogTable E_12_60_3_1_1;  // 1.3.6.1.4.1.32473.12.60.3.1.1
extern const CatalogTable E_12_37_1_1_1;  // 1.3.6.1.4.1.32473.12.37.1.1.1
extern const CatalogTable E_12_37_1_2_1;  // 1.3.6.1.4.1.32473.12.37.1.2.1
extern const CatalogTable E_12_37_1;  // 1.3.6.1.4.1.32473.12.37.1
extern const CatalogTable E_12_37_2_1_1;  // 1.3.6.1.4.1.32473.12.37.2.1.1
extern const CatalogTable E_12_37_3_1_1;  // 1.3.6.1.4.1.32473.12.37.3.1.1
extern const CatalogTable E_12_37_4_1_1;  // 1.3.6.1.4.1.32473.12.37.4.1.1
extern const CatalogTable E_12_57_1;  // 1.3.6.1.4.1.32473.12.57.1
extern const CatalogTable E_12_57_3_1_1;  // 1.3.6.1.4.1.32473.12.57.3.1.1
extern const CatalogTable E_12_57_3_2_1;  // 1.3.6.1.4.1.32473.12.57.3.2.1
extern const CatalogTable E_12_57_3_3_1;  // 1.3.6.1.4.1.32473.12.57.3.3.1
extern const CatalogTable E_12_57_4_1_1;  // 1.3.6.1.4.1.32473.12.57.4.1.1
extern const CatalogTable E_12_57_4_2_1;  // 1.3.6.1.4.1.32473.12.57.4.2.1
extern const CatalogTable E_12_68_1;  // 1.3.6.1.4.1.32473.12.68.1
extern const CatalogTable E_12_68_2;  // 1.3.6.1.4.1.32473.12.68.2
extern const CatalogTable E_12_68_3_1_1;  // 1.3.6.1.4.1.32473.12.68.3.1.1
extern const CatalogTable E_12_56_3_2_1;  // 1.3.6.1.4.1.32473.12.56.3.2.1
extern const CatalogTable E_11_70_7_2_3_8_1;  // 1.3.6.1.4.1.32473.11.70.7.2.3.8.1 (5 entries from "Index")
extern const CatalogTable E_11_70_7_2_3_9_1;  // 1.3.6.1.4.1.32473.11.70.7.2.3.9.1 (5 entries from "Index")
extern const CatalogTable E_12_1_1_6;  // 1.3.6.1.4.1.32473.12.1.1.6
extern const CatalogTable E_11_70_7_2_1_2_A;  // 1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from "RMON State")
extern const CatalogTable E_11_70_7_2_1_2_B;  // 1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from "Spanning Tree Algorithm")
extern const CatalogTable E_11_70_7_2_1_3;  // 1.3.6.1.4.1.32473.11.70.7.2.1.3
extern const CatalogTable E_11_70_7_2_A;  // 1.3.6.1.4.1.32473.11.70.7.2 (16 entries from "IGMP Snooping")
extern const CatalogTable E_11_70_7_2_1_2_13;  // 1.3.6.1.4.1.32473.11.70.7.2.1.2.13
extern const CatalogTable E_11_70_7_2_1_2_14;  // 1.3.6.1.4.1.32473.11.70.7.2.1.2.14
extern const CatalogTable E_11_70_7_2_B;  // 1.3.6.1.4.1.32473.11.70.7.2 (3 entries from "Supported VLAN")
extern const CatalogTable E_11_70_7_2_11_8_1_A;  // 1.3.6.1.4.1.32473.11.70.7.2.11.8.1 (4 entries from "VLAN ID" to "Port Member")
extern const CatalogTable E_11_70_7_2_2_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.2.1.1
extern const CatalogTable E_11_70_7_2_15_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.15.1.1 (6 entries from "Index")
extern const CatalogTable E_11_70_7_2_15_2_1;  // 1.3.6.1.4.1.32473.11.70.7.2.15.2.1
extern const CatalogTable E_11_70_7_2_19_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.19.1.1
extern const CatalogTable Mib2_17_7_1_5_1_1;  // 1.3.6.1.2.1.17.7.1.5.1.1
extern const CatalogTable Mib2_17_7_1_5_2_1;  // 1.3.6.1.2.1.17.7.1.5.2.1
extern const CatalogTable E_11_70_7_2_3_1_1_A;  // 1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (7 entries from "Index")
extern const CatalogTable E_11_70_7_2_3_1_1_B;  // 1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (5 entries from "Unit ID")
extern const CatalogTable E_11_70_7_2_3_1_1_C;  // 1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (1 entries from "Link Status")
extern const CatalogTable E_11_70_7_2_3_2_1_A;  // 1.3.6.1.4.1.32473.11.70.7.2.3.2.1 (10 entries from "Port Index")
extern const CatalogTable E_11_70_7_2_3_2_1_B;  // 1.3.6.1.4.1.32473.11.70.7.2.3.2.1 (8 entries from "Unit Index")
extern const CatalogTable E_11_70_7_2_3;  // 1.3.6.1.4.1.32473.11.70.7.2.3
extern const CatalogTable E_11_70_7_2_9;  // 1.3.6.1.4.1.32473.11.70.7.2.9
extern const CatalogTable E_11_70_7_2_9_5_1;  // 1.3.6.1.4.1.32473.11.70.7.2.9.5.1
extern const CatalogTable E_11_70_7_2_9_3_1;  // 1.3.6.1.4.1.32473.11.70.7.2.9.3.1
extern const CatalogTable E_11_70_7_2_7_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.7.1.1
extern const CatalogTable E_11_70_7_2_7_2;  // 1.3.6.1.4.1.32473.11.70.7.2.7.2
extern const CatalogTable E_11_70_7_2_17_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.17.1.1
extern const CatalogTable E_11_70_7_2_17;  // 1.3.6.1.4.1.32473.11.70.7.2.17
extern const CatalogTable E_11_70_7_2_18_1;  // 1.3.6.1.4.1.32473.11.70.7.2.18.1
extern const CatalogTable E_11_70_7_2_18_2_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.18.2.1.1
extern const CatalogTable E_11_70_7_2_24;  // 1.3.6.1.4.1.32473.11.70.7.2.24
extern const CatalogTable E_11_70_7_2_24_2_1;  // 1.3.6.1.4.1.32473.11.70.7.2.24.2.1
extern const CatalogTable E_11_70_7_2_6;  // 1.3.6.1.4.1.32473.11.70.7.2.6
extern const CatalogTable E_11_70_7_2_6_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.6.1.1
extern const CatalogTable E_11_70_7_2_6_2_1;  // 1.3.6.1.4.1.32473.11.70.7.2.6.2.1
extern const CatalogTable E_11_70_7_2_6_3_1;  // 1.3.6.1.4.1.32473.11.70.7.2.6.3.1
extern const CatalogTable E_11_70_7_2_6_4_1;  // 1.3.6.1.4.1.32473.11.70.7.2.6.4.1
extern const CatalogTable E_11_70_7_2_11_3_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.3.1
extern const CatalogTable E_11_70_7_2_11_4_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.4.1
extern const CatalogTable E_11_70_7_2_11_6_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.6.1
extern const CatalogTable E_11_70_7_2_11_5_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.5.1
extern const CatalogTable E_11_70_7_2_11_7_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.7.1
extern const CatalogTable E_11_70_7_2_11_8_1_B;  // 1.3.6.1.4.1.32473.11.70.7.2.11.8.1 (4 entries from "VLAN ID" to "Status")
extern const CatalogTable E_11_70_7_2_11_11_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.11.1
extern const CatalogTable E_11_70_7_2_11_20_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.20.1
extern const CatalogTable E_11_70_7_2_11_16_1;  // 1.3.6.1.4.1.32473.11.70.7.2.11.16.1
extern const CatalogTable E_11_70_7_2_14_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.14.1.1
extern const CatalogTable E_11_70_7_2_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.1.1 (4 entries from "Total Number Of Port")
extern const CatalogTable E_11_70_7_2_1_1_3_1;  // 1.3.6.1.4.1.32473.11.70.7.2.1.1.3.1
extern const CatalogTable E_11_70_7_2_6_7_1;  // 1.3.6.1.4.1.32473.11.70.7.2.6.7.1
extern const CatalogTable E_11_70_7_2_10_5_1;  // 1.3.6.1.4.1.32473.11.70.7.2.10.5.1
extern const CatalogTable E_11_70_7_2_9_6_1;  // 1.3.6.1.4.1.32473.11.70.7.2.9.6.1
extern const CatalogTable E_11_70_7_2_1_2_C;  // 1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from "State")
}  // namespace Oid_switch
