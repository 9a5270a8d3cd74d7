// The sFlow menu's commands, top to bottom.
#include "MenuCommands.h"

namespace {

constexpr MenuCommand kCommands[] = {
    {.Handler = "GeneralInformation4Click",
     .MenuPath = "sFlow > General Information",
     .Title = "sFlow General Information",
     .Kind = CommandKind::ScalarsEditor,
     .Table = {&Oid_sflow::E_12_36_1, SVT_SV, 0}},
    {.Handler = "Receiver1Click",
     .MenuPath = "sFlow > Receiver",
     .Title = "sFlow Receiver",
     .Kind = CommandKind::TableListAddDelete,
     .Table = {&Oid_sflow::E_12_36_1_4_1, MVT_UMV, 2},
     .Extras = {.RowStatusColumn = 6}},
    {.Handler = "FlowSampler1Click",
     .MenuPath = "sFlow > Flow Sampler",
     .Title = "sFlow Flow Sampler",
     .Kind = CommandKind::TableListAddDelete,
     .Table = {&Oid_sflow::E_12_36_1_5_1, MVT_UMV, 2},
     .Extras = {.RowStatusColumn = 4}},
    {.Handler = "CounterPoller1Click",
     .MenuPath = "sFlow > Counter Poller",
     .Title = "sFlow Counter Poller",
     .Kind = CommandKind::TableListAddDelete,
     .Table = {&Oid_sflow::E_12_36_1_6_1, MVT_UMV, 2},
     .Extras = {.RowStatusColumn = 3}},
};

}  // namespace

std::span<const MenuCommand> SflowMenuCommands() { return kCommands; }
