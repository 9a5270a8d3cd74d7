#pragma once
// Catalogue module Oid_singleip: single IP management (1.3.6.1.4.1.32473.12.8).
#include "CatalogModule.h"

void Oid_singleipStartup();
void Oid_singleipExit();
extern const CatalogModule Oid_singleipModule;
