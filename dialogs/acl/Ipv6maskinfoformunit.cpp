#include "Ipv6maskinfoformunit.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "LabelledControl.h"
#include "ListView.h"
#include "StdCtrls.h"

TIPv6ProfileForm* IPv6ProfileForm = nullptr;

namespace {

const CatalogTable& ProfileTable = Oid_acl::E_12_9_2_4_1;

enum Column {
    ProfileId,
    MaskClass,
    FlowLabel,
    MaskState,
    SrcMask,
    DstMask,
    RowStatus,
    OwnerColumn,
    UnusedEntries,
    ProtocolType,
    TcpOption,
    UdpOption,
    SrcPortMask,
    DstPortMask,
    ColumnCount,
};

// The port mask edits an option of "dst-addr", "src-addr", "dst-src-addr" or "other" opens: {source, destination}.
std::pair<bool, bool> PortMasksOf(const std::string& option) {
    return {option == "src-addr" || option == "dst-src-addr", option == "dst-addr" || option == "dst-src-addr"};
}

void SelectFirst(ui::ComboBox* combo) {
    if (combo->Items().Count() > 0) combo->SetItemIndex(0);
}

}  // namespace

TIPv6ProfileForm::TIPv6ProfileForm(ui::Component* owner) : TDedicatedForm(owner, 900, 480), Profiles(AddTable()) {
    SetName("IPv6ProfileForm");
    BuildButtonPanel("Static");
    Static = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 160, false, EditorGrid::RowHeight * 7 + 16);
    ListView1 = TableList;

    EditorGrid grid(this, EditorPanel, 420, 130);
    edtMaskID = grid.Edit(0, 0, "edtMaskID", "Profile ID (1-14)", 60);
    cbxMaskClass = grid.Combo(0, 1, "cbxMaskClass", "Class");
    cbxMaskFlowlabel = grid.Combo(0, 2, "cbxMaskFlowlabel", "Flow Label");
    cbxMaskState = grid.Combo(0, 3, "cbxMaskState", "Address Mask State");
    edtSrcMask = grid.Edit(0, 4, "edtSrcMask", "Source IPv6 Mask", 260);
    edtDstMask = grid.Edit(0, 5, "edtDstMask", "Destination IPv6 Mask", 260);
    ProtoTypeCombo = grid.Combo(1, 0, "ProtoTypeCombo", "Protocol Type");
    TCPOptionCombo = grid.Combo(1, 1, "TCPOptionCombo", "TCP Option");
    UDPOptionCombo = grid.Combo(1, 2, "UDPOptionCombo", "UDP Option");
    SourcePortEdit = grid.Edit(1, 3, "SourcePortEdit", "Source Port Mask", 60);
    DstPortEdit = grid.Edit(1, 4, "DstPortEdit", "Desination Port Mask", 60);
    cbbOwner = grid.Combo(1, 5, "cbbOwner", "Owner");
    edtEntries = grid.Edit(1, 6, "edtEntries", "Unused Rule Entries\n", 60);
    cbbRowStatus = grid.Combo(0, 6, "cbbRowStatus", "");
    cbbRowStatus->Hide();
    ShowsOnly({cbbOwner, edtEntries});

    ProtoTypeCombo->OnChange = [this](ui::Component*) { ProtocolChanged(); };
    TCPOptionCombo->OnChange = [this](ui::Component*) { ProtocolChanged(); };
    UDPOptionCombo->OnChange = [this](ui::Component*) { ProtocolChanged(); };
    cbxMaskState->OnChange = [this](ui::Component*) { MaskStateChanged(); };
}

void TIPv6ProfileForm::FormCreate(ui::Component*) {
    OpenRowTable(Profiles, {.Table = &ProfileTable,
                            .Bind =
                                [this](DialogRequest& request) {
                                    request.BindEdit(ProfileId, "%i{n1x6l1}", edtMaskID);
                                    request.BindComboBox(MaskClass, cbxMaskClass);
                                    request.BindComboBox(FlowLabel, cbxMaskFlowlabel);
                                    request.BindComboBox(MaskState, cbxMaskState);
                                    request.BindEdit(SrcMask, "%s{l32}", edtSrcMask);
                                    request.BindEdit(DstMask, "%s{l32}", edtDstMask);
                                    request.BindComboBox(OwnerColumn, cbbOwner);
                                    request.BindEdit(UnusedEntries, "%i", edtEntries);
                                    request.BindComboBox(ProtocolType, ProtoTypeCombo);
                                    request.BindComboBox(TcpOption, TCPOptionCombo);
                                    request.BindComboBox(UdpOption, UDPOptionCombo);
                                    request.BindEdit(SrcPortMask, "%s{l4f}", SourcePortEdit);
                                    request.BindEdit(DstPortMask, "%s{l4f}", DstPortEdit);
                                },
                            .Options = SynchronousTableOptions(),
                            .RowStatusColumn = RowStatus,
                            .RowStatusCombo = cbbRowStatus,
                            .KeepsRowStatus = true,
                            .KeyEdits = {edtMaskID}});
    if (ui::Label* label = LabelOf(edtMaskID)) label->SetCaption("Profile ID (1-6)");
    SetInitialEntries();
    cbbOwner->SetText("acl");
    ProtoTypeCombo->SetText("none");
    TCPOptionCombo->SetText("other");
    UDPOptionCombo->SetText("other");
    ProtocolChanged();
    MaskStateChanged();
    Profiles.Reread();
    ShowRowCount();
    ResetRowButtons();
    SetEditorEnabled(edtMaskID, true);
}

