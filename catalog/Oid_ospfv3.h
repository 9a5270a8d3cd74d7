#pragma once
// Catalogue module Oid_ospfv3: OSPFv3 (1.3.6.1.2.1.191).
#include "CatalogModule.h"

void Oid_ospfv3Startup();
void Oid_ospfv3Exit();
extern const CatalogModule Oid_ospfv3Module;
