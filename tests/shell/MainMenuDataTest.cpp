#include "MainMenuData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// A caption path with each caption's trailing blanks and line feeds dropped, as menus are usually written.
std::string PlainPath(const MainMenuItem& item) {
    std::string text;
    for (const MainMenuItem* step : MainMenuPath(item)) {
        std::string caption = step->Caption;
        while (!caption.empty() && (caption.back() == ' ' || caption.back() == '\n'))
            caption.pop_back();
        if (!text.empty())
            text += " > ";
        text += caption;
    }
    return text;
}

const MainMenuItem* FindByPlainPath(const std::string& path) {
    for (const MainMenuItem* item : AllMainMenuItems())
        if (!item->IsSeparator() && PlainPath(*item) == path)
            return item;
    return nullptr;
}

} // namespace

TEST(MainMenuData, TopMenusInMenuBarOrder) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Configuration1", "Configuration"}, {"Menu_RMON", "RMON"}, {"Bridge1", "Bridge"}, {"VLAN1", "VLAN"},
        {"VACM1", "SNMP v3"}, {"SecurityManagement1", "Security"}, {"Layer2Management2", "Layer 2 "},
        {"Layer3Management1", "Layer 3"}, {"SingleIP1", "Single IP"}, {"SFLOW1", "sFlow"}, {"Help1", "Help"},
    };
    auto top = MainMenuTopItems();
    ASSERT_EQ(top.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(top[i].Name, expected[i].first);
        EXPECT_EQ(top[i].Caption, expected[i].second);
        EXPECT_FALSE(top[i].HiddenAtStart);
    }
    // Only the Bridge top menu carries a command of its own.
    for (const MainMenuItem& item : top)
        EXPECT_EQ(item.HasCommand(), std::string(item.Name) == "Bridge1") << item.Name;
    EXPECT_STREQ(top[2].Handler, "Bridge1Click");
}

TEST(MainMenuData, ItemsHiddenAtStartAreExactlyTheDesignList) {
    const std::set<std::string> expected = {
        "Configuration > Moudle Basic Configuration",
        "Configuration > Device Management > Refresh Panel",
        "Configuration > Equipment Management > Unit Information",
        "Configuration > Equipment Management > Trap Management",
        "Configuration > Agent Management > Trap Management",
        "Configuration > Agent Management > Trap Receiver",
        "Configuration > Agent Management > Ping Test",
        "Configuration > Entity",
        "Configuration > IF-MIB > IfStack Table",
        "Configuration > Save Changes",
        "Bridge > 802.1D > Port Table",
        "Bridge > Spanning Tree > STP Port Table",
        "Bridge > Transparent Bridge > Static Table",
        "VLAN > 802.1p > Priority Information > Regenerated User Priorities",
        "VLAN > 802.1p > Priority Information > Port Outbound Access Priorities",
        "VLAN > 802.1p > GMRP",
        "VLAN > 802.1p > High Capacity",
        "VLAN > 802.1p > High Capacity > Port Table",
        "VLAN > 802.1p > High Capacity > Port Overflow",
        "VLAN > 802.1Q > Forwarding/Filtering > Tp Group Destination Forwarded",
        "VLAN > 802.1Q > Forwarding/Filtering > Multicast Forwarding Information",
        "VLAN > 802.1Q > Forwarding/Filtering > Forward Unregistered Information",
        "VLAN > 802.1Q > Forwarding/Filtering > Filtering Information",
        "VLAN > Protocol VLAN",
        "VLAN > Q-in-Q > Q-in-Q Port Rule Table",
        "VLAN > Q-in-Q > Q-in-Q Profile Table",
        "VLAN > Q-in-Q > Q-in-Q Rule Table",
        "SNMP v3 > Snmp Framework MIB",
        "Security > RADIUS Management > Accounting Control",
        "Security > RADIUS Management > Accounting Control > Service Table",
        "Security > SSH > Diffie Hellman Algorithm",
        "Security > SSH > HMAC Algorithm",
        "Security > SSH > Public Key Algorithm",
        "Security > Kelvane Engine > ARP Storm Control",
        "Security > Web Authentication > Information",
        "Security > MBA Management > State Table",
        "Security > MBA Management > Diagnostics Information",
        "Security > MBA Management > PAE Over Land  Frames Statistic Table",
        "Security > MBA Management > Session Information",
        "Layer 2 > Port Management > DDM Mangement > Action Management Table",
        "Layer 2 > Port Management > Port Mirror Table",
        "Layer 2 > QoS > 802.1p User Priority Table",
        "Layer 2 > IGMP Snooping > IGMP Snooping Information",
        "Layer 2 > IP Limited Multicast",
        "Layer 2 > ACL > Payload Mask Information",
        "Layer 2 > ACL > Payload Rule",
        "Layer 2 > LLDP > Remote System  Data > Remote Information",
        "Layer 2 > LLDP > LLDP Dot3 > Local Data > Power Table",
        "Layer 3 > DHCP Server Filter > Filter NetBIOS Table",
        "Layer 3 > DHCP Server Filter > Filter Extensive  NetBIOS Table",
        "Layer 3 > DHCP Server Filter > Filter Layer3 Control Packet Table",
        "Layer 3 > OSPF > OSPFTrap",
        "Single IP > MS Trap Message",
        "Help > Test",
    };
    std::set<std::string> hidden;
    std::vector<std::string> hiddenSeparators;
    int hiddenCount = 0;
    for (const MainMenuItem* item : AllMainMenuItems()) {
        if (!item->HiddenAtStart)
            continue;
        ++hiddenCount;
        if (item->IsSeparator())
            hiddenSeparators.push_back(MainMenuPathText(*item));
        else
            hidden.insert(PlainPath(*item));
    }
    EXPECT_EQ(hiddenCount, 57);
    EXPECT_EQ(hidden, expected);
    EXPECT_EQ(hiddenSeparators,
              (std::vector<std::string>{"Configuration > -", "Layer 2  > -", "Layer 3 > PIM > -"}));
}

