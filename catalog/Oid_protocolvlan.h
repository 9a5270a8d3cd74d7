#pragma once
// Catalogue module Oid_protocolvlan: protocol VLAN (1.3.6.1.4.1.32473.12.16).
#include "CatalogModule.h"

void Oid_protocolvlanStartup();
void Oid_protocolvlanExit();
extern const CatalogModule Oid_protocolvlanModule;
