// The Single IP menu's commands, top to bottom.
#include "MenuCommands.h"

namespace {

constexpr RowFormat kGlobalSettings10ClickFormats[] = {
    {2, "%i{n100x255l3}", TextCheck::None, nullptr},
    {3, "%i{n30x90l2}", TextCheck::None, nullptr},
};
constexpr RowFormat kMemberSwitch1ClickFormats[] = {
    {8, "%s{l16}", TextCheck::None, nullptr},
};

constexpr MenuCommand kCommands[] = {
    {.Handler = "GlobalSettings10Click",
     .MenuPath = "Single IP > Global Settings",
     .Title = "Single IP Global Settings",
     .Kind = CommandKind::ScalarsEditor,
     .Table = {&Oid_singleip::E_12_8_1_2, SVT_SV, 0},
     .Extras = {.Formats = kGlobalSettings10ClickFormats}},
    {.Handler = "Information6Click",
     .MenuPath = "Single IP > Information",
     .Title = "Single IP Information",
     .Kind = CommandKind::ScalarsEditor,
     .Table = {&Oid_singleip::E_12_8_1_1, SVT_SV, 0}},
    {.Handler = "MemberSwitch1Click",
     .MenuPath = "Single IP > Member Switch",
     .Title = "Single IP Member Switch",
     .Kind = CommandKind::TableListAddDelete,
     .Table = {&Oid_singleip::E_12_8_1_3_1, MVT_UMV, 1},
     .Extras = {.RowStatusColumn = 9, .NoEdit = true, .Formats = kMemberSwitch1ClickFormats}},
    {.Handler = "CandidateSwitch1Click",
     .MenuPath = "Single IP > Candidate Switch",
     .Title = "Single IP Candidate Switch",
     .Kind = CommandKind::TableList,
     .Table = {&Oid_singleip::E_12_8_1_4_1, MVT_FMV, 1}},
    {.Handler = "GroupInformation1Click",
     .MenuPath = "Single IP > Group Information",
     .Title = "Single IP Group Information",
     .Kind = CommandKind::TableList,
     .Table = {&Oid_singleip::E_12_8_1_5_1, MVT_FMV, 1}},
    {.Handler = "NeighborSwitch1Click",
     .MenuPath = "Single IP > Neighbor Switch",
     .Title = "Single IP Neighbor Switch",
     .Kind = CommandKind::TableList,
     .Table = {&Oid_singleip::E_12_8_1_6_1, MVT_FMV, 2}},
    {.Handler = "MSTrapMessage1Click",
     .MenuPath = "Single IP > MS Trap Message",
     .Title = "MS Trap Message",
     .Kind = CommandKind::ScalarsEditor,
     .Table = {&Oid_singleip::E_12_8_6_1, SVT_SV, 0},
     .Extras = {.HiddenAtStart = true}},
};

}  // namespace

std::span<const MenuCommand> SingleIpMenuCommands() { return kCommands; }
