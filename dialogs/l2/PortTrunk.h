#pragma once
// TPortTrunkForm: the port trunk groups (index 1-32), each with its master port (entered as unit and port), member
// ports, trunk type and state, and the flooding and active ports the switch reports. A row table with creation on
// one synchronous request (time-out 3 s) without a get-complete flag; the menu command keeps no instance pointer.
//
// Rules a caller must know:
// - The units the master port may name are the present stack units read when the dialog opens (the unit table is
//   read again when the stack counts none); a standalone switch is unit 1, a QSW-2126P.
// - Add and Set check the master port (present unit, port within the unit's model), that it is a member, and 2 to 8
//   members (the ninth ticked box is cleared); Add also refuses a listed index or master port and a missing type.
//   Nothing is sent after a refusal.
// - Add creates the trunk with state createAndGo and, when "Status" reads "enable", sends the state enable after it;
//   Delete sends the trunk state destroy alone. Each write is followed by a Refresh.
// - The unit and port edits take digits and backspace only; any other key is dropped with a beep.
#include "DedicatedForm.h"
#include "StackUnits.h"

#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TPortTrunkForm : public TDedicatedForm {
public:
    explicit TPortTrunkForm(ui::Component* owner);

    ui::ListView* LV_PortTrunk = nullptr;
    ui::Edit* ED_Index = nullptr;
    ui::ComboBox* Combo_Type = nullptr;
    ui::ComboBox* ComboBox1 = nullptr;  // "Status": enable or disable
    ui::Edit* UnitEdit = nullptr;
    ui::Edit* PortEdit = nullptr;
    ui::StaticText* ST_FloodingPort = nullptr;
    ui::Edit* ED_MasterPort = nullptr;    // hidden: the global master port
    ui::ComboBox* Combo_State = nullptr;  // hidden: the trunk state written
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* BT_Get = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* BT_Set = nullptr;  // Add
    ui::Button* BT_Delete = nullptr;
    ui::Button* BT_Close = nullptr;
    TStackingPortUitForm* MemberPorts = nullptr;
    TStackingPortUitForm* ActivePorts = nullptr;

    DialogTable& TrunkTable;
    std::vector<StackUnit> UnitInformationTrunkList;

    // The request's time-out, hundredths of a second.
    static constexpr int TrunkTimeout = 300;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void BuildEditors();
    void BT_GetClick();
    void BT_SetClick();
    void SetBtnClick();
    void BT_DeleteClick();
    void UnitEditKeyPress(char& key);
    bool CheckMasterUnitPort(long long unit, long long port);
    bool CheckTrunkMembers(long long unit);
    bool MasterPortIsMember(int masterPort);
    bool MasterPortListed(int masterPort) const;
    bool WriteTrunk(bool enableAfterCreate);
    void AfterFailedWrite();
};
