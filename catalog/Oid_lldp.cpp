#include "Oid_lldp.h"
#include "OptionPairs.h"

namespace {

NxOptionList L9;
NxOptionList L96;
NxOptionList L97;
NxOptionList L98;
NxOptionList L99;
NxOptionList L100;
NxOptionList L101;
NxOptionList L102;

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_1_1_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_1_2_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {" ", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_1_3_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {" ", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_1_4_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {" ", "Protocol Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", sxInteger, readwrite, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_2_1_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_2_2_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_2_3_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_2_4_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_3_1_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_3_2_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled", sxInteger, readonly, &L9},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_3_3_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_32962_1_3_4_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_1_1_1[] = {
    {" ", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_2_1_1[] = {
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", sxOctetStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_2_2_1[] = {
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", sxInteger, readonly, &L96},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", sxInteger, readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_2_3_1[] = {
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation Status", sxOctetStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_2_4_1[] = {
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max Frame Size", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_3_1_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", sxOctetStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_3_2_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", sxInteger, readonly, &L96},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", sxInteger, readonly, &L9},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", sxInteger, readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_3_3_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation Status", sxOctetStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_5_4623_1_3_4_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max Frame Size", sxInteger, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_1[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", sxInteger, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", sxInteger, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", sxInteger, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", sxInteger, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", sxInteger, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_1_6_1[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration Status", sxInteger, readwrite, &L97},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", sxInteger, readwrite, &L9},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_1_7_1[] = {
    {" ", "Management Address Subtype", sxInteger, notaccess, nullptr},
    {" ", "Management Address", sxOctetStr, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", sxOctetStr, readwrite, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_2[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", sxTimeTicks, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.2", "Inserts", sxGauge, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.3", "Deletes", sxGauge, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.4", "Drops", sxGauge, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_2_6_1[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_2_7_1[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", sxCounter, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total", sxGauge, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_3[] = {
    {"1.0.8802.1.1.2.1.3.1", "Chassis ID Subtype", sxInteger, readonly, &L98},
    {"1.0.8802.1.1.2.1.3.2", "Chassis ID", sxMacAddress, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.3", "System Name", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.4", "System Description", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.5", "System Capabilities Supported", sxOctetStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.6", "System Capabilities Enabled", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_3_7_1[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype", sxInteger, readonly, &L99},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID", sxMacAddress, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_3_8_1[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype", sxInteger, notaccess, &L100},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address", sxOctetStr, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length", sxInteger, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.4", "If Subtype", sxInteger, readonly, &L101},
    {"1.0.8802.1.1.2.1.3.8.1.5", "If ID", sxInteger, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", sxObjectId, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_4_1_1[] = {
    {"1.0.8802.1.1.2.1.4.1.1.1", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.2", "Local Port Number", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.3", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Chassis ID Subtype", sxInteger, readonly, &L98},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Chassis ID", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Port ID Subtype", sxInteger, readonly, &L99},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Port ID", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Port Description", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.9", "System Name", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.10", "System Description", sxDisplayStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", sxOctetStr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_4_2_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype", sxInteger, notaccess, &L102},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address", sxOctetStr, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.3", "If Subtype", sxInteger, readonly, &L101},
    {"1.0.8802.1.1.2.1.4.2.1.4", "If ID", sxInteger, readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", sxObjectId, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_4_3_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information", sxOctetStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Ieee8802_1_1_2_1_4_4_1[] = {
    {" ", "Time Mark", sxTimeTicks, notaccess, nullptr},
    {" ", "Local Port Number", sxInteger, notaccess, nullptr},
    {" ", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.1", "OUI", sxOctetStr, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.2", "Subtype", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.3", "Index", sxInteger, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.4", "Information", sxOctetStr, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_lldp {

constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_1_1 = {"1.0.8802.1.1.2.1.5.32962.1.1.1.1 (2 entries from \"Port Number\" to \"TX Enabled\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_1_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_2_1 = {"1.0.8802.1.1.2.1.5.32962.1.1.2.1 (3 entries from \"Port Number\" to \"VLAN Name TX\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_1_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_3_1 = {"1.0.8802.1.1.2.1.5.32962.1.1.3.1 (3 entries from \"Port Number\" to \"Protocol VLAN TX\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_1_3_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_1_4_1 = {"1.0.8802.1.1.2.1.5.32962.1.1.4.1 (3 entries from \"Port Number\" to \"Protocol TX\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_1_4_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_1_1 = {"1.0.8802.1.1.2.1.5.32962.1.2.1.1 (2 entries from \"Port Number\" to \"Port VLAN ID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_2_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_2_1 = {"1.0.8802.1.1.2.1.5.32962.1.2.2.1 (4 entries from \"Port Number\" to \"Enabled\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_2_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_3_1 = {"1.0.8802.1.1.2.1.5.32962.1.2.3.1 (3 entries from \"Port Number\" to \"VLAN Name\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_2_3_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_2_4_1 = {"1.0.8802.1.1.2.1.5.32962.1.2.4.1 (3 entries from \"Port Number\" to \"Protocol ID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_2_4_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_1_1 = {"1.0.8802.1.1.2.1.5.32962.1.3.1.1 (4 entries from \"Time Mark\" to \"Port VLAN ID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_3_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_2_1 = {"1.0.8802.1.1.2.1.5.32962.1.3.2.1 (6 entries from \"Time Mark\" to \"VLAN Enabled\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_3_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_3_1 = {"1.0.8802.1.1.2.1.5.32962.1.3.3.1 (5 entries from \"Time Mark\" to \"VLAN Name\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_3_3_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_32962_1_3_4_1 = {"1.0.8802.1.1.2.1.5.32962.1.3.4.1 (5 entries from \"Time Mark\" to \"Protocol ID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_32962_1_3_4_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_1_1_1 = {"1.0.8802.1.1.2.1.5.4623.1.1.1.1 (2 entries from \"Port Number\" to \"TLVs TX Enable\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_1_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_1_1 = {"1.0.8802.1.1.2.1.5.4623.1.2.1.1 (5 entries from \"Local Port Number\" to \"Port Operational MAU Type\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_2_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_2_1 = {"1.0.8802.1.1.2.1.5.4623.1.2.2.1 (7 entries from \"Local Port Number\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_2_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_3_1 = {"1.0.8802.1.1.2.1.5.4623.1.2.3.1 (3 entries from \"Local Port Number\" to \"Link Aggregation Port ID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_2_3_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_2_4_1 = {"1.0.8802.1.1.2.1.5.4623.1.2.4.1 (2 entries from \"Local Port Number\" to \"Max Frame Size\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_2_4_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_1_1 = {"1.0.8802.1.1.2.1.5.4623.1.3.1.1 (7 entries from \"Time Mark\" to \"Port Operational MAU Type\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_3_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_2_1 = {"1.0.8802.1.1.2.1.5.4623.1.3.2.1 (9 entries from \"Time Mark\" to \"Power Class\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_3_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_3_1 = {"1.0.8802.1.1.2.1.5.4623.1.3.3.1 (5 entries from \"Time Mark\" to \"Link Aggregation Port ID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_3_3_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_5_4623_1_3_4_1 = {"1.0.8802.1.1.2.1.5.4623.1.3.4.1 (4 entries from \"Time Mark\" to \"Remote Max Frame Size\")", "Oid_lldp", ::Ieee8802_1_1_2_1_5_4623_1_3_4_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_1 = {"1.0.8802.1.1.2.1.1 (5 entries from \"Message TX Interval\" to \"Notification Interval\")", "Oid_lldp", ::Ieee8802_1_1_2_1_1, SVT_SV};
constinit const CatalogTable Ieee8802_1_1_2_1_1_6_1 = {"1.0.8802.1.1.2.1.1.6.1 (4 entries from \"Port Number\" to \"TLVs TX Enable\")", "Oid_lldp", ::Ieee8802_1_1_2_1_1_6_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_1_7_1 = {"1.0.8802.1.1.2.1.1.7.1 (3 entries from \"Management Address Subtype\" to \"Configuration Management Address Ports TX Enable\")", "Oid_lldp", ::Ieee8802_1_1_2_1_1_7_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_2 = {"1.0.8802.1.1.2.1.2 (5 entries from \"Last Change Time\" to \"Ageouts\")", "Oid_lldp", ::Ieee8802_1_1_2_1_2, SVT_SV};
constinit const CatalogTable Ieee8802_1_1_2_1_2_6_1 = {"1.0.8802.1.1.2.1.2.6.1 (2 entries from \"Port Number\" to \"Total Frames\")", "Oid_lldp", ::Ieee8802_1_1_2_1_2_6_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_2_7_1 = {"1.0.8802.1.1.2.1.2.7.1 (7 entries from \"Number\" to \"Port Ageouts Total\")", "Oid_lldp", ::Ieee8802_1_1_2_1_2_7_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_3 = {"1.0.8802.1.1.2.1.3 (6 entries from \"Chassis ID Subtype\" to \"System Capabilities Enabled\")", "Oid_lldp", ::Ieee8802_1_1_2_1_3, SVT_SV};
constinit const CatalogTable Ieee8802_1_1_2_1_3_7_1 = {"1.0.8802.1.1.2.1.3.7.1 (4 entries from \"Number\" to \"Description\")", "Oid_lldp", ::Ieee8802_1_1_2_1_3_7_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_3_8_1 = {"1.0.8802.1.1.2.1.3.8.1 (6 entries from \"Subtype\" to \"OID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_3_8_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_4_1_1 = {"1.0.8802.1.1.2.1.4.1.1 (12 entries from \"Time Mark\" to \"System Capabilities Enabled\")", "Oid_lldp", ::Ieee8802_1_1_2_1_4_1_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_4_2_1 = {"1.0.8802.1.1.2.1.4.2.1 (8 entries from \"Time Mark\" to \"OID\")", "Oid_lldp", ::Ieee8802_1_1_2_1_4_2_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_4_3_1 = {"1.0.8802.1.1.2.1.4.3.1 (5 entries from \"Time Mark\" to \"Information\")", "Oid_lldp", ::Ieee8802_1_1_2_1_4_3_1, MVT_FMV};
constinit const CatalogTable Ieee8802_1_1_2_1_4_4_1 = {"1.0.8802.1.1.2.1.4.4.1 (7 entries from \"Time Mark\" to \"Information\")", "Oid_lldp", ::Ieee8802_1_1_2_1_4_4_1, MVT_FMV};

}  // namespace Oid_lldp

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_2_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_3_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_1_4_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_2_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_2_2_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_2_3_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_2_4_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_3_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_3_2_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_3_3_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_32962_1_3_4_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_1_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_2_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_2_2_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_2_3_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_2_4_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_3_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_3_2_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_3_3_1,
    &Oid_lldp::Ieee8802_1_1_2_1_5_4623_1_3_4_1,
    &Oid_lldp::Ieee8802_1_1_2_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_1_6_1,
    &Oid_lldp::Ieee8802_1_1_2_1_1_7_1,
    &Oid_lldp::Ieee8802_1_1_2_1_2,
    &Oid_lldp::Ieee8802_1_1_2_1_2_6_1,
    &Oid_lldp::Ieee8802_1_1_2_1_2_7_1,
    &Oid_lldp::Ieee8802_1_1_2_1_3,
    &Oid_lldp::Ieee8802_1_1_2_1_3_7_1,
    &Oid_lldp::Ieee8802_1_1_2_1_3_8_1,
    &Oid_lldp::Ieee8802_1_1_2_1_4_1_1,
    &Oid_lldp::Ieee8802_1_1_2_1_4_2_1,
    &Oid_lldp::Ieee8802_1_1_2_1_4_3_1,
    &Oid_lldp::Ieee8802_1_1_2_1_4_4_1,
};

constinit const CatalogOptionListDef OptionLists[] = {
    {9, &L9, L9Pairs, NxOptionList::KindInteger},
    {96, &L96, L96Pairs, NxOptionList::KindInteger},
    {97, &L97, L97Pairs, NxOptionList::KindInteger},
    {98, &L98, L98Pairs, NxOptionList::KindInteger},
    {99, &L99, L99Pairs, NxOptionList::KindInteger},
    {100, &L100, L100Pairs, NxOptionList::KindInteger},
    {101, &L101, L101Pairs, NxOptionList::KindInteger},
    {102, &L102, L102Pairs, NxOptionList::KindInteger},
};

}  // namespace

void Oid_lldpStartup() { BuildOptionLists(OptionLists); }

void Oid_lldpExit() { ClearOptionLists(OptionLists); }

constinit const CatalogModule Oid_lldpModule = {"Oid_lldp", Tables, OptionLists, Oid_lldpStartup, Oid_lldpExit};
