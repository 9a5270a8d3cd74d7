#pragma once
// Catalogue module Oid_poe: power over Ethernet (1.3.6.1.4.1.32473.12.24).
#include "CatalogModule.h"

void Oid_poeStartup();
void Oid_poeExit();
extern const CatalogModule Oid_poeModule;
