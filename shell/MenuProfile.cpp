#include "MenuProfile.h"

namespace {

// The QSW-2126P is a layer-2 switch with a few IP services: the routing protocols are hidden.
constexpr MenuVisibility kModelMenuProfile[] = {
    {"MD5Table1", false},
    {"AllInterfaceState1", true},
    {"ARPAgingTime2", true},
    {"IPControlTable1", true},
    {"IPForwardingTable1", true},
    {"IPv6ControlTable1", true},
    {"IPv6AddressControl1", true},
    {"IPStaticRoutingtable1", true},
    {"BOOTPBasicConfiguration1", true},
    {"BOOTPCtrlTable1", true},
    {"CIDRRFC20961", false},
    {"OSPFRFC18501", false},
    {"miVRRP", false},
    {"IpMroute1", false},
    {"DVMRP1", false},
    {"PIM1", false},
    {"IGMP1", false},
    {"DVMRPInterface1", false},
    {"PolicyRoute1", false},
    {"SuperVLAN1", false},
    {"IPMulticastVLANReplication1", true},
    {"OSPFECMPManagement1", false},
    {"DataDrivenLearningGroupTable1", true},
    {"DataDrivenLearningGroupTable2", true},
    {"OSPFv31", false},
    {"LoopBackIPControl1", false},
    {"FileTable1", true},
    {"FileSystemTable1", false},
    {"BGP1", false},
    {"AgentSuportedUpdateFiles1", true},
    {"IGMPForwardingTable1", false},
    {"MLDSnoopingForwardingTable1", false},
    {"LimitedMulticastAddressTable1", false},
    {"MulticastRangeTable1", false},
    {"CIDR1", false},
};

constexpr MenuVisibility kPoeAndImageMenus[] = {
    {"POE1", true},
    {"FileSystem1", false},
    {"Multipleimagemanagement1", true},
    {"MultipleConfigManagement1", true},
    {"AgentFileSystemManagement1", false},
};

}  // namespace

std::span<const MenuVisibility> ModelMenuProfile() { return kModelMenuProfile; }
std::span<const MenuVisibility> PoeAndImageMenus() { return kPoeAndImageMenus; }
