#include "ExtraTables.h"

#include "CatalogSource.h"
#include "OutsideTables.h"

namespace sim {
namespace {

const std::vector<int32_t> kEnabledDisabled = {1, 2};
const std::vector<std::string> kEnabledDisabledTexts = {"enabled", "disabled"};

SeedColumn Column(std::string oid, std::string caption, int32_t syntax, int32_t access) {
    SeedColumn column;
    column.oid = std::move(oid);
    column.caption = std::move(caption);
    column.syntax = syntax;
    column.access = access;
    return column;
}

SeedColumn Options(SeedColumn column, std::vector<int32_t> values, std::vector<std::string> texts) {
    column.optionValues = std::move(values);
    column.optionTexts = std::move(texts);
    return column;
}

// Readings as a transceiver reports them: the same text for each row.
SeedColumn Texts(SeedColumn column, std::vector<std::string> texts) {
    for (std::string& text : texts)
        column.seeds.push_back(snmp::Value::Octets(std::move(text)));
    return column;
}

SeedTable Table(std::string label, NxVarListKind kind, std::vector<SeedColumn> columns) {
    SeedTable table;
    table.label = std::move(label);
    table.kind = kind;
    table.columns = std::move(columns);
    return table;
}

const std::string kDdm = "1.3.6.1.4.1.32473.12.72";

SeedTable DdmSettings() {
    return Table(kDdm + ".1", SVT_SV, {
        Options(Column(kDdm + ".1.1", "Trap State", sxInteger, readwrite), kEnabledDisabled, kEnabledDisabledTexts),
        Options(Column(kDdm + ".1.2", "Log State", sxInteger, readwrite), kEnabledDisabled, kEnabledDisabledTexts),
    });
}

SeedTable DdmStatus() {
    const std::string entry = kDdm + ".2.1.1.1";
    return Table(entry, MVT_FMV, {
        Column(entry + ".1", "Port", sxInteger, notaccess),
        Texts(Column(entry + ".2", "Temperature", sxDisplayStr, readonly), {"36.50", "41.25", "-3.75"}),
        Texts(Column(entry + ".3", "Voltage", sxDisplayStr, readonly), {"3.30", "3.28", "3.35"}),
        Texts(Column(entry + ".4", "Bias Current", sxDisplayStr, readonly), {"6.12", "7.40", "5.98"}),
        Texts(Column(entry + ".5", "TX Power", sxDisplayStr, readonly), {"-2.31", "-1.95", "-5.02"}),
        Texts(Column(entry + ".6", "RX Power", sxDisplayStr, readonly), {"-5.47", "-40.00", "-8.11"}),
    });
}

// Thresholds in thousandths, as the agent sends them; -1 where none is set.
SeedTable DdmThresholds() {
    const std::string entry = kDdm + ".3.1.1.1";
    return Table(entry, MVT_UMV, {
        Column(" ", "Port", sxInteger, notaccess),
        Options(Column(entry + ".1", "Type", sxInteger, notaccess), {1, 2, 3, 4, 5},
                {"Temperature", "Voltage", "Bias", "TX Power", "RX Power"}),
        Texts(Column(entry + ".2", "High Alarm", sxDisplayStr, readwrite), {"75000", "3600", "-1"}),
        Texts(Column(entry + ".3", "Low Alarm", sxDisplayStr, readwrite), {"-5000", "3000", "-1"}),
        Texts(Column(entry + ".4", "High Warning", sxDisplayStr, readwrite), {"70000", "3500", "N/A"}),
        Texts(Column(entry + ".5", "Low Warning", sxDisplayStr, readwrite), {"0", "3100", "900"}),
    });
}

SeedTable DdmPorts() {
    const std::string entry = kDdm + ".3.2.2.1";
    return Table(entry, MVT_UMV, {
        Column(" ", "Port", sxInteger, notaccess),
        Options(Column(entry + ".1", "DDM State", sxInteger, readwrite), kEnabledDisabled, kEnabledDisabledTexts),
        Options(Column(entry + ".2", "Port Shutdown", sxInteger, readwrite), {1, 2, 3, 4},
                {"alarm", "warning", "none", "other"}),
    });
}

// The payload masks as the dialogs describe them; the first window of each row all ones, the others zero.
SeedTable PayloadMasks() {
    SeedTable table = SeedTableFromCatalog(Oid_outside::PayloadMasks.Catalogued());
    constexpr size_t FirstWindow = 2;
    for (size_t i = FirstWindow; i < FirstWindow + 5 && i < table.columns.size(); ++i)
        table.columns[i].seeds.push_back(snmp::Value::Octets(std::string(16, i == FirstWindow ? '\xff' : '\0')));
    return table;
}

} // namespace

std::vector<SeedTable> ExtraTables() {
    return {DdmSettings(), DdmStatus(), DdmThresholds(), DdmPorts(), PayloadMasks()};
}

} // namespace sim