// Items that the start-up profile and the device-state rules show, hide, enable or disable.
TEST(MainMenuData, ItemsThatMenuStatesSetAreFoundByName) {
    const std::vector<std::pair<const char*, const char*>> items = {
        {"MD5Table1", "Layer 3 > MD5 Information"},
        {"AllInterfaceState1", "Layer 3 > IP Management > All Interface State"},
        {"ARPAgingTime2", "Layer 3 > IP Management > ARP Aging Time"},
        {"IPControlTable1", "Layer 3 > IP Management > IP Control Table"},
        {"IPForwardingTable1", "Layer 3 > IP Management > IP Forwarding Table"},
        {"IPv6ControlTable1", "Layer 3 > IP Management > IPv6 Control Table"},
        {"IPv6AddressControl1", "Layer 3 > IP Management > IPv6 Address Control"},
        {"IPStaticRoutingtable1", "Layer 3 > IP Management > IP Static Route Table"},
        {"BOOTPBasicConfiguration1", "Layer 3 > DHCP Management > Relay Management > Global Settings"},
        {"BOOTPCtrlTable1", "Layer 3 > DHCP Management > Relay Management > Control Table"},
        {"CIDRRFC20961", "Layer 3 > CIDR > Route Table"},
        {"OSPFRFC18501", "Layer 3 > OSPF"},
        {"miVRRP", "Layer 3 > VRRP"},
        {"IpMroute1", "Layer 3 > IPMRoute"},
        {"DVMRP1", "Layer 3 > DVMRP"},
        {"PIM1", "Layer 3 > PIM"},
        {"IGMP1", "Layer 3 > IGMP v3"},
        {"DVMRPInterface1", "Layer 3 > DVMRP Interface"},
        {"PolicyRoute1", "Layer 3 > Policy Route"},
        {"SuperVLAN1", "VLAN > Super VLAN"},
        {"IPMulticastVLANReplication1", "Layer 2 > IP Multicast VLAN Replication"},
        {"OSPFECMPManagement1", "Layer 3 > OSPF ECMP Management"},
        {"DataDrivenLearningGroupTable1", "Layer 2 > IGMP Snooping > Data Driven Learning Group Table"},
        {"DataDrivenLearningGroupTable2", "Layer 2 > MLD Snooping > Data Driven Learning Group Table"},
        {"OSPFv31", "Layer 3 > OSPFv3"},
        {"LoopBackIPControl1", "Layer 3 > IP Management > Loopback IP Control Table"},
        {"FileTable1", "Configuration > RCP > File Table"},
        {"FileSystemTable1", "Configuration > RCP > File System Table"},
        {"BGP1", "Layer 3 > BGP4"},
        {"AgentSuportedUpdateFiles1", "Configuration > Agent Management > File Table"},
        {"IGMPForwardingTable1", "Layer 2 > IGMP Snooping > Forwarding Table"},
        {"MLDSnoopingForwardingTable1", "Layer 2 > MLD Snooping > Forwarding Table"},
        {"LimitedMulticastAddressTable1", "Layer 2 > IP Limited Multicast Management > Address Table"},
        {"MulticastRangeTable1", "Layer 2 > IP Limited Multicast Management > Multicast Range Table"},
        {"CIDR1", "Layer 3 > CIDR"},
        {"POE1", "Layer 2 > PoE"},
        {"FileSystem1", "Configuration > File System"},
        {"Multipleimagemanagement1", "Configuration > Agent Management > Multiple Image Management"},
        {"MultipleConfigManagement1", "Configuration > Agent Management > Multiple Configuration Management"},
        {"AgentFileSystemManagement1", "Configuration > Agent Management > File System Management"},
        {"VACM1", "SNMP v3"},
        {"Unitinformation1", "Configuration > Equipment Management > Unit Information"},
        {"UnitTable1", "Configuration > Equipment Management > Unit Table"},
        {"Statistics1", "RMON > Statistics"},
        {"History1", "RMON > History"},
        {"AlarmEvent1", "RMON > Alarm/Event"},
        {"Auth1", "Security > Authentication Mode Settings"},
    };
    for (const auto& [name, path] : items) {
        const MainMenuItem* item = FindMainMenuItem(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(PlainPath(*item), path) << name;
    }
    EXPECT_EQ(FindMainMenuItem("NoSuchItem1"), nullptr);
    EXPECT_EQ(FindMainMenuItem(""), nullptr);
}

TEST(MainMenuData, CaptionsKeepTheirBlanksAndLineFeeds) {
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"Layer 2 > QoS", "QoS "},
        {"Layer 3 > MD5 Information", "MD5 Information "},
        {"Layer 3 > PIM > PIM", "PIM "},
        {"Layer 3 > DHCP Server Filter > Permit  Table", "Permit  Table"},
        {"Layer 3 > PIM > PIM SM > PIM Candidate RP  Management", "PIM Candidate RP  Management"},
        {"Layer 3 > DHCP Management > DHCP Server > Excluded Address Table", "Excluded Address Table\n"},
        {"Layer 3 > DHCP Management > DHCPv6 Server > Excluded Address Table", "Excluded Address Table\n"},
        {"Layer 3 > DHCP Management > DHCP Server > DNS Server Address Table", "DNS Server Address Table\n"},
        {"Layer 3 > DHCP Management > DHCP Server > NetBIOS Name Server Table", "NetBIOS Name Server Table\n"},
        {"Layer 3 > DHCP Management > DHCP Server > Manual Binding Table", "Manual Binding Table\n"},
        {"Configuration > Agent Management > Trace Route > Max Concurrent Requests", "Max Concurrent Requests\n"},
        {"Configuration > Agent Management > Trace Route > Control Table", "Control Table\n"},
        {"Configuration > Agent Management > Gratuitous ARP Management > Gratuitous ARP Management  Information",
         "Gratuitous ARP Management  Information"},
        {"Security > Compound Authentication > Network\n Settings", "Network\n Settings"},
        {"Security > ZEMO Management > Page Element Table", "Page Element Table\n"},
        {"Layer 2 > Port Management > Port Auto Negotiation Information Table",
         "Port Auto Negotiation Information Table\n"},
        {"Layer 2 > Port Management > Port Drop Counter Table", "Port Drop Counter Table\n"},
        {"Layer 2 > IGMP Snooping > IGMP Snooping Information", "IGMP Snooping Information "},
        {"Layer 2 > Traffic Segmentation Table", "Traffic Segmentation Table "},
        {"Layer 2 > IGMP Snooping > Group Table", "Group Table\n"},
        {"Layer 2 > MLD Snooping > Group Table", "Group Table\n"},
        {"Layer 2 > MLD Snooping > Forwarding Table", "Forwarding Table\n"},
        {"Layer 2 > ACL > Global Information", "Global Information "},
        {"Layer 2 > ACL > Counter Table", "Counter Table "},
        {"Layer 2 > LLDP > Configuration > Configuration  Information", "Configuration  Information"},
        {"Layer 2 > LLDP > Local System  Data", "Local System  Data"},
        {"Layer 2 > LLDP > Remote System  Data", "Remote System  Data"},
        {"Layer 2 > LLDP > LLDP Dot1 > Local Data > Local Data  Table", "Local Data  Table"},
        {"Layer 2 > LLDP > LLDP Dot1 > Local Data > Protocol", "Protocol "},
        {"Layer 2 > LLDP > Statistics", "Statistics\n"},
        {"Layer 2 > Loopback Detection", "Loopback Detection "},
        {"Layer 2 > Loopback Detection > Port Management", "Port Management "},
        {"Layer 2 > Port Management > DDM Mangement", "DDM Mangement"},
        {"VLAN > 802.1Q > 802.1Q VLAN", "802.1Q VLAN "},
        {"VLAN > 802.1Q > Static Filtering", "Static Filtering "},
        {"VLAN > Double VLAN > Control  Table", "Control  Table"},
        {"VLAN > Q-in-Q > Port Table", "Port Table\n"},
        {"VLAN > Q-in-Q > Q-in-Q Port Rule Table", "Q-in-Q Port Rule Table\n"},
        {"VLAN > Q-in-Q > Q-in-Q Profile Table", "Q-in-Q Profile Table\n"},
        {"VLAN > Q-in-Q > Q-in-Q Rule Table", "Q-in-Q Rule Table\n"},
        {"VLAN > Subnet VLAN > Precedence Table", "Precedence Table\n"},
    };
    for (const auto& [path, caption] : captions) {
        const MainMenuItem* item = FindByPlainPath(path);
        ASSERT_NE(item, nullptr) << path;
        EXPECT_STREQ(item->Caption, caption) << path;
    }
}

