#pragma once
// Catalogue module Oid_pim: PIM (1.3.6.1.4.1.32473.12.52), ping limit (1.3.6.1.2.1.80.1).
#include "CatalogModule.h"

void Oid_pimStartup();
void Oid_pimExit();
extern const CatalogModule Oid_pimModule;
