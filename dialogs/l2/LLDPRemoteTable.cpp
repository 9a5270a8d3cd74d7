#include "LLDPRemoteTable.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "LldpNameTexts.h"
#include "StdCtrls.h"

#include <algorithm>
#include <cstdio>

TLLDPRemoteForm* LLDPRemoteForm = nullptr;

namespace {

enum Column { ChassisId = 4, PortId = 6, CapabilitiesSupported = 10, CapabilitiesEnabled = 11 };

// The octets of a hex text (two digits each).
std::string OctetsOfHex(const std::string& hex) {
    std::string octets;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        unsigned value = 0;
        std::sscanf(hex.c_str() + i, "%2x", &value);
        octets.push_back(static_cast<char>(value));
    }
    return octets;
}

// An ID read as hex: its text when every octet is printable, else the hex as it stands.
std::string ShownId(const std::string& hex) {
    const std::string octets = OctetsOfHex(hex);
    const bool printable = !octets.empty() && std::all_of(octets.begin(), octets.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    });
    return printable ? octets : hex;
}

}  // namespace

void NewRequest2Edits3::BeforeGet() {
    // The IDs are read as octets, so a binary one is neither cut at a zero octet nor shown as garbage.
    for (int column : {ChassisId, PortId}) Request.Vars.GetVar(column)->Syntax = sxOctetStr;
    DialogRequest::BeforeGet();
}

void NewRequest2Edits3::RowReceived() {
    if (!ListView) return;
    for (int column : {CapabilitiesSupported, CapabilitiesEnabled}) {
        NxSNMPVarItem& capabilities = *Request.Vars.GetVar(column);
        capabilities.Value = BitsToNameText(capabilities.Value, LldpCapabilityNames);
    }
    for (int column : {ChassisId, PortId}) {
        NxSNMPVarItem& id = *Request.Vars.GetVar(column);
        id.Value = ShownId(id.Value);
    }
    AddListItem();
}

TLLDPRemoteForm::TLLDPRemoteForm(ui::Component* owner) : TDedicatedForm(owner, 700, 549), RemoteTable(AddTable()) {
    SetName("LLDPRemoteForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 360, false);
    ListView1 = TableList;
}

void TLLDPRemoteForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    options.MakeRequest = RequestOf<NewRequest2Edits3>();
    OpenRowTable(RemoteTable,
                 {.Table = &Oid_lldp::Ieee8802_1_1_2_1_4_1_1, .Kind = MVT_FMV, .KeyCount = 3, .Options = options});
}

void TLLDPRemoteForm::GetButtonClick() {
    // A walk under way goes on; a second is never started.
    RemoteTable.Reread();
    ShowRowCount();
}
