#include "Ecmpmanagementformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "StdCtrls.h"

TECMPManagementForm* ECMPManagementForm = nullptr;

namespace {

const CatalogTable& EcmpGroup = Oid_ip::E_11_70_7_3_15;

}  // namespace

TECMPManagementForm::TECMPManagementForm(ui::Component* owner)
    : TDedicatedForm(owner, 420, 230), EcmpScalars(AddTable()) {
    SetName("ECMPManagementForm");
    SetCaption("ECMPManagementFormUnit");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { EcmpScalars.Reread(); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", "Set Checked", [this] { SetButtonClick(); });
    ClearButton =
        NewRoleButton(ButtonRole::ClearChecks, "ClearButton", "Clear Checked", [this] { boxes_.ClearChecks(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    EditorGrid grid(this, this, 280, 120);
    const std::pair<ui::CheckBox**, ui::ComboBox**> rows[] = {{&CheckBox1, &DestIPcbx},      {&CheckBox2, &IPSourcecbx},
                                                              {&CheckBox3, &CRCLowcbx},      {&CheckBox4, &CRCHighcbx},
                                                              {&CheckBox5, &TCP_UDPPortcbx}, {&CheckBox6, &Statecbx}};
    const char* const names[][3] = {
        {"CheckBox1", "DestIPcbx", "Destination IP"},    {"CheckBox2", "IPSourcecbx", "IP Source"},
        {"CheckBox3", "CRCLowcbx", "CRC Low"},           {"CheckBox4", "CRCHighcbx", "CRC High"},
        {"CheckBox5", "TCP_UDPPortcbx", "TCP/UDP Port"}, {"CheckBox6", "Statecbx", "ECMP State"}};
    std::vector<ApplyBox> boxes;
    for (int row = 0; row < 6; ++row) {
        *rows[row].first = grid.ApplyBox(0, row, names[row][0]);
        *rows[row].second = grid.Combo(0, row, names[row][1], names[row][2], 100);
        boxes.push_back({*rows[row].first, row, *rows[row].second});
    }
    boxes_ = ApplyBoxes(boxes);
    for (ui::CheckBox* box : {CheckBox2, CheckBox3, CheckBox4})
        box->OnClick = [this, box](ui::Component*) { ExcludeOthers(box); };
}

void TECMPManagementForm::FormCreate(ui::Component*) {
    DialogTable::Options options = SynchronousTableOptions();
    options.FirstGet = true;
    EcmpScalars.Open(
        EcmpGroup, SVT_SV, 0,
        [this](DialogRequest& request) {
            for (const ApplyBox& box : boxes_.Boxes())
                request.BindComboBox(box.Column, static_cast<ui::ComboBox*>(box.Editor));
        },
        options);
}

void TECMPManagementForm::ExcludeOthers(ui::CheckBox* box) {
    if (!box->Checked()) return;
    for (ui::CheckBox* other : {CheckBox2, CheckBox3, CheckBox4})
        if (other != box) other->SetChecked(false);
}

void TECMPManagementForm::SetButtonClick() {
    if (EcmpScalars.Busy()) return;
    EcmpScalars.WriteOnly([this] { EcmpScalars.SendChecked(boxes_); });
    // Read again in any case: a refused SET shows the switch's values.
    EcmpScalars.Reread();
}
