#pragma once
// The MIB objects the binding tests read and write on the simulator: a group of scalars and a table of rows,
// both under the maker's test subtree, with their simulator seeding.
#include "NxOptionList.h"
#include "NxSNMPVar.h"

#include <string>
#include <vector>

namespace bindtest {

inline constexpr const char* kScalarRoot = "1.3.6.1.4.1.32473.99.2";
inline constexpr const char* kTableRoot = "1.3.6.1.4.1.32473.99.1.1";

// 1 "enabled", 2 "disabled".
extern NxOptionList StateOptions;

// Scalars: 0 name (displaystr, rw), 1 state (integer with StateOptions, rw), 2 address (ipaddress, rw),
// 3 flags (octetstr, rw), 4 uptime (timeticks, read-only), 5 ports (bitlist, rw).
extern const NxSNMPVar ScalarTable[];
// Rows: 0 index (key, integer, not accessible), 1 name (displaystr, rw), 2 state (StateOptions, rw),
// 3 address (ipaddress, rw), 4 ports (bitlist, rw), 5 mac (macaddress, read-only).
extern const NxSNMPVar RowTable[];

// Scenario lines for the scalars and for rows 1..rows of the table (row r: name "row<r>", state 1 when r is odd,
// address 10.0.0.r, ports F0800000 for row 1 else 00000000, mac 0000000000rr).
std::vector<std::string> ScalarLines();
std::vector<std::string> RowLines(int rows, int firstRow = 1);

// Applies lines to the simulator (each through its control socket); fails the test on an error answer.
void SeedSim(const std::vector<std::string>& lines);

}  // namespace bindtest
