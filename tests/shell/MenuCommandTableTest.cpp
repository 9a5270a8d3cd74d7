#include "MainMenuData.h"
#include "MenuCommandTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> PathParts(const MenuCommand& command) {
    std::vector<std::string> parts;
    std::string path = command.MenuPath;
    for (size_t at; (at = path.find(" > ")) != std::string::npos; path.erase(0, at + 3))
        parts.push_back(path.substr(0, at));
    parts.push_back(path);
    return parts;
}

struct KindCounts {
    int Scalars = 0, List = 0, AddDelete = 0, Tabbed = 0, Dedicated = 0, Function = 0, Tool = 0, Special = 0,
        Nothing = 0;
    int Total() const { return Scalars + List + AddDelete + Tabbed + Dedicated + Function + Tool + Special + Nothing; }
    bool operator==(const KindCounts&) const = default;
};

void PrintTo(const KindCounts& c, std::ostream* os) {
    *os << "{scalars " << c.Scalars << ", list " << c.List << ", add/delete " << c.AddDelete << ", tabbed "
        << c.Tabbed << ", dedicated " << c.Dedicated << ", function " << c.Function << ", tool " << c.Tool
        << ", special " << c.Special << ", nothing " << c.Nothing << "}";
}

void Count(KindCounts& c, CommandKind kind) {
    switch (kind) {
    case CommandKind::ScalarsEditor: ++c.Scalars; break;
    case CommandKind::TableList: ++c.List; break;
    case CommandKind::TableListAddDelete: ++c.AddDelete; break;
    case CommandKind::Tabbed: ++c.Tabbed; break;
    case CommandKind::PortRowEditor: break;
    case CommandKind::DedicatedDialog: ++c.Dedicated; break;
    case CommandKind::DialogFunction: ++c.Function; break;
    case CommandKind::HostTool: ++c.Tool; break;
    case CommandKind::NoAction: ++c.Nothing; break;
    case CommandKind::Special: ++c.Special; break;
    }
}

// The Layer 2 menu is described in five groups of submenus.
std::string Layer2Group(const std::string& second) {
    static const std::map<std::string, std::string> groups = {
        {"Layer 2 Device Global Settings", "ports"}, {"Port Management", "ports"}, {"QoS ", "ports"},
        {"RSPAN", "ports"},
        {"Multicast Filter", "multicast"}, {"IGMP Snooping", "multicast"}, {"MLD Snooping", "multicast"},
        {"Traffic Storm Management", "multicast"}, {"IP Limited Multicast Management", "multicast"},
        {"Traffic Segmentation Table ", "multicast"}, {"IP Limited Multicast", "multicast"},
        {"IP Multicast VLAN Replication", "multicast"},
        {"ACL", "acl"}, {"CPU Interface Filtering", "acl"},
        {"LLDP", "lldp"},
        {"802.3ad", "rest"}, {"PoE", "rest"}, {"Loopback Detection ", "rest"}, {"BPDU Tunneling Settings", "rest"},
        {"ERPS", "rest"}, {"VULD Settings", "rest"}, {"NLB Multicast FDB Settings", "rest"},
    };
    auto it = groups.find(second);
    return it == groups.end() ? "unknown " + second : it->second;
}

std::string GroupOf(const MenuCommand& command) {
    auto parts = PathParts(command);
    if (parts[0] == "Layer 2 ")
        return "Layer 2 " + Layer2Group(parts.at(1));
    return parts[0];
}

bool IsGeneric(CommandKind kind) {
    return kind == CommandKind::ScalarsEditor || kind == CommandKind::TableList ||
           kind == CommandKind::TableListAddDelete;
}

} // namespace

