#pragma once
// Catalogue module Oid_usm: USM users (1.3.6.1.6.3.15.1.2).
#include "CatalogModule.h"

void Oid_usmStartup();
void Oid_usmExit();
extern const CatalogModule Oid_usmModule;
