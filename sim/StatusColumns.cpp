#include "StatusColumns.h"

namespace sim {
namespace {

struct StatusColumn {
    const char* oid;
    StatusRule rule;
};

constexpr int32_t kInvalid = 2;
constexpr int32_t kPermanent = 3;  // the filtering tables' status
constexpr int32_t kValid = 3;      // the route and relay tables' state
constexpr int32_t kAdd = 1;        // the server-group membership operation
constexpr int32_t kDelete = 2;

constexpr StatusColumn kStatusColumns[] = {
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", {kPermanent, kInvalid}},          // static unicast filtering
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", {kPermanent, kInvalid}},          // static multicast filtering
    {"1.3.6.1.4.1.32473.11.70.7.3.2.5.1.6", {kValid, kInvalid}},     // IPv4 static routes
    {"1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1.3", {kValid, kInvalid}},   // DHCP/BOOTP relay servers
    {"1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1.3", {kValid, kInvalid}},   // DNS relay static entries
    {"1.3.6.1.4.1.32473.12.5.12.1.4", {kAdd, kDelete}},               // server-group membership
};

} // namespace

std::optional<StatusRule> StatusRuleOf(std::string_view columnOid) {
    for (const StatusColumn& column : kStatusColumns)
        if (columnOid == column.oid)
            return column.rule;
    return std::nullopt;
}

} // namespace sim
