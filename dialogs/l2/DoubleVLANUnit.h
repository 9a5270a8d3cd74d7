#pragma once
// TDoubleVLANForm: the double VLAN table (VLAN ID, name, TPID, uplink, access and delete ports set by the user,
// unknown ports reported by the switch). The table may be changed only while the double VLAN global state reads
// "enabled": the dialog reads that state once, synchronously, when it opens and says so in a sentence; with any
// other state the rows are shown (their unknown ports included) and nothing can be written. A state that cannot
// be read (an error or no answer) leaves the dialog with nothing to configure and no table read.
//
// Writes: Add needs the status "createAndGo" chosen by the user and leaves an empty TPID out; Set sends TPID, the
// port lists and the status, never the name; Delete sends the status destroy alone.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListView;
class StaticText;
}  // namespace ui

class TDoubleVLANForm : public TDedicatedForm {
public:
    explicit TDoubleVLANForm(ui::Component* owner);

    ui::ListView* lvDoubleVLAN = nullptr;
    ui::Edit* edtID = nullptr;
    ui::Edit* edtTPID = nullptr;
    ui::Edit* edtName = nullptr;
    ui::ComboBox* cbxStatus = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Label* lbState = nullptr;
    ui::Label* lbmsg = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* DeleteBtn = nullptr;
    ui::Button* CloseBtn = nullptr;
    ui::Button* btnStop = nullptr;

    TStackingPortUitForm* UplinkPorts = nullptr;
    TStackingPortUitForm* AccessPorts = nullptr;
    TStackingPortUitForm* DeletePorts = nullptr;
    TStackingPortUitForm* UnknownPorts = nullptr;

    DialogTable& DoubleVlanTable;
    DialogTable& StateTable;  // the global state (synchronous)

    void FormCreate(ui::Component* sender) override;
    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

    bool Configurable() const { return configurable_; }

protected:
    void RowSelectionChanged(bool selected) override;

private:
    bool ReadGlobalState();
    void RefuseConfiguration();
    // After a write: the selection cleared and the buttons as the state allows.
    void AfterWrite();
    void KeepWriteButtonsOff();

    bool configurable_ = false;
};

extern TDoubleVLANForm* DoubleVLANForm;  // the open dialog, else null
