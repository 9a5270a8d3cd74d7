#pragma once
// Catalogue module Oid_mldsnooping: MLD snooping (1.3.6.1.4.1.32473.12.34), SNMP message-processing statistics
// (1.3.6.1.6.3.11.2.1).
#include "CatalogModule.h"

void Oid_mldsnoopingStartup();
void Oid_mldsnoopingExit();
extern const CatalogModule Oid_mldsnoopingModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_mldsnooping {
extern const CatalogTable E_12_34;  // 1.3.6.1.4.1.32473.12.34
extern const CatalogTable E_12_34_3_2_1;  // 1.3.6.1.4.1.32473.12.34.3.2.1
extern const CatalogTable E_12_34_3_4_1;  // 1.3.6.1.4.1.32473.12.34.3.4.1
extern const CatalogTable E_12_34_3_5_1;  // 1.3.6.1.4.1.32473.12.34.3.5.1
extern const CatalogTable E_12_34_3_7_1;  // 1.3.6.1.4.1.32473.12.34.3.7.1
extern const CatalogTable E_12_34_3_8_1;  // 1.3.6.1.4.1.32473.12.34.3.8.1
extern const CatalogTable SnmpModules_11_2_1;  // 1.3.6.1.6.3.11.2.1
}  // namespace Oid_mldsnooping
