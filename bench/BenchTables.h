#pragma once
// The tables the walk benchmarks read, as the request's variable lists, with the names snmptable knows them by
// (bench/mibs/QSW-BENCH-MIB.txt).
#include "NxSNMPVar.h"

namespace bench {

// snmpd's installed-software table: 5 columns, one row per installed package.
inline const NxSNMPVar InstalledSoftware[] = {
    {"1.3.6.1.2.1.25.6.3.1.1", "Index", sxInteger, readonly},
    {"1.3.6.1.2.1.25.6.3.1.2", "Name", sxDisplayStr, readonly},
    {"1.3.6.1.2.1.25.6.3.1.3", "ID", sxObjectId, readonly},
    {"1.3.6.1.2.1.25.6.3.1.4", "Type", sxInteger, readonly},
    {"1.3.6.1.2.1.25.6.3.1.5", "Date", sxOctetStr, readonly},
    {},
};
inline constexpr const char* InstalledSoftwareName = "QSW-BENCH-MIB::benchTable";

// The simulator's row table (bench::WriteRowScenario): a key and 5 columns.
inline const NxSNMPVar SimRows[] = {
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.98.1.1.2", "Name", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.98.1.1.3", "State", sxInteger, readonly, nullptr},
    {"1.3.6.1.4.1.32473.98.1.1.4", "Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.4.1.32473.98.1.1.5", "Ports", sxBitList, readonly, nullptr},
    {"1.3.6.1.4.1.32473.98.1.1.6", "MAC", sxMacAddress, readonly, nullptr},
    {},
};
inline constexpr const char* SimRowsName = "QSW-BENCH-MIB::simTable";

// The system group read as a table of one row: snmptable's start-up and one exchange.
inline constexpr const char* OneRowName = "QSW-BENCH-MIB::benchOneTable";

}  // namespace bench
