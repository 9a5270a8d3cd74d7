#pragma once
// Catalogue module Oid_mba: 802.1X extensions, RADIUS servers and authenticator tables (1.3.6.1.4.1.32473.12.3),
// MAC-based access control (1.3.6.1.4.1.32473.12.35), shell, system and network state switches
// (1.3.6.1.4.1.32473.12.55).
#include "CatalogModule.h"

void Oid_mbaStartup();
void Oid_mbaExit();
extern const CatalogModule Oid_mbaModule;