TEST(MainMenuData, SeparatorsPerTopMenu) {
    const std::map<std::string, int> expected = {
        {"Configuration", 8}, {"RMON", 0}, {"Bridge", 0}, {"VLAN", 0}, {"SNMP v3", 0}, {"Security", 8},
        {"Layer 2 ", 12}, {"Layer 3", 6}, {"Single IP", 0}, {"sFlow", 0}, {"Help", 0},
    };
    std::map<std::string, int> counted;
    for (const MainMenuItem* item : AllMainMenuItems()) {
        auto path = MainMenuPath(*item);
        counted[path.front()->Caption] += item->IsSeparator();
        if (item->IsSeparator()) {
            EXPECT_STREQ(item->Caption, "-");
            EXPECT_FALSE(item->HasCommand());
            EXPECT_TRUE(item->Children.empty());
        }
    }
    EXPECT_EQ(counted, expected);
}

TEST(MainMenuData, NamesAreUniqueAndHandlersFollowThem) {
    std::set<std::string> names;
    int commands = 0;
    for (const MainMenuItem* item : AllMainMenuItems()) {
        if (item->IsSeparator())
            continue;
        EXPECT_TRUE(names.insert(item->Name).second) << item->Name;
        if (!item->HasCommand())
            continue;
        ++commands;
        if (std::string(item->Name) == "RefreshPanel2")
            EXPECT_STREQ(item->Handler, "RefreshPanel1Click");
        else
            EXPECT_EQ(item->Handler, std::string(item->Name) + "Click");
    }
    EXPECT_EQ(commands, 486);
}

