#include "OutsideTables.h"

#include "NxOptionList.h"

namespace {

NxOptionList EnabledDisabledOptions;
NxOptionList ThresholdTypeOptions;
NxOptionList PortShutdownOptions;
NxOptionList RowStatusOptions;

constexpr NxOptionPair EnabledDisabledPairs[] = {
    NxOptionPair::Int(1, "enabled"),
    NxOptionPair::Int(2, "disabled"),
    NxOptionPair::End(),
};
constexpr NxOptionPair ThresholdTypePairs[] = {
    NxOptionPair::Int(1, "Temperature"), NxOptionPair::Int(2, "Voltage"),  NxOptionPair::Int(3, "Bias"),
    NxOptionPair::Int(4, "TX Power"),    NxOptionPair::Int(5, "RX Power"), NxOptionPair::End(),
};
constexpr NxOptionPair PortShutdownPairs[] = {
    NxOptionPair::Int(1, "alarm"), NxOptionPair::Int(2, "warning"),
    NxOptionPair::Int(3, "none"),  NxOptionPair::Int(4, "other"),
    NxOptionPair::End(),
};

constexpr NxOptionPair RowStatusPairs[] = {
    NxOptionPair::Int(1, "active"),
    NxOptionPair::Int(2, "notInService"),
    NxOptionPair::Int(3, "notReady"),
    NxOptionPair::Int(4, "createAndGo"),
    NxOptionPair::Int(5, "createAndWait"),
    NxOptionPair::Int(6, "destroy"),
    NxOptionPair::End(),
};

const NxSNMPVar DdmSettingRecords[] = {
    {"1.3.6.1.4.1.32473.12.72.1.1", "Trap State", sxInteger, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.32473.12.72.1.2", "Log State", sxInteger, readwrite, &EnabledDisabledOptions},
    {},
};

const NxSNMPVar DdmStatusRecords[] = {
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.1", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.2", "Temperature", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.3", "Voltage", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.4", "Bias Current", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.5", "TX Power", sxDisplayStr, readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.6", "RX Power", sxDisplayStr, readonly, nullptr},
    {},
};

// The port is the instance's first arc and has no column of its own (" ").
const NxSNMPVar DdmThresholdRecords[] = {
    {" ", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.1", "Type", sxInteger, notaccess, &ThresholdTypeOptions},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.2", "High Alarm", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.3", "Low Alarm", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.4", "High Warning", sxDisplayStr, readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.5", "Low Warning", sxDisplayStr, readwrite, nullptr},
    {},
};

const NxSNMPVar DdmPortRecords[] = {
    {" ", "Port", sxInteger, notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.2.2.1.1", "DDM State", sxInteger, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.32473.12.72.3.2.2.1.2", "Port Shutdown", sxInteger, readwrite, &PortShutdownOptions},
    {},
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
const OutsideTable DdmSettings = {"1.3.6.1.4.1.32473.12.72.1", DdmSettingRecords, SVT_SV, 0};
const OutsideTable DdmStatus = {"1.3.6.1.4.1.32473.12.72.2.1.1.1", DdmStatusRecords, MVT_FMV, 1};
const OutsideTable DdmThresholds = {"1.3.6.1.4.1.32473.12.72.3.1.1.1", DdmThresholdRecords, MVT_UMV, 2};
const OutsideTable DdmPorts = {"1.3.6.1.4.1.32473.12.72.3.2.2.1", DdmPortRecords, MVT_UMV, 1};
const OutsideTable PayloadMasks = {"1.3.6.1.4.1.32473.12.9.2.9.1", PayloadMaskRecords, MVT_UMV, 1};
}  // namespace Oid_outside

const std::vector<const OutsideTable*>& AllOutsideTables() {
    static const std::vector<const OutsideTable*> tables = {&Oid_outside::DdmSettings, &Oid_outside::DdmStatus,
                                                            &Oid_outside::DdmThresholds, &Oid_outside::DdmPorts,
                                                            &Oid_outside::PayloadMasks};
    return tables;
}

void OutsideTablesStartup() {
    EnabledDisabledOptions.Build(EnabledDisabledPairs, NxOptionList::KindInteger, false);
    ThresholdTypeOptions.Build(ThresholdTypePairs, NxOptionList::KindInteger, false);
    PortShutdownOptions.Build(PortShutdownPairs, NxOptionList::KindInteger, false);
    RowStatusOptions.Build(RowStatusPairs, NxOptionList::KindInteger, false);
}

void OutsideTablesExit() {
    RowStatusOptions.Clear();
    PortShutdownOptions.Clear();
    ThresholdTypeOptions.Clear();
    EnabledDisabledOptions.Clear();
}
