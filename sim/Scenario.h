#pragma once
// Scenario files: text that sets what the simulated switch shows. One directive per line, "#" starts
// a comment:
//   set OID TYPE VALUE        the object's value (kept writable or read-only as it was; new objects
//                             take the access of their object type, read-only when none is known)
//   set-rw OID TYPE VALUE     the same, and the object accepts SETs
//   remove OID                every object under OID
//   rows ENTRY-OID INSTANCE...
//                             rows of a known table entry with seeded values (existing objects are kept);
//                             an instance arc may be a range: "1-24.1" is 1.1, 2.1, ... 24.1
//   led OID PERIOD-MS SYSTEM-OCTETS / PORTS
//                             one more frame of a front-panel LED string; frames follow each other
//                             every PERIOD-MS. SYSTEM-OCTETS are numbers; each PORT is its colour
//                             state (0-7), with "b" appended when it blinks, or "-" when absent.
//   port-lists OCTETS         every port list (bit-string column) of the MIB, and of rows created later,
//                             has this many octets: 8 standalone (64 ports), 96 stacked (12 units of 64)
// TYPE is int, str, hex, oid, ip, counter, gauge, ticks or counter64. A str value is the rest of the
// line, or a text in double quotes; a hex value is octets written in hexadecimal, spaces and colons allowed.
#include "SimMib.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Applies one line. Returns an error message, or an empty text when the line was applied (or blank).
std::string ApplyScenarioLine(SimMib& mib, std::string_view line);
// Applies every line of a file; throws std::runtime_error with "FILE:LINE: message" at the first bad line.
void LoadScenarioFile(SimMib& mib, const std::string& path);

std::optional<snmp::Value> ParseTypedValue(std::string_view type, std::string_view text, std::string& error);
std::optional<snmp::Value> ParseLedFrame(std::string_view text, std::string& error);

// The instances an instance pattern stands for ("21-24.2" gives 21.2 to 24.2), or nullopt when it is malformed.
std::optional<std::vector<snmp::Oid>> ExpandInstances(std::string_view pattern);

// Splits off the first whitespace-separated word of text.
std::string_view NextWord(std::string_view& text);

} // namespace sim
