#pragma once
// Catalogue module Oid_rmon: RMON probe configuration (1.3.6.1.2.1.16.19).
#include "CatalogModule.h"

void Oid_rmonStartup();
void Oid_rmonExit();
extern const CatalogModule Oid_rmonModule;
