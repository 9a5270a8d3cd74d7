#pragma once
// The command rows of each top menu, one unit per menu; MenuCommandTable joins them in menu-bar order.
// Each span lists its menu's commands top to bottom and lives as long as the program.
#include "AclFormClasses.h"
#include "CatalogTables.h"
#include "IpSystemFormClasses.h"
#include "L2FormClasses.h"
#include "MenuCommandTable.h"
#include "SecurityFormClasses.h"

std::span<const MenuCommand> ConfigurationMenuCommands();
std::span<const MenuCommand> RmonMenuCommands();
std::span<const MenuCommand> BridgeMenuCommands();
std::span<const MenuCommand> VlanMenuCommands();
std::span<const MenuCommand> SnmpV3MenuCommands();
std::span<const MenuCommand> SecurityMenuCommands();
std::span<const MenuCommand> Layer2MenuCommands();
std::span<const MenuCommand> Layer3MenuCommands();
std::span<const MenuCommand> SingleIpMenuCommands();
std::span<const MenuCommand> SflowMenuCommands();
std::span<const MenuCommand> HelpMenuCommands();
