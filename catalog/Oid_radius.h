#pragma once
// Catalogue module Oid_radius: RADIUS client statistics (1.3.6.1.2.1.67).
#include "CatalogModule.h"

void Oid_radiusStartup();
void Oid_radiusExit();
extern const CatalogModule Oid_radiusModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_radius {
extern const CatalogTable Mib2_67_2_2_1_1;  // 1.3.6.1.2.1.67.2.2.1.1
extern const CatalogTable Mib2_67_2_2_1_1_3_1;  // 1.3.6.1.2.1.67.2.2.1.1.3.1
extern const CatalogTable Mib2_67_1_2_1_1;  // 1.3.6.1.2.1.67.1.2.1.1
extern const CatalogTable Mib2_67_1_2_1_1_3_1;  // 1.3.6.1.2.1.67.1.2.1.1.3.1
}  // namespace Oid_radius
