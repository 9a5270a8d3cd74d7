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
