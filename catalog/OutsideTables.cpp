#include "OutsideTables.h"

#include "NxOptionList.h"

namespace {

NxOptionList RowStatusOptions;

constexpr NxOptionPair RowStatusPairs[] = {
    NxOptionPair::Int(1, "active"),
    NxOptionPair::Int(2, "notInService"),
    NxOptionPair::Int(3, "notReady"),
    NxOptionPair::Int(4, "createAndGo"),
    NxOptionPair::Int(5, "createAndWait"),
    NxOptionPair::Int(6, "destroy"),
    NxOptionPair::End(),
};

const NxSNMPVar PayloadMaskRecords[] = {
    {"1.3.6.1.4.1.32473.12.9.2.9.1.1", "Mask Entry ID", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.2", "Ports", sxBitStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.3", "Filtered Port(s) [0 to 15]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.4", "Filtered Port(s) [16 to 31]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.5", "Filtered Port(s) [32 to 47]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.6", "Filtered Port(s) [48 to 63]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.7", "Filtered Port(s) [64 to 79]", sxOctetStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.9.1.8", "Mask Row Status", sxInteger, readwrite, &RowStatusOptions},
    {},
};

}  // namespace

namespace Oid_outside {
const OutsideTable PayloadMasks = {"1.3.6.1.4.1.32473.12.9.2.9.1", PayloadMaskRecords, MVT_UMV, 1};
}  // namespace Oid_outside

const std::vector<const OutsideTable*>& AllOutsideTables() {
    static const std::vector<const OutsideTable*> tables = {&Oid_outside::PayloadMasks};
    return tables;
}

void OutsideTablesStartup() { RowStatusOptions.Build(RowStatusPairs, NxOptionList::KindInteger, false); }

void OutsideTablesExit() { RowStatusOptions.Clear(); }
