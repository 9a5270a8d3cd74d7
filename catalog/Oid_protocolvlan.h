#pragma once
// Catalogue module Oid_protocolvlan: protocol VLAN (1.3.6.1.4.1.32473.12.16).
#include "CatalogModule.h"

void Oid_protocolvlanStartup();
void Oid_protocolvlanExit();
extern const CatalogModule Oid_protocolvlanModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_protocolvlan {
extern const CatalogTable E_12_16_1_1_1;  // 1.3.6.1.4.1.32473.12.16.1.1.1
}  // namespace Oid_protocolvlan