TEST(MenuCommandTable, CountsOfEachKindPerMenu) {
    std::map<std::string, KindCounts> counted;
    for (const MenuCommand& command : AllMenuCommands())
        if (*command.MenuPath != '\0')
            Count(counted[GroupOf(command)], command.Kind);

    // {scalars, list, add/delete, tabbed, dedicated, function, tool, special, nothing}
    const std::map<std::string, KindCounts> expected = {
        {"Configuration", {27, 26, 3, 0, 10, 0, 11, 2, 2}},
        {"Security", {26, 28, 6, 0, 14, 0, 0, 0, 1}},
        {"Layer 2 ports", {5, 11, 0, 0, 6, 4, 0, 0, 1}},
        {"Layer 2 multicast", {3, 9, 4, 0, 12, 0, 0, 0, 1}},
        {"Layer 2 acl", {5, 1, 9, 0, 14, 0, 0, 0, 0}},
        {"Layer 2 lldp", {1, 26, 0, 0, 7, 0, 0, 0, 0}},
        {"Layer 2 rest", {5, 8, 1, 0, 2, 0, 0, 0, 0}},
        {"Layer 3", {19, 24, 23, 5, 9, 0, 0, 0, 25}},
        {"VLAN", {2, 13, 10, 1, 15, 0, 0, 0, 1}},
        {"RMON", {2, 1, 0, 0, 1, 0, 3, 0, 0}},
        {"Bridge", {2, 2, 1, 0, 3, 0, 4, 0, 1}},
        {"SNMP v3", {4, 1, 10, 0, 0, 0, 0, 0, 0}},
        {"Single IP", {3, 3, 1, 0, 0, 0, 0, 0, 0}},
        {"sFlow", {1, 0, 3, 0, 0, 0, 0, 0, 0}},
        {"Help", {0, 0, 0, 0, 0, 0, 0, 2, 0}},
    };
    EXPECT_EQ(counted, expected);
    int layer2 = 0;
    for (const auto& [group, counts] : counted)
        if (group.starts_with("Layer 2 "))
            layer2 += counts.Total();
    EXPECT_EQ(layer2, 135);
}

TEST(MenuCommandTable, EveryMenuCommandMatchesItsMenuItem) {
    std::map<std::string, int> handlerUses;
    for (const MenuCommand& command : AllMenuCommands())
        ++handlerUses[command.Handler];
    for (const auto& [handler, uses] : handlerUses)
        EXPECT_EQ(uses, handler == "RefreshPanel1Click" ? 2 : 1) << handler;

    std::multiset<std::string> rowPaths;
    for (const MenuCommand& command : AllMenuCommands())
        if (*command.MenuPath != '\0')
            rowPaths.insert(std::string(command.Handler) + " @ " + command.MenuPath);
    std::multiset<std::string> itemPaths;
    for (const MainMenuItem* item : AllMainMenuItems())
        if (item->HasCommand())
            itemPaths.insert(std::string(item->Handler) + " @ " + MainMenuPathText(*item));
    EXPECT_EQ(rowPaths, itemPaths);

    const MenuCommand* unreachable = FindMenuCommand("IPStaticRoute1Click");
    ASSERT_NE(unreachable, nullptr);
    EXPECT_STREQ(unreachable->MenuPath, "");
    EXPECT_STREQ(unreachable->Title, "IP Static Route");
    EXPECT_EQ(unreachable->FormClass, FindMenuCommand("IPStaticRoutingtable1Click")->FormClass);
    EXPECT_EQ(FindMenuCommand("NoSuchItem1Click"), nullptr);
}

TEST(MenuCommandTable, HiddenFlagsFollowTheMenu) {
    for (const MenuCommand& command : AllMenuCommands()) {
        if (*command.MenuPath == '\0')
            continue;
        const MainMenuItem* item = nullptr;
        for (const MainMenuItem* candidate : AllMainMenuItems())
            if (candidate->Handler == std::string(command.Handler) && MainMenuPathText(*candidate) == command.MenuPath)
                item = candidate;
        ASSERT_NE(item, nullptr) << command.Handler;
        EXPECT_EQ(command.Extras.HiddenAtStart, item->HiddenAtStart) << command.Handler;
        bool inHidden = false;
        for (const MainMenuItem* step : MainMenuPath(*item))
            inHidden = inHidden || (step != item && step->HiddenAtStart);
        EXPECT_EQ(command.Extras.InHiddenSubmenu, inHidden) << command.Handler;
    }
}

