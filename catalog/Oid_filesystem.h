#pragma once
// Catalogue module Oid_filesystem: file system (1.3.6.1.4.1.32473.12.14), file transfer to and from servers
// (1.3.6.1.4.1.32473.12.82).
#include "CatalogModule.h"

void Oid_filesystemStartup();
void Oid_filesystemExit();
extern const CatalogModule Oid_filesystemModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_filesystem {
extern const CatalogTable E_12_14_2_1_1;  // 1.3.6.1.4.1.32473.12.14.2.1.1
extern const CatalogTable E_12_14_2_3;  // 1.3.6.1.4.1.32473.12.14.2.3
extern const CatalogTable E_12_14_2_4_1;  // 1.3.6.1.4.1.32473.12.14.2.4.1
extern const CatalogTable E_12_14_3_3_2_1;  // 1.3.6.1.4.1.32473.12.14.3.3.2.1
extern const CatalogTable E_12_14_4_1;  // 1.3.6.1.4.1.32473.12.14.4.1
extern const CatalogTable E_12_14_4_2;  // 1.3.6.1.4.1.32473.12.14.4.2
extern const CatalogTable E_12_14_5;  // 1.3.6.1.4.1.32473.12.14.5
extern const CatalogTable E_12_82_1_1_1;  // 1.3.6.1.4.1.32473.12.82.1.1.1
extern const CatalogTable E_12_82_1_2_1;  // 1.3.6.1.4.1.32473.12.82.1.2.1
extern const CatalogTable E_12_82_1_3_1;  // 1.3.6.1.4.1.32473.12.82.1.3.1
}  // namespace Oid_filesystem
