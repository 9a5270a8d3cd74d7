#pragma once
// TARPSpoofingPreventMgmtForm: the ARP spoofing prevention entries, each a gateway's IP and MAC address (the two
// keys) with the ports it applies to. A row table on the dialog frame with a port page and one synchronous request.
//
// Rules a caller must know:
// - Add, Set and Delete check the address and the MAC key (12 hex digits) before any SET.
// - Add sends the port list only when a port of a present unit, within its model's ports, is ticked; Set sends the
//   boxes as they stand (none ticked: an empty list); Delete sends them with destroy.
// - Both key edits are locked while a row is selected, so Set and Delete act on the selected entry.
// - Caught exceptions show in panel 0 through the request's status template.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TARPSpoofingPreventMgmtForm : public TDedicatedForm {
public:
    explicit TARPSpoofingPreventMgmtForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnEdit = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;
    ui::Edit* edtIpAddr = nullptr;
    ui::Edit* edtMacAddr = nullptr;
    ui::ComboBox* ComboStatus = nullptr;  // hidden
    TStackingPortUitForm* Ports = nullptr;

    DialogTable& Entries;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnEditClick();
    void btnAddClick();
    void btnDeleteClick();

private:
    bool KeysPass();
    void WriteEntry(std::initializer_list<int> leftOut = {});
};

extern TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm;  // the open dialog, else null
