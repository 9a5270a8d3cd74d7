#include "Packetcontentmaskformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

#include <algorithm>

TPktContentMaskForm* PktContentMaskForm = nullptr;

namespace {

const CatalogTable& ProfileTable = Oid_acl::E_12_9_2_8_1;

enum Column {
    ProfileId,
    FirstChunkState,  // chunk n (0 to 3): state 1 + 3n, value 2 + 3n, offset 3 + 3n
    RowStatus = 13,
    OwnerColumn,
    UnusedEntries,
};

constexpr int StateColumn(int chunk) { return FirstChunkState + 3 * chunk; }
constexpr int ValueColumn(int chunk) { return StateColumn(chunk) + 1; }
constexpr int OffsetColumn(int chunk) { return StateColumn(chunk) + 2; }

std::string ChunkText(int chunk, const char* before, const char* after) {
    return std::string(before) + "Chunk" + std::to_string(chunk + 1) + after;
}

}  // namespace

TPktContentMaskForm::TPktContentMaskForm(ui::Component* owner) : TDedicatedForm(owner, 940, 460), Profiles(AddTable()) {
    SetName("PktContentMaskForm");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 180, false, EditorGrid::RowHeight * 4 + 16);
    ListView1 = TableList;

    EditorGrid grid(this, EditorPanel, 200, 100);
    edtProfileID = grid.Edit(0, 0, "edtProfileID", "Profile ID", 60);
    cbxOwner = grid.Combo(0, 1, "cbxOwner", "Owner", 100);
    EntiesEdit = grid.Edit(0, 2, "EntiesEdit", "Unused Rule Entries", 60);
    cbxStatus = grid.Combo(0, 3, "cbxStatus", "Row Status", 100);
    cbxStatus->Hide();
    std::array<ui::ComboBox**, 4> states = {&cbxChunk1State, &cbxChunk2State, &cbxChunk3State, &cbxChunk4State};
    std::array<ui::Edit**, 4> values = {&edtChunk1Value, &edtChunk2Value, &edtChunk3Value, &edtChunk4Value};
    std::array<ui::Edit**, 4> offsets = {&edtChunk1Offset, &edtChunk2Offset, &edtChunk3Offset, &edtChunk4Offset};
    for (int n = 0; n < 4; ++n) {
        const std::string chunk = "Chunk" + std::to_string(n + 1);
        *states[n] = grid.Combo(1, n, "cbx" + chunk + "State", chunk + " State", 80);
        *values[n] = grid.Edit(2, n, "edt" + chunk + "Value", chunk + " Value", 40);
        *offsets[n] = grid.Edit(3, n, "edt" + chunk + "Offset", chunk + " Offset", 80);
        chunks_[n] = {*states[n], *values[n], *offsets[n]};
    }
    ShowsOnly({cbxOwner, EntiesEdit});
}

void TPktContentMaskForm::FormCreate(ui::Component*) {
    std::vector<ui::Edit*> cleared = {edtProfileID, EntiesEdit};
    for (const Chunk& chunk : chunks_) cleared.insert(cleared.end(), {chunk.Value, chunk.Offset});
    OpenRowTable(Profiles, {.Table = &ProfileTable,
                            .Bind =
                                [this](DialogRequest& request) {
                                    request.BindEdit(ProfileId, "%i{n1x14l2}", edtProfileID);
                                    for (int n = 0; n < 4; ++n) {
                                        request.BindComboBox(StateColumn(n), chunks_[n].State);
                                        request.BindEdit(ValueColumn(n), "%i{n0x31l2}", chunks_[n].Value);
                                        request.BindEdit(OffsetColumn(n), "%s{l8}", chunks_[n].Offset);
                                    }
                                    request.BindComboBox(OwnerColumn, cbxOwner);
                                    request.BindEdit(UnusedEntries, "%i", EntiesEdit);
                                },
                            .Options = SynchronousTableOptions(),
                            .RowStatusColumn = RowStatus,
                            .RowStatusCombo = cbxStatus,
                            .KeepsRowStatus = true,
                            .KeyEdits = {edtProfileID},
                            .ClearedEdits = cleared});
    for (const Chunk& chunk : chunks_) chunk.State->SetText("disabled");
    cbxOwner->SetText("acl");
    Profiles.SelectRowStatus(RowStatusValue::CreateAndGo);
    Profiles.Reread();
    ResetRowButtons();
    SetEditorEnabled(edtProfileID, true);
}

void TPktContentMaskForm::RowSelectionChanged(bool selected) {
    if (!selected) ClearEditors();
}

// Add and the profile ID open, Delete disabled, the edits emptied.
void TPktContentMaskForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(edtProfileID, true);
    ClearEditors();
}

void TPktContentMaskForm::GetButtonClick() {
    Profiles.Reread();
    AfterWrite();
}

bool TPktContentMaskForm::CheckMaskInput() {
    if (edtProfileID->Text().empty()) return RefuseInput(this, "Profile ID must be set.", edtProfileID), false;
    for (int n = 0; n < 4; ++n) {
        const Chunk& chunk = chunks_[n];
        if (chunk.State->Text() != "enabled") continue;
        if (chunk.Value->Text().empty())
            return RefuseInput(this, ChunkText(n, "Please specify ", " Value!"), chunk.Value), false;
        if (chunk.Offset->Text().empty())
            return RefuseInput(this, ChunkText(n, "Please specify ", " Offset!"), chunk.Offset), false;
        if (!IsHexText(chunk.Offset->Text(), 8))
            return RefuseInput(this, ChunkText(n, "", " Offset error!"), chunk.Offset), false;
    }
    const bool allDisabled = std::all_of(chunks_.begin(), chunks_.end(),
                                         [](const Chunk& chunk) { return chunk.State->Text() == "disabled"; });
    if (allDisabled) return ShowMessage(this, "Please specify at least one Chunk!"), false;
    return true;
}

// The value and offset of every disabled chunk; its state still goes.
std::vector<int> TPktContentMaskForm::LeaveOutDisabledChunks() const {
    std::vector<int> out;
    for (int n = 0; n < 4; ++n)
        if (chunks_[n].State->Text() == "disabled") out.insert(out.end(), {ValueColumn(n), OffsetColumn(n)});
    return out;
}

void TPktContentMaskForm::AddButtonClick() {
    if (!CheckMaskInput()) return;
    Profiles.SelectRowStatus(RowStatusValue::CreateAndGo);
    const std::vector<int> leftOut = LeaveOutDisabledChunks();
    Profiles.Write([&] { Profiles.Send(leftOut); });
    AfterWrite();
}

void TPktContentMaskForm::DeleteButtonClick() {
    std::string failure;
    Profiles.SelectRowStatus(RowStatusValue::Destroy);
    try {
        std::vector<int> leftOut;
        for (int column = FirstChunkState; column < RowStatus; ++column) leftOut.push_back(column);
        Profiles.Send(leftOut);
    } catch (const Exception& error) {
        failure = error.Message;
    }
    Profiles.Reread();
    AfterWrite();
    // After the re-read, whose status line would cover it.
    if (!failure.empty()) Profiles.ShowError(failure);
}
