#pragma once
// With how many keys the module reads each catalogue table: the largest key count that a menu command, a
// tabbed page, a state table, a port popup command or a dedicated dialog passes with the table's label.
// Tables read only without keys are not listed. The first K columns of a table read with K keys form a row's
// instance; when K is more than the table's not-accessible columns, readable columns are keys as well (their
// values repeat parts of the instance). No widgets here: the shell and the simulator both build on it.
#include <span>
#include <string_view>

struct TableKeyCount {
    const char* Label;  // exactly as the catalogue names the table
    int Keys;
};

// Every listed table, in catalogue order.
std::span<const TableKeyCount> TableKeyCounts();
// The key count of the table with this label; 0 when it is not listed.
int TableKeyCountOf(std::string_view label);
