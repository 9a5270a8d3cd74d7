#pragma once
// Catalogue module Oid_ping: ping and trace-route tests (1.3.6.1.2.1.80, 1.3.6.1.2.1.81), MSTP port timers
// (1.3.6.1.4.1.32473.12.15.2).
#include "CatalogModule.h"

void Oid_pingStartup();
void Oid_pingExit();
extern const CatalogModule Oid_pingModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_ping {
extern const CatalogTable Mib2_80_1_2_1;  // 1.3.6.1.2.1.80.1.2.1
extern const CatalogTable Mib2_80_1_3_1;  // 1.3.6.1.2.1.80.1.3.1
extern const CatalogTable Mib2_81_1;  // 1.3.6.1.2.1.81.1
extern const CatalogTable Mib2_81_1_2_1;  // 1.3.6.1.2.1.81.1.2.1
extern const CatalogTable Mib2_81_1_3_1;  // 1.3.6.1.2.1.81.1.3.1
extern const CatalogTable Mib2_81_1_5_1;  // 1.3.6.1.2.1.81.1.5.1
extern const CatalogTable E_12_15_2_4_1;  // 1.3.6.1.4.1.32473.12.15.2.4.1 (14 entries from "Index")
}  // namespace Oid_ping
