// The RMON menu's commands, top to bottom.
#include "MenuCommands.h"

namespace {

constexpr MenuCommand kCommands[] = {
    {.Handler = "GlobalSettings9Click",
     .MenuPath = "RMON > Global Settings",
     .Title = "RMON Global Settings",
     .Kind = CommandKind::ScalarsEditor,
     .Table = {&Oid_switch::E_11_70_7_2_1_2_A, SVT_SV, 0},
     .Extras = {.OnClose = MainWindowStep::RmonSettingFormClose}},
    {.Handler = "Statistics1Click",
     .MenuPath = "RMON > Statistics",
     .Title = nullptr,
     .Kind = CommandKind::HostTool,
     .PageOption = "/TRmon_Statistics",
     .Extras = {.FollowsRmonState = true}},
    {.Handler = "History1Click",
     .MenuPath = "RMON > History",
     .Title = nullptr,
     .Kind = CommandKind::HostTool,
     .PageOption = "/TRmon_History",
     .Extras = {.FollowsRmonState = true}},
    {.Handler = "AlarmEvent1Click",
     .MenuPath = "RMON > Alarm/Event",
     .Title = nullptr,
     .Kind = CommandKind::HostTool,
     .PageOption = "/TRmon_AlarmEvent",
     .Extras = {.FollowsRmonState = true}},
    {.Handler = "ProbeBasicInformation1Click",
     .MenuPath = "RMON > Probe Configuration > Probe Basic Information",
     .Title = "Probe Basic Information",
     .Kind = CommandKind::DedicatedDialog,
     .FormClass = &ipsystemforms::TProbeBasicInformationForm,
     .InstancePointer = "ProbeBasicInformationForm"},
    {.Handler = "NetConfiguration1Click",
     .MenuPath = "RMON > Probe Configuration > Net Configuration",
     .Title = "RMON Probe Net Configuration Table",
     .Kind = CommandKind::TableList,
     .Table = {&Oid_rmon::Mib2_16_19_11_1, MVT_FMV, 0}},
    {.Handler = "NetDefaultGateway1Click",
     .MenuPath = "RMON > Probe Configuration > Net Default Gateway",
     .Title = "RMON Probe Net Default Gateway Settings",
     .Kind = CommandKind::ScalarsEditor,
     .Table = {&Oid_rmon::Mib2_16_19_B, SVT_SV, 0}},
};

}  // namespace

std::span<const MenuCommand> RmonMenuCommands() { return kCommands; }
