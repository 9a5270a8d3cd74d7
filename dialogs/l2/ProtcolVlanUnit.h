#pragma once
// TProtocolVlanForm: the protocol VLANs, one row per VLAN with its name, its protocol type ("dot1q-vlan", a
// predefined protocol, or a user-defined protocol number with its encapsulation), its advertisement and its
// RowStatus. A synchronous table without a get-complete flag: every read and write is over when the click returns.
//
// Add checks the keys, refuses a VLAN ID already listed and needs "createAndGo" chosen; it leaves out what the
// protocol type does not use: the protocol type itself when none is chosen, the user-defined protocol and the
// encapsulation unless the type is "protocol-userDefined" and they are given, the advertisement when none is
// chosen. Delete sends RowStatus destroy alone.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TProtocolVlanForm : public TDedicatedForm {
public:
    explicit TProtocolVlanForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::Edit* Index = nullptr;  // the VLAN ID
    ui::Edit* Name = nullptr;
    ui::ComboBox* ProtocolType = nullptr;
    ui::ComboBox* Advertisement = nullptr;
    ui::Edit* UserProtocol = nullptr;
    ui::ComboBox* Encap = nullptr;
    ui::ComboBox* RowStatus = nullptr;
    ui::StaticText* StaticText1 = nullptr;  // not visible
    ui::Button* Get = nullptr;
    ui::Button* Edit = nullptr;  // not visible
    ui::Button* Add = nullptr;
    ui::Button* Delete = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& ProtocolVlanTable;

    void FormCreate(ui::Component* sender) override;
    void GetClick();
    void AddClick();
    void DeleteClick();
    void ProtocolTypeChange();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    // After every read or write: Delete off, the keys and Add on, the editors cleared.
    void ResetButtons();
    std::vector<int> UnusedColumns() const;
};

extern TProtocolVlanForm* ProtocolVlanForm;  // the open dialog, else null
