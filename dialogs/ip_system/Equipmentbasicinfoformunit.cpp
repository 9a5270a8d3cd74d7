#include "Equipmentbasicinfoformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "StdCtrls.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

namespace {

const CatalogTable& EquipmentGroup = Oid_equipment::E_12_11_1_A;
enum Scalar { Capacity, StackMode, Topology, ForceMasterRole };
constexpr const char* CapacityText = "Fan, Redundant Power and Stacking";
// Hundredths of a second: a stacking change takes the switch a while to answer.
constexpr int SetTimeout = 500;

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(ui::Component* owner)
    : TDedicatedForm(owner, 460, 160), EquipmentScalars(AddTable()) {
    SetName("EquipmentBasicInfoForm");
    SetCaption("Equiment Basic Information");
    BuildButtonPanel("");
    BitBtn1 = NewRoleButton(ButtonRole::Refresh, "BitBtn1", [this] { EquipmentScalars.ReadAgain(); });
    bbtnSet = NewRoleButton(ButtonRole::Set, "bbtnSet", [this] { bbtnSetClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    EditorGrid grid(this, this, 330, 130);
    Edit1 = grid.Edit(0, 0, "Edit1", "Equipment Capacity", 190);
    Edit1->SetText(CapacityText);
    Edit1->SetReadOnly(true);
    StackModeComboBox = grid.Combo(0, 1, "StackModeComboBox", "Stack Mode");
    cbxTopology = grid.Combo(0, 2, "cbxTopology", "Topology");
    ForceMasterRoleComboBox = grid.Combo(0, 3, "ForceMasterRoleComboBox", "Force Master Role");
}

void TEquipmentBasicInfoForm::FormCreate(ui::Component*) {
    DialogTable::Options options = SynchronousTableOptions();
    options.FirstGet = true;
    options.Errors = DialogTable::ErrorText::Template;
    EquipmentScalars.Open(
        EquipmentGroup, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindComboBox(StackMode, StackModeComboBox);
            request.BindComboBox(Topology, cbxTopology);
            request.BindComboBox(ForceMasterRole, ForceMasterRoleComboBox);
        },
        options);
    ShowsOnly({cbxTopology});
    SetEditorEnabled(cbxTopology, false);
}

void TEquipmentBasicInfoForm::bbtnSetClick() {
    if (EquipmentScalars.HasRequest()) EquipmentScalars.Request()->Request.Timeout = SetTimeout;
    // Capacity and Topology are read-only: never sent.
    EquipmentScalars.WriteOnly([this] { EquipmentScalars.Send(); }, DialogTable::ErrorText::Bare);
    EquipmentScalars.ReadAgain();
}