TEST(MenuCommandTable, EachKindCarriesWhatItsRecipeNeeds) {
    for (const MenuCommand& c : AllMenuCommands()) {
        SCOPED_TRACE(c.Handler);
        const CommandExtras& x = c.Extras;
        EXPECT_EQ(c.Table.Label() != nullptr, IsGeneric(c.Kind));
        EXPECT_EQ(!c.Pages.empty(), c.Kind == CommandKind::Tabbed);
        EXPECT_EQ(x.RowStatusColumn >= 0, c.Kind == CommandKind::TableListAddDelete);
        EXPECT_EQ(c.Function != nullptr, c.Kind == CommandKind::DialogFunction);
        EXPECT_EQ(x.PassesAddressAndScale, c.Kind == CommandKind::DialogFunction);
        EXPECT_EQ(c.PageOption != nullptr, c.Kind == CommandKind::HostTool);
        EXPECT_EQ(c.Special != SpecialCommand::None, c.Kind == CommandKind::Special);
        bool opensOwnDialog = IsGeneric(c.Kind) || c.Kind == CommandKind::Tabbed ||
                              c.Kind == CommandKind::DedicatedDialog || c.Kind == CommandKind::DialogFunction;
        EXPECT_EQ(c.Title != nullptr, opensOwnDialog);
        if (c.Kind == CommandKind::ScalarsEditor) {
            EXPECT_EQ(c.Table.ListKind, SVT_SV);
            EXPECT_EQ(c.Table.KeyCount, 0);
        }
        if (c.Table.Label() && c.Table.ListKind == SVT_SV) {
            EXPECT_EQ(c.Table.KeyCount, 0);
        }
        if (!IsGeneric(c.Kind)) {
            EXPECT_TRUE(x.Formats.empty() && x.OptionalRows.empty() && !x.NoEdit && !x.NoEditButton && !x.NoAdd);
        }
        if (c.Kind == CommandKind::DedicatedDialog) {
            ASSERT_NE(c.FormClass, nullptr);
            std::string form = c.FormClass->Name;
            ASSERT_EQ(form[0], 'T');
            if (x.NoInstancePointer)
                EXPECT_EQ(c.InstancePointer, nullptr);
            else
                EXPECT_EQ(c.InstancePointer, form.substr(1));
        } else if (c.Special != SpecialCommand::About) {
            EXPECT_EQ(c.FormClass, nullptr);
            EXPECT_EQ(c.InstancePointer, nullptr);
        }
        if (c.PageOption) {
            std::string option = c.PageOption;
            EXPECT_TRUE(option.starts_with("/T"));
            EXPECT_NE(option.find('_'), std::string::npos);
        }
        for (const RowFormat& f : x.Formats) {
            EXPECT_GE(f.Row, 0);
            EXPECT_EQ(f.Format[0], '%');
        }
        for (const CommandPage& page : c.Pages) {
            EXPECT_EQ(page.Table.ListKind == SVT_SV, page.Table.KeyCount == 0) << page.Caption;
            if (page.RowStatusColumn < 0) {
                EXPECT_FALSE(page.NoEdit || page.StopShown) << page.Caption;
            }
        }
    }
}

TEST(MenuCommandTable, HostToolsOpenTheirPages) {
    const std::map<std::string, std::string> expected = {
        {"Configuration > Device Management > System Information", "/TMIB_Info"},
        {"Configuration > IF-MIB > General Table", "/TIFMib_LastChangeTable"},
        {"Configuration > MIB II > IF Table", "/TMIB_IFTable"},
        {"Configuration > MIB II > IF Counters", "/TMIB_IFCounters"},
        {"Configuration > MIB II > IP Counters", "/TMIB_IPCounters"},
        {"Configuration > MIB II > IP Table", "/TMIB_IPTable"},
        {"Configuration > MIB II > IP Routing", "/TMIB_IPRouting"},
        {"Configuration > MIB II > IP Address", "/TMIB_IPAddress"},
        {"Configuration > MIB II > ICMP Counters", "/TMIB_ICMPCounters"},
        {"Configuration > MIB II > UDP Counters", "/TMIB_UDPCounters"},
        {"Configuration > MIB II > ARP", "/TMIB_ARP"},
        {"RMON > Statistics", "/TRmon_Statistics"},
        {"RMON > History", "/TRmon_History"},
        {"RMON > Alarm/Event", "/TRmon_AlarmEvent"},
        {"Bridge > 802.1D > Port Table", "/TBridge_Port"},
        {"Bridge > Transparent Bridge > Forwarding Table", "/TBridge_Forwarding"},
        {"Bridge > Transparent Bridge > Port Counter", "/TBridge_TpPortInfo"},
        {"Bridge > Transparent Bridge > Static Table", "/TBridge_StaticFilter"},
    };
    std::map<std::string, std::string> tools;
    std::set<std::string> followRmon;
    for (const MenuCommand& c : AllMenuCommands()) {
        if (c.Kind == CommandKind::HostTool)
            tools[c.MenuPath] = c.PageOption;
        if (c.Extras.FollowsRmonState)
            followRmon.insert(c.Handler);
    }
    EXPECT_EQ(tools, expected);
    EXPECT_EQ(followRmon, (std::set<std::string>{"Statistics1Click", "History1Click", "AlarmEvent1Click"}));
}