void TIPv6ProfileForm::SetInitialEntries() {
    cbxMaskClass->SetText("disable");
    cbxMaskFlowlabel->SetText("disable");
    cbxMaskState->SetText("other");
    Profiles.SelectRowStatus(RowStatusValue::CreateAndGo);
}

// The controls of the variables, in the table's order.
std::vector<ui::Control*> TIPv6ProfileForm::Editors() const {
    return {edtMaskID, cbxMaskClass, cbxMaskFlowlabel, cbxMaskState,   edtSrcMask,     edtDstMask,     cbbRowStatus,
            cbbOwner,  edtEntries,   ProtoTypeCombo,   TCPOptionCombo, UDPOptionCombo, SourcePortEdit, DstPortEdit};
}

// ------------------------------------------------------------------------------------------------ states

void TIPv6ProfileForm::ProtocolChanged() {
    const std::string type = ProtoTypeCombo->Text();
    if (type == "none") {
        for (ui::Control* control :
             std::initializer_list<ui::Control*>{TCPOptionCombo, UDPOptionCombo, SourcePortEdit, DstPortEdit})
            SetEditorEnabled(control, false);
        SourcePortEdit->SetText("");
        DstPortEdit->SetText("");
    } else if (type == "tcp" || type == "udp") {
        SetEditorEnabled(TCPOptionCombo, type == "tcp");
        SetEditorEnabled(UDPOptionCombo, type == "udp");
        const auto [source, destination] = PortMasksOf((type == "tcp" ? TCPOptionCombo : UDPOptionCombo)->Text());
        SetEditorEnabled(SourcePortEdit, source);
        SetEditorEnabled(DstPortEdit, destination);
    }
}

void TIPv6ProfileForm::MaskStateChanged() {
    const std::string state = cbxMaskState->Text();
    if (state.empty()) return;
    SetEditorEnabled(edtSrcMask, state == "src-ipv6-addr" || state == "dst-src-ipv6-addr");
    SetEditorEnabled(edtDstMask, state == "dst-ipv6-addr" || state == "dst-src-ipv6-addr");
}

// Every combo box at its first entry and every edit empty, then the entries a new profile starts with.
void TIPv6ProfileForm::ResetEditors() {
    for (ui::Control* control : Editors()) {
        if (auto* combo = dynamic_cast<ui::ComboBox*>(control))
            SelectFirst(combo);
        else if (auto* edit = dynamic_cast<ui::Edit*>(control))
            edit->SetText("");
    }
    SetInitialEntries();
    ProtocolChanged();
    MaskStateChanged();
    ShowRowCount();
}

void TIPv6ProfileForm::RowSelectionChanged(bool selected) {
    if (selected) {
        ProtocolChanged();
        MaskStateChanged();
    } else {
        ResetEditors();
    }
}

// Add and the profile ID open, Delete disabled, the editors reset.
void TIPv6ProfileForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(edtMaskID, true);
    ResetEditors();
}

void TIPv6ProfileForm::GetButtonClick() {
    Profiles.Reread();
    AfterWrite();
}

// ------------------------------------------------------------------------------------------------ writes

// Past the key, the RowStatus column aside: a disabled editor, and an enabled combo box showing "none" or "other".
std::vector<int> TIPv6ProfileForm::ColumnsLeftOut() const {
    const std::vector<ui::Control*> editors = Editors();
    std::vector<int> out;
    for (int column = ProfileId + 1; column < ColumnCount; ++column) {
        if (column == RowStatus) continue;
        const ui::Control* editor = editors[column];
        const auto* combo = dynamic_cast<const ui::ComboBox*>(editor);
        if (!editor->Enabled() || (combo && (combo->Text() == "none" || combo->Text() == "other")))
            out.push_back(column);
    }
    return out;
}

void TIPv6ProfileForm::AddButtonClick() {
    if (edtMaskID->Text().empty()) return RefuseInput(this, "IPv6 Mask ID must be set.", edtMaskID);
    if (ListHasKey(*ListView1, edtMaskID->Text()))
        return RefuseInput(this, "There is already a record with the same IPv6 Mask ID. Please modify it.", edtMaskID);
    if (cbbRowStatus->Text() != "createAndGo")
        return RefuseInput(this, "Row Status must be createAndGo.", cbbRowStatus);
    const std::vector<int> leftOut = ColumnsLeftOut();
    Profiles.Write([&] { Profiles.Send(leftOut); });
    AfterWrite();
}

void TIPv6ProfileForm::DeleteButtonClick() {
    std::vector<int> leftOut;
    for (int column = ProfileId + 1; column < ColumnCount; ++column)
        if (column != RowStatus) leftOut.push_back(column);
    Profiles.SelectRowStatus(RowStatusValue::Destroy);
    std::string failedLine;
    try {
        Profiles.Send(leftOut);
    } catch (const Exception& error) {
        Profiles.ShowError(error.Message, DialogTable::ErrorText::Template);
        failedLine = StatusPanel0()->Text();
    }
    Profiles.Reread();
    AfterWrite();
    // The SET's status line with the error stays, rather than the status line of the re-read.
    if (!failedLine.empty()) StatusPanel0()->SetText(failedLine);
}
