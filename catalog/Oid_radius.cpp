#include "Oid_radius.h"

namespace {

constinit const NxSNMPVar Mib2_67_2_2_1_1[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_67_2_2_1_1_3_1[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", sxCounter, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_67_1_2_1_1[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", sxDisplayStr, readonly, nullptr},
    {},
};

constinit const NxSNMPVar Mib2_67_1_2_1_1_3_1[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", sxInteger, notaccess, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", sxIpAddress, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", sxInteger, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", sxGauge, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", sxCounter, readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", sxCounter, readonly, nullptr},
    {},
};

}  // namespace

namespace Oid_radius {

constinit const CatalogTable Mib2_67_2_2_1_1 = {"1.3.6.1.2.1.67.2.2.1.1", "Oid_radius", ::Mib2_67_2_2_1_1, SVT_SV};
constinit const CatalogTable Mib2_67_2_2_1_1_3_1 = {"1.3.6.1.2.1.67.2.2.1.1.3.1", "Oid_radius", ::Mib2_67_2_2_1_1_3_1, MVT_FMV};
constinit const CatalogTable Mib2_67_1_2_1_1 = {"1.3.6.1.2.1.67.1.2.1.1", "Oid_radius", ::Mib2_67_1_2_1_1, SVT_SV};
constinit const CatalogTable Mib2_67_1_2_1_1_3_1 = {"1.3.6.1.2.1.67.1.2.1.1.3.1", "Oid_radius", ::Mib2_67_1_2_1_1_3_1, MVT_FMV};

}  // namespace Oid_radius

namespace {

constinit const CatalogTable* const Tables[] = {
    &Oid_radius::Mib2_67_2_2_1_1,
    &Oid_radius::Mib2_67_2_2_1_1_3_1,
    &Oid_radius::Mib2_67_1_2_1_1,
    &Oid_radius::Mib2_67_1_2_1_1_3_1,
};

}  // namespace

void Oid_radiusStartup() { BuildOptionLists({}); }

void Oid_radiusExit() { ClearOptionLists({}); }

constinit const CatalogModule Oid_radiusModule = {"Oid_radius", Tables, {}, Oid_radiusStartup, Oid_radiusExit};
