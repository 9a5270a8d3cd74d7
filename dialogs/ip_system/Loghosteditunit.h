#pragma once
// TLogHostEditForm: the add/edit form of the system log server dialog (TSystemLogHostForm). Its controls are bound
// to the dialog's request; an empty field is left out of the SET.
//
// Rules a caller must know:
// - Add needs an index, a valid host address no other server has, a UDP port of 514 or 6000-65535 (or none), and
//   the Row Status "createAndGo" chosen by the user.
// - Edit keeps the index and sends no Row Status; an address of 0.0.0.0 is not written; a changed address must
//   differ from every other server's.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
}  // namespace ui

class TLogHostEditForm : public TDialogEditForm {
public:
    enum Column { Index, IpAddress, Facility, Severity, UdpPort, State, RowStatus };

    TLogHostEditForm(ui::Form& dialog, DialogTable& table, const ui::ListView& rows);
    ~TLogHostEditForm() override;

    ui::ComboBox* cbxIndex = nullptr;
    ui::ComboBox* FacComboBox = nullptr;
    ui::ComboBox* SevComboBox = nullptr;
    ui::Edit* PortEdit = nullptr;
    ui::Edit* IPAddrEdit = nullptr;
    ui::ComboBox* StateComboBox = nullptr;
    ui::ComboBox* RowComboBox = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* CloseButton = nullptr;

    void SetButtonClick();

protected:
    void Activated() override;

private:
    bool AddChecksPass();
    bool EditChecksPass();
    bool PortPasses();
    bool AddressPasses();
    bool AddressUnused();
    std::vector<int> EmptyColumns() const;

    const ui::ListView& rows_;
};

extern TLogHostEditForm* LogHostEditForm;  // the dialog's add/edit form while it exists, else null