TEST(MainMenuData, RefreshPanelStandsTwice) {
    std::vector<const MainMenuItem*> refresh;
    for (const MainMenuItem* item : AllMainMenuItems())
        if (std::string(item->Handler) == "RefreshPanel1Click")
            refresh.push_back(item);
    ASSERT_EQ(refresh.size(), 2u);
    EXPECT_EQ(MainMenuPathText(*refresh[0]), "Configuration > Device Management > Refresh Panel");
    EXPECT_TRUE(refresh[0]->HiddenAtStart);
    EXPECT_EQ(MainMenuPathText(*refresh[1]), "Configuration > Refresh Panel");
    EXPECT_FALSE(refresh[1]->HiddenAtStart);
    auto configuration = MainMenuTopItems()[0].Children;
    EXPECT_EQ(&configuration.back(), refresh[1]);
    EXPECT_STREQ(configuration.front().Caption, "Moudle Basic Configuration");
}

TEST(MainMenuData, ProtocolVlanIsBothACommandAndASubmenu) {
    const MainMenuItem* command = FindMainMenuItem("ProtocolVLAN1");
    const MainMenuItem* submenu = FindMainMenuItem("ProtocolVLANManagement1");
    ASSERT_NE(command, nullptr);
    ASSERT_NE(submenu, nullptr);
    EXPECT_STREQ(command->Caption, "Protocol VLAN");
    EXPECT_STREQ(submenu->Caption, "Protocol VLAN");
    EXPECT_TRUE(command->HiddenAtStart);
    EXPECT_TRUE(command->Children.empty());
    EXPECT_FALSE(submenu->HasCommand());
    ASSERT_EQ(submenu->Children.size(), 2u);
    EXPECT_STREQ(submenu->Children[0].Handler, "ProtocolVLANGroup1Click");
    EXPECT_STREQ(submenu->Children[1].Handler, "ProtocolVLANPort1Click");
}

