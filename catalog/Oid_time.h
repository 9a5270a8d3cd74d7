#pragma once
// Catalogue module Oid_time: time, SNTP and summer time (1.3.6.1.4.1.32473.12.10).
#include "CatalogModule.h"

void Oid_timeStartup();
void Oid_timeExit();
extern const CatalogModule Oid_timeModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_time {
extern const CatalogTable E_12_10;  // 1.3.6.1.4.1.32473.12.10
extern const CatalogTable E_12_10_10;  // 1.3.6.1.4.1.32473.12.10.10
extern const CatalogTable E_12_10_12;  // 1.3.6.1.4.1.32473.12.10.12
extern const CatalogTable E_12_10_11;  // 1.3.6.1.4.1.32473.12.10.11
}  // namespace Oid_time
