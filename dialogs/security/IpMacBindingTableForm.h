#pragma once
// TIpMacBindingTableForm: IP-MAC-port binding entries (the IPv4 and the IPv6 table share it): an address (the key)
// bound to a MAC address and the ports on which the pair is allowed; the entry's mode and ACL status are shown only.
// A row table on the dialog frame with a port page and one synchronous request.
//
// Rules a caller must know:
// - Add and Edit check the MAC address (12 hex digits, no separators) and, for IPv4, the address; Add creates the
//   entry, Edit keeps the row's status.
// - Add and Edit send the port list only when some port box is ticked, so an entry keeps its ports otherwise;
//   Delete sends the boxes as they stand with destroy.
// - Add stays enabled while a row is selected; the address of a selected row cannot be changed.
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

// What tells the two binding tables apart.
struct IpMacBindingLayout {
    const CatalogTable* Table = nullptr;
    std::string FormName;
    std::string Caption;
    std::string AddressFormat;  // the address edit's format
    int RowStatusColumn = 0;
    bool ChecksIpv4Address = false;
};

class TIpMacBindingTableForm : public TDedicatedForm {
public:
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

    DialogTable& Bindings;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnEditClick();
    void btnAddClick();
    void btnDeleteClick();

protected:
    TIpMacBindingTableForm(ui::Component* owner, IpMacBindingLayout layout);
    void RowSelectionChanged(bool selected) override;

private:
    bool EntryPasses();
    void WriteEntry(bool portsRule);
    void AfterWrite();

    IpMacBindingLayout layout_;
};