TEST(MainMenuData, EmptySubmenusAndItemsWithoutCommand) {
    for (const char* path : {"VLAN > 802.1p > GMRP", "Layer 3 > OSPF > OSPFTrap"}) {
        const MainMenuItem* item = FindByPlainPath(path);
        ASSERT_NE(item, nullptr) << path;
        EXPECT_TRUE(item->HiddenAtStart);
        EXPECT_FALSE(item->HasCommand());
        EXPECT_TRUE(item->Children.empty());
    }
    const MainMenuItem* entity = FindByPlainPath("Configuration > Entity");
    ASSERT_NE(entity, nullptr);
    ASSERT_EQ(entity->Children.size(), 3u);
    EXPECT_STREQ(entity->Children[2].Caption, "Mapping");
    // The last item of the Layer 2 menu, and of the whole menu bar.
    EXPECT_STREQ(MainMenuTopItems()[6].Children.back().Handler, "MulticastFdbTable1Click");
    EXPECT_STREQ(MainMenuTopItems().back().Children.back().Caption, "Test");
}

TEST(MainMenuData, TopMenuContentsInOrder) {
    auto captions = [](const char* name) {
        std::vector<std::string> out;
        for (const MainMenuItem& item : FindMainMenuItem(name)->Children)
            out.push_back(std::string(item.Caption) + (item.HiddenAtStart ? " (hidden)" : ""));
        return out;
    };
    EXPECT_EQ(captions("Layer2Management2"),
              (std::vector<std::string>{"Layer 2 Device Global Settings", "Port Management", "QoS ", "RSPAN", "-",
                                        "Multicast Filter", "IGMP Snooping", "MLD Snooping", "-",
                                        "Traffic Storm Management", "IP Limited Multicast Management",
                                        "Traffic Segmentation Table ", "IP Limited Multicast (hidden)",
                                        "IP Multicast VLAN Replication", "-", "ACL", "CPU Interface Filtering",
                                        "- (hidden)", "802.3ad", "PoE", "-", "LLDP", "-", "Loopback Detection ",
                                        "BPDU Tunneling Settings", "ERPS", "VULD Settings",
                                        "NLB Multicast FDB Settings"}));
    EXPECT_EQ(captions("Configuration1"),
              (std::vector<std::string>{"Moudle Basic Configuration (hidden)", "Device Management",
                                        "Equipment Management", "Agent Management", "System Log",
                                        "Source IP Interface Settings", "Time Management", "RCP", "-",
                                        "Entity (hidden)", "IF-MIB", "MIB II", "EtherLike-MIB", "File System",
                                        "- (hidden)", "Save Changes (hidden)", "Refresh Panel"}));
    EXPECT_EQ(captions("Layer3Management1"),
              (std::vector<std::string>{"Layer 3 Device Global Settings", "MD5 Information ", "IP Management", "-",
                                        "DHCP Management", "DHCP Server Filter", "DNS Relay", "DNS Resolver",
                                        "DHCPv6 Relay", "-", "Route Redistribution Table", "Route Preference",
                                        "Policy Route", "-", "CIDR", "RIPng", "RIP2 (RFC1724)", "OSPF",
                                        "OSPF ECMP Management", "OSPFv3", "VRRP", "BGP4", "-", "IPMRoute",
                                        "DVMRP Interface", "DVMRP", "PIM", "IGMP v3",
                                        "IPv6 Static Route Management"}));
    EXPECT_EQ(captions("AgentManagement1").size(), 25u);
    EXPECT_EQ(captions("AgentManagement1")[3], "-");
}
