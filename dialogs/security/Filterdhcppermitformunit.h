#pragma once
// TFilterDHCPPermitForm: the DHCP server screening permit table, each entry a DHCP server's IP address and a
// client MAC address (the two keys) with the ports it is permitted on. A row table on the dialog frame with a port
// page and one synchronous request; the menu command keeps no pointer to it.
//
// Rules a caller must know:
// - Add, Edit and Delete check the address and the MAC key (12 hex digits) before any SET; Add and Edit also need
//   a ticked port of a present unit within its model's ports. Delete sends destroy alone.
// - Both key edits are locked while a row is selected. After a Refresh (also the one after a write) Add is
//   disabled until a click on the list leaves no row selected.
// - Caught exceptions show in panel 0 through the request's status template.
#include "DedicatedForm.h"

#include <string>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TFilterDHCPPermitForm : public TDedicatedForm {
public:
    explicit TFilterDHCPPermitForm(ui::Component* owner);

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

    DialogTable& Permits;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnEditClick();
    void btnAddClick();
    void btnDeleteClick();
    void ListView1Click();

private:
    bool EntryPasses(const std::string& noPortMessage);
    void WriteEntry(std::initializer_list<int> leftOut = {});
    // Row count, buttons with Add closed, editors cleared.
    void AfterRead();
};
