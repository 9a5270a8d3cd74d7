#pragma once
// TIPCtrlEdtForm: the add/edit form of the IP interface dialog (TIpCtrlForm). Its editors are bound to the
// dialog's request; each writable field has an apply box, and a SET carries only the ticked fields.
//
// Rules a caller must know:
// - Add runs the interface checks (address and mask, a subnet no other interface has, a new name, the VLAN's one
//   primary interface and at most 64 interfaces) and creates the row with its name and createAndGo whatever the
//   boxes show; both address fields empty leave the address and mask out.
// - Edit only checks that every choice list has an entry; the name is the edited row's.
// - A secondary interface never sends its IPv6 link-local auto state nor its DHCPv6 client state.
#include "ApplyBoxes.h"
#include "DialogEditForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class ListView;
}  // namespace ui

class TIPCtrlEdtForm : public TDialogEditForm {
public:
    // The dialog's table columns, in request order.
    enum Column {
        InterfaceName,
        IfIndex,
        IpAddress,
        SubnetMask,
        VlanName,
        Secondary,
        IpMode,
        AdminState,
        Ipv6LinkLocal,
        Ipv6PrefixLength,
        State,
        ProxyArp,
        LocalProxyArp,
        Ipv6AutoState,
        Dhcpv6Client,
        DirectedBroadcast
    };

    TIPCtrlEdtForm(ui::Form& dialog, DialogTable& table, const ui::ListView& rows);
    ~TIPCtrlEdtForm() override;

    ui::Edit* edtInterface = nullptr;
    ui::Edit* edtIndex = nullptr;
    ui::Edit* edtIPAddr = nullptr;
    ui::Edit* edtMask = nullptr;
    ui::Edit* edtVlan = nullptr;
    ui::ComboBox* cbxSecondary = nullptr;
    ui::ComboBox* cbxMode = nullptr;
    ui::ComboBox* cbxAdmin = nullptr;
    ui::ComboBox* cbxState = nullptr;  // hidden
    ui::ComboBox* ProxyARPComboBox = nullptr;
    ui::ComboBox* ProxyARPStateComboBox = nullptr;
    ui::ComboBox* cbxAutoState = nullptr;
    ui::ComboBox* ClientStatecbx = nullptr;
    ui::ComboBox* DirectedBroadcastStateCBX = nullptr;
    ui::Edit* edtIpv6Addr = nullptr;
    ui::Edit* edtIPv6Prefix = nullptr;

    ui::CheckBox* InterfaceNameCheckBox = nullptr;
    ui::CheckBox* IPAddressCheckBox = nullptr;
    ui::CheckBox* SubnetMaskCheckBox = nullptr;
    ui::CheckBox* VLANNameCheckBox = nullptr;
    ui::CheckBox* SecondaryCheckBox = nullptr;
    ui::CheckBox* ModeCheckBox = nullptr;
    ui::CheckBox* AdminStateCheckBox = nullptr;
    ui::CheckBox* StateCheckBox = nullptr;  // hidden
    ui::CheckBox* ProxyARPCheckBox = nullptr;
    ui::CheckBox* LocalProxyArpCheckBox = nullptr;
    ui::CheckBox* ipV6LKAutoStateCheckBox = nullptr;
    ui::CheckBox* DHCPv6CheckBox = nullptr;
    ui::CheckBox* DirectedBroadcastStateCheckBox = nullptr;

    ui::Button* btnSet = nullptr;  // "Add" or "Edit" by mode
    ui::Button* btnClose = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* UncheckButton = nullptr;

    void btnSetClick();
    void CheckButtonClick();
    void UncheckButtonClick();
    void cbxSecondaryChange();

protected:
    void Activated() override;

private:
    void BuildEditors();
    bool SecondaryChosen() const;
    bool AddChecksPass();
    bool AddressChecksPass();
    bool VlanChecksPass();
    bool ChoicesPass();
    std::vector<int> LeftOutColumns() const;

    const ui::ListView& rows_;
    ApplyBoxes boxes_;
};

extern TIPCtrlEdtForm* IPCtrlEdtForm;  // the dialog's add/edit form while it exists, else null
