#pragma once
// Catalogue module Oid_acl: access profiles, rules, counters and flow meters (1.3.6.1.4.1.32473.12.9), CPU
// interface filtering (1.3.6.1.4.1.32473.11.5).
#include "CatalogModule.h"

void Oid_aclStartup();
void Oid_aclExit();
extern const CatalogModule Oid_aclModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_acl {
extern const CatalogTable E_12_9_2_1_1;  // 1.3.6.1.4.1.32473.12.9.2.1.1
extern const CatalogTable E_12_9_2_2_1;  // 1.3.6.1.4.1.32473.12.9.2.2.1
extern const CatalogTable E_12_9_3_1_1;  // 1.3.6.1.4.1.32473.12.9.3.1.1
extern const CatalogTable E_12_9_3_2_1;  // 1.3.6.1.4.1.32473.12.9.3.2.1
extern const CatalogTable E_11_5_2_3_1;  // 1.3.6.1.4.1.32473.11.5.2.3.1
extern const CatalogTable E_12_9_2_4_1;  // 1.3.6.1.4.1.32473.12.9.2.4.1
extern const CatalogTable E_12_9_3_4_1;  // 1.3.6.1.4.1.32473.12.9.3.4.1
extern const CatalogTable E_12_9_1_A;  // 1.3.6.1.4.1.32473.12.9.1 (1 entries from "Global State")
extern const CatalogTable E_12_9_4_1_1;  // 1.3.6.1.4.1.32473.12.9.4.1.1
extern const CatalogTable E_12_9_5_1_1;  // 1.3.6.1.4.1.32473.12.9.5.1.1
extern const CatalogTable E_12_9_4_2_1;  // 1.3.6.1.4.1.32473.12.9.4.2.1
extern const CatalogTable E_12_9_5_2_1;  // 1.3.6.1.4.1.32473.12.9.5.2.1
extern const CatalogTable E_12_9_4_3_1;  // 1.3.6.1.4.1.32473.12.9.4.3.1
extern const CatalogTable E_12_9_5_3_1;  // 1.3.6.1.4.1.32473.12.9.5.3.1
extern const CatalogTable E_12_9_2;  // 1.3.6.1.4.1.32473.12.9.2
extern const CatalogTable E_12_9_4;  // 1.3.6.1.4.1.32473.12.9.4
extern const CatalogTable E_12_9_2_6_1;  // 1.3.6.1.4.1.32473.12.9.2.6.1 (2 entries from "Profile ID" to "Ethernet Type")
extern const CatalogTable E_12_9_2_7_1;  // 1.3.6.1.4.1.32473.12.9.2.7.1
extern const CatalogTable E_12_9_3_5_1;  // 1.3.6.1.4.1.32473.12.9.3.5.1
extern const CatalogTable E_12_9_3_6_1;  // 1.3.6.1.4.1.32473.12.9.3.6.1
extern const CatalogTable E_12_9_4_4_1;  // 1.3.6.1.4.1.32473.12.9.4.4.1
extern const CatalogTable E_12_9_5_4_1;  // 1.3.6.1.4.1.32473.12.9.5.4.1
extern const CatalogTable E_12_9_2_8_1;  // 1.3.6.1.4.1.32473.12.9.2.8.1
extern const CatalogTable E_12_9_3_7_1;  // 1.3.6.1.4.1.32473.12.9.3.7.1
extern const CatalogTable E_12_9_1_B;  // 1.3.6.1.4.1.32473.12.9.1 (2 entries from "Used Rule Entries")
extern const CatalogTable E_12_9_3_8_1;  // 1.3.6.1.4.1.32473.12.9.3.8.1
extern const CatalogTable E_12_9_6_1_1;  // 1.3.6.1.4.1.32473.12.9.6.1.1
extern const CatalogTable E_12_9_6;  // 1.3.6.1.4.1.32473.12.9.6
}  // namespace Oid_acl
