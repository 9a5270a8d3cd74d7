#include "LldpPortConfigBase.h"

#include "EditorItems.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

#include <cstdio>

LldpTlvRequest::LldpTlvRequest(ui::Form* owner, int tlvColumn, const LldpNameSet& names)
    : DialogRequest(owner), tlvColumn_(tlvColumn), names_(names) {}

void LldpTlvRequest::BindTlvEdit(ui::Edit* edit) {
    Request.Vars.GetVar(tlvColumn_)->Syntax = sxDisplayStr;
    BindEdit(tlvColumn_, "%s{l256}", edit);
}

void LldpTlvRequest::RowReceived() {
    if (!ListView) return;
    NxSNMPVarItem& tlvs = *Request.Vars.GetVar(tlvColumn_);
    // The octet as received (none for 0x00, which ends a text).
    const unsigned octet = tlvs.Value.empty() ? 0u : static_cast<unsigned char>(tlvs.Value[0]);
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", octet);
    tlvs.Value = BitsToNameText(hex, names_);
    AddListItem();
}

void LldpTlvRequest::ControlsToRequest() {
    NxSNMPRequest2Edits::ControlsToRequest();
    NxSNMPVarItem& tlvs = *Request.Vars.GetVar(tlvColumn_);
    tlvs.Value = std::string(1, static_cast<char>(HexTextToInt(NameTextToBits(tlvs.Value, names_))));
}

TLldpPortConfigBase::TLldpPortConfigBase(ui::Component* owner, const Layout& layout)
    : TDedicatedForm(owner, layout.Width, layout.Height), PortConfigTable(AddTable()), layout_(layout) {
    SetName(layout.Name);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 300, false, 80);
    ListView1 = TableList;
    PortText = NewEditorText("PortText", "Port Number", 40);
    ShowsOnly({PortText});  // its label stays disabled with it
}

void TLldpPortConfigBase::AddTlvEditor() {
    TLVsEdit = EditorRow(this, EditorPanel, 8, 36).Edit("TLVsEdit", "TLVs TX Enable", 280);
    TLVsEdit->OnClick = [this](ui::Component*) { TLVsEditClick(); };
    Picker = layout_.MakePicker(this, TLVsEdit);
}

void TLldpPortConfigBase::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    options.MakeRequest = layout_.MakeRequest;
    OpenRowTable(PortConfigTable, {.Table = layout_.Table,
                                   .Bind =
                                       [this](DialogRequest& request) {
                                           request.BindStaticText(0, PortText);
                                           BindOwnColumns(request);
                                           static_cast<LldpTlvRequest&>(request).BindTlvEdit(TLVsEdit);
                                       },
                                   .Options = options});
}

void TLldpPortConfigBase::GetButtonClick() {
    // A walk under way goes on; a second is never started.
    if (PortConfigTable.Busy()) return;
    PortText->SetCaption(" ");
    EditButton->SetEnabled(false);
    PortConfigTable.ReadAgain();
    ShowRowCount();
}

void TLldpPortConfigBase::TLVsEditClick() {
    if (!EditButton->Enabled()) EditButton->SetEnabled(true);
    Picker->ShowForEdit();
}

void TLldpPortConfigBase::EditButtonClick() {
    if (!ListView1->Selected()) return;
    // Sent at once; the request holds the read back until the SET has answered.
    if (PortConfigTable.WriteOnly([this] { PortConfigTable.Send(); })) PortConfigTable.ReadAgain();
}
