#pragma once
// The text form of every SNMP value, both ways, and the table index conversions. The request
// forwards its conversion operations here; they work on its variable list. Errors raise
// Exception with the library's codes: -511 bad syntax, -514 an instance too short for its key
// columns, -518 a value text that cannot be sent.
#include "NxSNMPVarList.h"
#include "SnmpTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// Received varbind -> variable i's Value text (then the option list's display text).
void VbToValue(NxSNMPVarList& vars, int i, const snmp::VarBind& vb);
// Variable i's Value text (option display text mapped back first) -> the varbind's value.
void ValueToVb(const NxSNMPVarList& vars, int i, snmp::VarBind& vb);

// Whether a received value has a text form in the syntax: a NULL, an exception, or a value of another type
// (octets where a number is declared, a number where octets are) has none. An unknown syntax is left to VbToValue.
bool IsValueOfSyntax(int32_t syntax, const snmp::Value& value);

// Whether a value text stands for no value at all: the empty text of a syntax whose text form is never empty
// (a cell a sparse table row lacks). Such a value is not written.
bool IsNoValueText(int32_t syntax, const std::string& text);

// Sets key column i's Value from the front of instance (dotted sub-identifiers) and returns
// the sub-identifiers that remain, dotted.
std::string ParseIndex(NxSNMPVarList& vars, int i, const std::string& instance);
// The sub-identifiers of key column i's Value, dotted. An empty or "(NULL)" value gives the
// syntax's zero index (0, 0.0.0.0, no octets), so that a cursor can be aimed before keys are known.
std::string BuildIndex(const NxSNMPVarList& vars, int i);
// Sets every key column from a row instance; a key column that is not read follows the row
// with its LastOid. What the keys leave of the instance becomes the list's IndexRest; the instance and the
// keys' values are kept as where the row was read (ReadInstance, ReadKeys).
void SplitInstance(NxSNMPVarList& vars, const std::string& rowInstance);
// The row instance made of the key columns' values.
std::string JoinInstance(const NxSNMPVarList& vars);
// The instance a write of the current row goes to: where it was read while its keys keep the values read;
// otherwise the key columns' values, then IndexRest.
std::string WriteInstance(const NxSNMPVarList& vars);

// Strict readings of typed texts, shared with the raw octet conversions: the whole text (blanks around it
// allowed) must be a number within [min, max], or a dotted IPv4 address of four parts of 0 to 255; anything else
// raises -518.
int64_t DecimalInRange(std::string_view text, int64_t min, int64_t max);
uint64_t Unsigned64OrRaise(std::string_view text);
std::string IPv4OctetsOrRaise(std::string_view text);

// Text forms shared with the raw octet conversions and the expressions.
std::string TimeTicksText(uint32_t hundredths);
uint32_t TimeTicksFromText(std::string_view text);  // -518 when the total leaves 32 bits
std::string HexText(std::string_view octets);
// Blanks are dropped; an odd digit count makes the first digit an octet of its own; 33 to 37
// characters with "%" as the 33rd are the zoned form (16 octets, "%", further octets).
std::string OctetsFromHex(std::string_view text);  // -518 for characters that are no hex digits
// A MAC address's octets: its hex text, or six groups of two hex digits joined by one separator ("-" or "."), the
// forms CheckMacText accepts; -518 for anything else.
std::string MacOctetsFromText(std::string_view text);
