#pragma once
// Catalogue module Oid_webauth: web authentication (1.3.6.1.4.1.32473.12.27).
#include "CatalogModule.h"

void Oid_webauthStartup();
void Oid_webauthExit();
extern const CatalogModule Oid_webauthModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_webauth {
extern const CatalogTable E_12_27_1;  // 1.3.6.1.4.1.32473.12.27.1
extern const CatalogTable E_12_27_3_1_1;  // 1.3.6.1.4.1.32473.12.27.3.1.1
extern const CatalogTable E_12_27_3_2_1;  // 1.3.6.1.4.1.32473.12.27.3.2.1
extern const CatalogTable E_12_27_2_2_1;  // 1.3.6.1.4.1.32473.12.27.2.2.1
}  // namespace Oid_webauth
