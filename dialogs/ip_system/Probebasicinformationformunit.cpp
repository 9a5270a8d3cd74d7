#include "Probebasicinformationformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "StdCtrls.h"

TProbeBasicInformationForm* ProbeBasicInformationForm = nullptr;

namespace {

const CatalogTable& ProbeGroup = Oid_rmon::Mib2_16_19_A;
enum Scalar { Capabilities, SoftwareRevision, HardwareRevision, ResetControl };
constexpr const char* CapabilityNames = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";

}  // namespace

TProbeBasicInformationForm::TProbeBasicInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 560, 160), ProbeScalars(AddTable()) {
    SetName("ProbeBasicInformationForm");
    SetCaption("Probe Basic Information");
    BuildButtonPanel("");
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { ProbeScalars.ReadAgain(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid grid(this, this, 430, 130);
    stCap = grid.Text(0, 0, "stCap", "Capabilities", 290);
    stCap->SetCaption(CapabilityNames);
    stSoftware = grid.Text(0, 1, "stSoftware", "Software Revision", 150);
    stHardware = grid.Text(0, 2, "stHardware", "Hardware Revision", 150);
    cbxReset = grid.Combo(0, 3, "cbxReset", "Reset Control");
    edtCap = new ui::Edit(this);
    edtCap->SetName("edtCap");
    edtCap->SetParent(this);
    edtCap->Hide();
}

void TProbeBasicInformationForm::FormCreate(ui::Component*) {
    DialogTable::Options options = SynchronousTableOptions();
    options.FirstGet = true;
    ProbeScalars.Open(
        ProbeGroup, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindEdit(Capabilities, "%s", edtCap);
            request.BindStaticText(SoftwareRevision, stSoftware);
            request.BindStaticText(HardwareRevision, stHardware);
            request.BindComboBox(ResetControl, cbxReset);
        },
        options);
}

// The read-only scalars are never sent.
void TProbeBasicInformationForm::btnSetClick() {
    ProbeScalars.WriteOnly([this] { ProbeScalars.Send(); });
}
