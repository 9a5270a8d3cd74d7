#include "Packetstormcontrolformunit.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "EditorGrid.h"
#include "ExtCtrls.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TPacketStormControlForm* PacketStormControlForm = nullptr;

namespace {

const CatalogTable& StormScalars = Oid_switch::E_12_25_1;

enum Variable { Recover, TrapControl, AutoRecoverTime };

constexpr int StormTimeout = 300;  // hundredths of a second

}  // namespace

TPacketStormControlForm::TPacketStormControlForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 560), Storm(AddTable()) {
    SetName("PacketStormControlForm");
    SetCaption("Packet Storm Control Form");
    BuildButtonPanel("");
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");

    rgPktStromTrapCtrl = new ui::RadioGroup(this);
    rgPktStromTrapCtrl->SetName("rgPktStromTrapCtrl");
    rgPktStromTrapCtrl->SetParent(this);
    rgPktStromTrapCtrl->SetCaption("Packet Storm Trap Control");
    rgPktStromTrapCtrl->SetColumns(4);
    rgPktStromTrapCtrl->SetBounds(8, 8, 500, 50);

    RecoverTimeBox = new ui::GroupBox(this);
    RecoverTimeBox->SetParent(this);
    RecoverTimeBox->SetCaption("Auto Recover Time");
    RecoverTimeBox->SetBounds(8, 66, 500, 56);
    TimeEdit = EditorGrid(this, RecoverTimeBox, 240, 0, 20).Edit(0, 0, "TimeEdit", "", 100);

    StackingPortPanel = new ui::Panel(this);
    StackingPortPanel->SetName("StackingPortPanel");
    StackingPortPanel->SetParent(this);
    StackingPortPanel->SetBevelOuter(ui::bvNone);
    StackingPortPanel->SetBounds(0, 130, 520, 380);
    PageControl1 = new ui::PageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetParent(StackingPortPanel);
    PageControl1->SetAlign(ui::alClient);
}

void TPacketStormControlForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    DialogTable::Options options = SynchronousTableOptions();
    options.Timeout = StormTimeout;
    Storm.Open(
        StormScalars, SVT_SV, 0,
        [this](DialogRequest& request) {
            BindPorts(request, Recover, Ports);
            request.BindRadioGroup(TrapControl, rgPktStromTrapCtrl);
            request.BindEdit(AutoRecoverTime, "%i{n0x65535l5}", TimeEdit);
        },
        options);
    rgPktStromTrapCtrl->SetItemIndex(0);
    Storm.Reread();
}

void TPacketStormControlForm::btnGetClick() {
    if (!Storm.PassRefreshGuard()) return;
    Storm.Reread();
}

// One SET of the three objects, then a read of its own: the binding's re-read after a SET covers tables only.
void TPacketStormControlForm::btnSetClick() {
    if (!Storm.HasRequest() || Storm.Busy()) return;
    Storm.Write([this] { Storm.Send(); });
}
