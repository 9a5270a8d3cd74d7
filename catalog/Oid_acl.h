#pragma once
// Catalogue module Oid_acl: access profiles, rules, counters and flow meters (1.3.6.1.4.1.32473.12.9), CPU
// interface filtering (1.3.6.1.4.1.32473.11.5).
#include "CatalogModule.h"

void Oid_aclStartup();
void Oid_aclExit();
extern const CatalogModule Oid_aclModule;