TEST(MenuCommandTable, SpecialCommands) {
    const MenuCommand* help = FindMenuCommand("Help2Click");
    const MenuCommand* about = FindMenuCommand("About1Click");
    const MenuCommand* refresh = FindMenuCommand("RefreshPanel1Click");
    ASSERT_TRUE(help && about && refresh);
    EXPECT_EQ(help->Special, SpecialCommand::Help);
    EXPECT_EQ(about->Special, SpecialCommand::About);
    EXPECT_EQ(about->FormClass, &shellforms::TAboutForm);
    EXPECT_STREQ(about->FormClass->Name, "TAboutForm");
    EXPECT_STREQ(about->InstancePointer, "AboutForm");
    EXPECT_EQ(refresh->Special, SpecialCommand::RefreshPanel);
}

// Only the dialogs of 64-bit counters switch to SNMPv2c.
TEST(MenuCommandTable, V2cAtLeastOnlyForCounter64Dialogs) {
    std::set<std::string> v2c;
    for (const MenuCommand& c : AllMenuCommands())
        if (c.Extras.V2cAtLeast)
            v2c.insert(c.Handler);
    EXPECT_EQ(v2c, (std::set<std::string>{"IFXTable1Click", "PortSessionStatistics1Click", "SessionInformation1Click",
                                          "ACLCourter1Click"}));
}

TEST(MenuCommandTable, CaptionsThatDepartFromTitleColonAddress) {
    std::set<std::string> colonOnly, blankBeforeColon;
    for (const MenuCommand& c : AllMenuCommands()) {
        if (std::string(c.Extras.CaptionSeparator) != ": ")
            colonOnly.insert(std::string(c.Title) + c.Extras.CaptionSeparator);
        if (c.Title && std::string(c.Title).ends_with(' '))
            blankBeforeColon.insert(c.Title);
    }
    EXPECT_EQ(colonOnly, (std::set<std::string>{"Port Control Table:", "PIM Candidate RP Table:"}));
    EXPECT_EQ(blankBeforeColon,
              (std::set<std::string>{"LLDP Static Information ", "LLDP TX port Table ", "LLDP RX port Table ",
                                     "LLDP Dot1 Remote Data Table ", "BPDU Tunneling Global Settings ",
                                     "BPDU Tunneling Information ", "DHCP Server Filter Log Management ",
                                     "Filter NetBIOS Table ", "Filter Extensive NetBIOS Table ",
                                     "Filter Layer3 Control Packet Table "}));
    EXPECT_STREQ(FindMenuCommand("GlobalSettings4Click")->Title, "EPRS Global Settings");
}

TEST(MenuCommandTable, TimeoutsAndHooks) {
    std::map<std::string, int> timeouts;
    for (const MenuCommand& c : AllMenuCommands())
        if (c.Extras.Timeout)
            timeouts[c.Handler] = c.Extras.Timeout;
    EXPECT_EQ(timeouts, (std::map<std::string, int>{{"FileTable1Click", 1000}, {"FileSystemTable1Click", 1000},
                                                    {"ServerConfigurationTable1Click", 600},
                                                    {"FileDelete1Click", 700}, {"FSCopyControl1Click", 500},
                                                    {"SSLCertificateLevel1Click", 600},
                                                    {"PortCableDiagnostics1Click", 800}}));

    const MenuCommand* rmon = FindMenuCommand(FindMainMenuItem("Menu_RMON")->Children[0].Handler);
    EXPECT_STREQ(rmon->Title, "RMON Global Settings");
    EXPECT_EQ(rmon->Extras.OnClose, MainWindowStep::RmonSettingFormClose);
    EXPECT_EQ(FindMenuCommand("Configuration2Click")->Extras.AfterClose, MainWindowStep::Update8021xMenus);
    std::set<std::string> stpReread;
    for (const MenuCommand& c : AllMenuCommands())
        if (c.Extras.Before == MainWindowStep::StpVersionReread)
            stpReread.insert(c.MenuPath);
    EXPECT_EQ(stpReread, (std::set<std::string>{"Bridge > Spanning Tree > Global Settings",
                                                "Bridge > Spanning Tree > STP Port Table"}));
}

