#pragma once
// Catalogue module Oid_lldp: LLDP with its 802.1 and 802.3 extensions (1.0.8802.1.1.2).
#include "CatalogModule.h"

void Oid_lldpStartup();
void Oid_lldpExit();
extern const CatalogModule Oid_lldpModule;
