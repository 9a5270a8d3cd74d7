#pragma once
// Catalogue module Oid_radius: RADIUS client statistics (1.3.6.1.2.1.67).
#include "CatalogModule.h"

void Oid_radiusStartup();
void Oid_radiusExit();
extern const CatalogModule Oid_radiusModule;