TEST(MenuCommandTable, ListExtrasOfSomeRows) {
    const MenuCommand* blocked = FindMenuCommand("BindingBlockedTable1Click");
    EXPECT_EQ(blocked->Extras.RowStatusColumn, 6);
    EXPECT_STREQ(blocked->Extras.RowStatusCaption, "Status");
    EXPECT_TRUE(blocked->Extras.NoAdd && blocked->Extras.NoEdit);

    const MenuCommand* source = FindMenuCommand("SourceTable1Click");
    EXPECT_EQ(source->Table.KeyCount, 6);
    EXPECT_TRUE(source->Extras.NoEditButton);
    EXPECT_FALSE(source->Extras.NoEdit);
    ASSERT_EQ(source->Extras.Formats.size(), 3u);
    EXPECT_EQ(source->Extras.Formats[1].Checker, TextCheck::CheckMulticastIpText);
    EXPECT_EQ(source->Extras.Formats[2].Row, 5);
    EXPECT_EQ(source->Extras.Formats[2].Checker, TextCheck::None);

    // "formats 2 to 6" becomes one format per row
    const MenuCommand* content = FindMenuCommand("PacketContentRuleCPUFilter1Click");
    ASSERT_EQ(content->Extras.Formats.size(), 7u);
    for (int row = 2; row <= 6; ++row) {
        EXPECT_EQ(content->Extras.Formats[row].Row, row);
        EXPECT_STREQ(content->Extras.Formats[row].Format, "%s{l32}");
    }

    const MenuCommand* zemo = FindMenuCommand("PageElementTable1Click");
    EXPECT_EQ(zemo->Extras.FontCharset, 128);
    EXPECT_EQ(std::vector<int>(zemo->Extras.CharsetRows.begin(), zemo->Extras.CharsetRows.end()),
              (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(std::vector<int>(zemo->Extras.OptionalRows.begin(), zemo->Extras.OptionalRows.end()),
              (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(zemo->Extras.FixedHeight, 300);
    EXPECT_EQ(zemo->Extras.Height, 0);

    const MenuCommand* portInfo = FindMenuCommand("PortInformation1Click");
    EXPECT_EQ(portInfo->Extras.RowEditorWidthPlus, 50);
    EXPECT_EQ(portInfo->Extras.Height, 450);
    EXPECT_EQ(FindMenuCommand("MulticastFilter1Click")->Extras.RowEditorWidth, 180);
    EXPECT_EQ(FindMenuCommand("Auth1Click")->Extras.EditWidth, 142);
    EXPECT_EQ(FindMenuCommand("Auth1Click")->Extras.Taller, 10);

    const MenuCommand* lldpStats = FindMenuCommand("Statistics3Click");
    EXPECT_EQ(lldpStats->Kind, CommandKind::TableList);
    EXPECT_EQ(lldpStats->Table.ListKind, SVT_SV);
}

TEST(MenuCommandTable, TabbedPages) {
    const MenuCommand* rip = FindMenuCommand("RIP2RFC17241Click");
    ASSERT_EQ(rip->Pages.size(), 3u);
    EXPECT_TRUE(rip->Extras.SizeBeforePages);
    EXPECT_EQ(rip->Extras.FixedWidth, 500);
    EXPECT_EQ(rip->Extras.FixedHeight, 500);
    EXPECT_STREQ(rip->Pages[1].Caption, "Routing Information");
    EXPECT_STREQ(rip->Pages[1].Table.Label(), "1.3.6.1.2.1.23.2.1 (5 entries from \"IP Address\")");
    EXPECT_EQ(rip->Pages[1].Table.ListKind, MVT_FMV);

    const MenuCommand* option60 = FindMenuCommand("Option601Click");
    ASSERT_EQ(option60->Pages.size(), 3u);
    EXPECT_EQ(option60->Pages[0].RowStatusColumn, -1);
    EXPECT_EQ(option60->Pages[1].RowStatusColumn, 1);
    EXPECT_EQ(option60->Pages[2].RowStatusColumn, 3);
    EXPECT_TRUE(option60->Pages[1].NoEdit && option60->Pages[2].NoEdit);
    EXPECT_FALSE(option60->Pages[2].StopShown);
    EXPECT_FALSE(option60->Extras.SizeBeforePages);
    EXPECT_EQ(option60->Extras.FixedHeight, 350);

    const MenuCommand* relay = FindMenuCommand("HopCount1Click");
    ASSERT_EQ(relay->Pages.size(), 3u);
    EXPECT_EQ(relay->Pages[1].RowStatusColumn, -1);
    EXPECT_TRUE(relay->Pages[2].NoEdit && relay->Pages[2].StopShown);
    EXPECT_EQ(relay->Extras.FixedWidth, 650);

    const MenuCommand* trunk = FindMenuCommand("VLANTrunk1Click");
    ASSERT_EQ(trunk->Pages.size(), 2u);
    EXPECT_STREQ(trunk->Pages[0].Table.Label(), "1.3.6.1.4.1.32473.11.70.7.2.1.2 (1 entries from \"State\")");
    EXPECT_EQ(trunk->Extras.FixedHeight + trunk->Extras.FixedWidth + trunk->Extras.Height, 0);
}

TEST(MenuCommandTable, QinQPortTableReadsTheStateFirst) {
    const MenuCommand* c = FindMenuCommand("QinQPortTable1Click");
    EXPECT_STREQ(c->Extras.StateTable.Label(), "1.3.6.1.4.1.32473.12.57.1");
    EXPECT_EQ(c->Extras.StateTable.ListKind, SVT_SV);
    EXPECT_FALSE(c->Extras.NoEdit);  // only while the state reads "disabled"
    EXPECT_STREQ(c->Extras.StateOffMessage, "You should enable Q-in-Q before an edit action!");
    ASSERT_EQ(c->Extras.Formats.size(), 1u);
    EXPECT_EQ(c->Extras.Formats[0].Checker, TextCheck::NormalizeHexWordText);
    EXPECT_EQ(c->Extras.Height, 450);
    EXPECT_EQ(c->Extras.Wider, 100);
    ASSERT_EQ(c->Extras.Other.size(), 1u);
}

TEST(MenuCommandTable, PortPopupCommandsEditOneRow) {
    auto popup = PortPopupCommands();
    ASSERT_EQ(popup.size(), 2u);
    EXPECT_STREQ(popup[0].Handler, "PortInformation2Click");
    EXPECT_STREQ(popup[0].Title, "Port Information Table");
    EXPECT_STREQ(popup[1].Handler, "PortConfiguration1Click");
    EXPECT_STREQ(popup[1].Title, "Port Configuration");
    for (const MenuCommand& c : popup) {
        EXPECT_EQ(c.Kind, CommandKind::PortRowEditor);
        EXPECT_EQ(c.Table.ListKind, MVT_SV);
        EXPECT_EQ(c.Table.KeyCount, 0);
        EXPECT_EQ(c.Extras.EditWidthPlus, 50);
        EXPECT_EQ(c.Extras.Wider, 50);
        EXPECT_EQ(FindMenuCommand(c.Handler), nullptr);  // not in the main menu
    }
}

TEST(MenuCommandTable, LabelsAreListedOnce) {
    std::set<std::string> named;
    for (const MenuCommand& c : PortPopupCommands())
        named.insert(c.Table.Label());
    for (const MenuCommand& c : AllMenuCommands()) {
        if (c.Table.Label())
            named.insert(c.Table.Label());
        if (c.Extras.StateTable.Label())
            named.insert(c.Extras.StateTable.Label());
        for (const CommandPage& page : c.Pages)
            named.insert(page.Table.Label());
    }
    std::vector<std::string> labels;
    for (const CatalogTable* table : MenuCommandCatalogTables()) labels.push_back(table->Label);
    EXPECT_EQ(std::set<std::string>(labels.begin(), labels.end()), named);
    EXPECT_EQ(labels.size(), named.size());
}
