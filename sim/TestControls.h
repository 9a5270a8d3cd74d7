#pragma once
// Test controls of the simulator: replies held back, injected error statuses and dropped replies,
// each for the requests that name an OID under a prefix. Set from the command line (--exec) or the
// control socket, one command per line:
//   hold PREFIX [MS]          hold each matching request's reply for MS milliseconds, or until released
//   release [PREFIX]          end the hold rules under PREFIX (all without it) and answer what they hold
//   error PREFIX STATUS [N]   answer matching varbinds with STATUS (a number or a name such as genErr),
//                             N times or until cleared; STATUS noSuchInstance or noSuchObject answers noError
//                             with that exception in place of the value (a SET then leaves the object as it was)
//   drop PREFIX [N]           send no reply to the next N matching requests (1 without N)
//   clear                     end every rule (held replies are answered)
//   ping                      answers ok
// Any scenario directive (set, set-rw, remove, rows, led) is accepted as well.
#include "SimMib.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct HoldRule {
    snmp::Oid prefix;
    std::optional<int64_t> ms;  // none: until released
};

struct CommandResult {
    bool ok = true;
    std::string message;             // "ok" or the error
    std::optional<snmp::Oid> release;  // answer the replies held under this prefix (empty OID: all)
};

// What is injected for one varbind: an error status, or noError with an exception value in its place.
struct Injection {
    int status = NoError;
    snmp::ValueType exception = snmp::ValueType::None;  // NoSuchObject or NoSuchInstance when status is NoError
    bool IsException() const { return exception != snmp::ValueType::None; }
};

// The status number of a name ("genErr", "notWritable", ...) or of a decimal number.
std::optional<int> ErrorStatusFromText(std::string_view text);
// What an SNMPv1 agent reports in place of an SNMPv2 error status.
int V1ErrorStatus(int status);

class TestControls {
public:
    CommandResult Execute(std::string_view line, SimMib& mib);

    // The hold rule for a request naming these OIDs, if any.
    std::optional<HoldRule> HoldFor(const std::vector<snmp::Oid>& oids) const;
    // True (and one drop used) when the request's reply is to be dropped.
    bool TakeDrop(const std::vector<snmp::Oid>& oids);
    // What to inject for this varbind, if any (one use counted). Exception rules answer GET and SET only:
    // a GET-NEXT passes exceptions = false and passes them by.
    std::optional<Injection> TakeError(const snmp::Oid& oid, bool exceptions = true);

private:
    struct ErrorRule { snmp::Oid prefix; Injection injection; int remaining; };  // remaining < 0: no limit
    struct DropRule { snmp::Oid prefix; int remaining; };

    std::vector<HoldRule> holds_;
    std::vector<ErrorRule> errors_;
    std::vector<DropRule> drops_;
};

} // namespace sim
