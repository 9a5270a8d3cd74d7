#pragma once
// Catalogue module Oid_vacm: view-based access control (1.3.6.1.6.3.16).
#include "CatalogModule.h"

void Oid_vacmStartup();
void Oid_vacmExit();
extern const CatalogModule Oid_vacmModule;
