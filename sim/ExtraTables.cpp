#include "ExtraTables.h"

#include "CatalogSource.h"
#include "OutsideTables.h"

namespace sim {
namespace {

SeedTable FromOutside(const OutsideTable& table) { return SeedTableFromCatalog(table.Catalogued()); }

// Readings as a transceiver reports them: the same texts for each row, by column.
void Texts(SeedTable& table, size_t column, std::vector<std::string> texts) {
    for (std::string& text : texts)
        table.columns.at(column).seeds.push_back(snmp::Value::Octets(std::move(text)));
}

SeedTable DdmStatus() {
    SeedTable table = FromOutside(Oid_outside::DdmStatus);
    Texts(table, 1, {"36.50", "41.25", "-3.75"});
    Texts(table, 2, {"3.30", "3.28", "3.35"});
    Texts(table, 3, {"6.12", "7.40", "5.98"});
    Texts(table, 4, {"-2.31", "-1.95", "-5.02"});
    Texts(table, 5, {"-5.47", "-40.00", "-8.11"});
    return table;
}

// Thresholds in thousandths, as the agent sends them; -1 where none is set.
SeedTable DdmThresholds() {
    SeedTable table = FromOutside(Oid_outside::DdmThresholds);
    Texts(table, 2, {"75000", "3600", "-1"});
    Texts(table, 3, {"-5000", "3000", "-1"});
    Texts(table, 4, {"70000", "3500", "N/A"});
    Texts(table, 5, {"0", "3100", "900"});
    return table;
}

// The first window of each row all ones, the others zero.
SeedTable PayloadMasks() {
    SeedTable table = FromOutside(Oid_outside::PayloadMasks);
    constexpr size_t FirstWindow = 2;
    for (size_t i = FirstWindow; i < FirstWindow + 5; ++i)
        table.columns.at(i).seeds.push_back(snmp::Value::Octets(std::string(16, i == FirstWindow ? '\xff' : '\0')));
    return table;
}

} // namespace

std::vector<SeedTable> ExtraTables() {
    return {FromOutside(Oid_outside::DdmSettings), DdmStatus(), DdmThresholds(), FromOutside(Oid_outside::DdmPorts),
            PayloadMasks()};
}

} // namespace sim
