#pragma once
// Catalogue module Oid_security: login methods and servers (1.3.6.1.4.1.32473.12.5), SSH (1.3.6.1.4.1.32473.12.6),
// SSL (1.3.6.1.4.1.32473.12.7), CPU protection (1.3.6.1.4.1.32473.12.19), IP-MAC-port binding
// (1.3.6.1.4.1.32473.12.23), web-based access control (1.3.6.1.4.1.32473.12.39), multicast VLAN replication
// (1.3.6.1.4.1.32473.12.71).
#include "CatalogModule.h"

void Oid_securityStartup();
void Oid_securityExit();
extern const CatalogModule Oid_securityModule;
