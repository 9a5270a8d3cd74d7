#pragma once
// Catalogue module Oid_dot1x: IEEE 802.1X PAE (1.0.8802.1.1.1), guest VLAN (1.3.6.1.4.1.32473.12.30).
#include "CatalogModule.h"

void Oid_dot1xStartup();
void Oid_dot1xExit();
extern const CatalogModule Oid_dot1xModule;
