#pragma once
// TPrtSecDelCtrlForm: removes one locked port-security entry, named by VLAN, port and MAC address, by writing the
// delete scalars with the activity "start". The switch numbers ports globally (64 per unit); the dialog shows and
// takes the port as unit and port. A scalar group on the dialog frame with one synchronous request.
//
// Rules a caller must know:
// - The hidden global port edit drives the unit and port edits (0 shows unit 0 and port 0).
// - Set checks the VLAN name, the unit (1 to 12) and the port (within the unit's model's ports; up to 50 for a
//   unit the stack does not list), then the MAC address (12 hex digits), and sends all four scalars. The values
//   are read again afterwards, also after a failed check.
// - Caught exceptions show in panel 0 through the request's status template.
#include "DedicatedForm.h"
#include "StackUnits.h"

#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class GroupBox;
}  // namespace ui

class TPrtSecDelCtrlForm : public TDedicatedForm {
public:
    explicit TPrtSecDelCtrlForm(ui::Component* owner);

    ui::Edit* edtVlan = nullptr;
    ui::Edit* edtMac = nullptr;
    ui::Edit* edtPort = nullptr;      // hidden: the global port
    ui::ComboBox* cbxOper = nullptr;  // hidden
    ui::GroupBox* PortGroup = nullptr;
    ui::Edit* UnitEdit = nullptr;
    ui::Edit* PortEdit = nullptr;
    ui::Button* btnRefresh = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& Delete;

    void FormCreate(ui::Component* sender) override;
    void btnRefreshClick();
    void btnSetClick();
    void edtPortChange();

private:
    bool EntryPasses();
    bool UnitPortPasses();
    bool RefusePort(ui::Edit* focus);
    // The front ports of unit, -1 when the stack lists no such unit.
    int PortCountOf(int unit) const;

    std::vector<StackUnit> units_;
};

extern TPrtSecDelCtrlForm* PrtSecDelCtrlForm;  // the open dialog, else null
