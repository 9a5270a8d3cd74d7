#pragma once
// TLayer2ControlForm: the switch-wide layer-2 settings (sixteen scalars) and the TCP ports of the web and telnet
// servers, each row with an apply box; "Set Checked" writes only the checked rows. Three synchronous requests, no
// get-complete flag, no Stop.
//
// Rules a caller must know:
// - A server's port is read only while the server is enabled; a disabled server's port edit is empty, grey and
//   its apply box cleared and disabled (Check All leaves it).
// - Set Checked refuses a checked row with an empty editor ("Some Checked fields are empty.", focus on it), then
//   sends one SET of the checked settings, reads them again and then, per enabled server, writes its checked port
//   or reads it, blanks it for a pause (800 ms, 1500 ms with SNMPv3) and reads it again. The pause never sleeps;
//   Refresh and Set Checked do nothing while it runs; the modal loop closes the dialog only after the click.
// - Caught exceptions of the first reads, Refresh and the two writes show their bare message in panel 0; a read
//   after the write is not caught (the application shows it).
#include "ApplyBoxes.h"
#include "DedicatedForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
}  // namespace ui

class TLayer2ControlForm : public TDedicatedForm {
public:
    explicit TLayer2ControlForm(ui::Component* owner);

    ui::Button* GetButton = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* ClearButton = nullptr;
    ui::Button* CloseButton = nullptr;

    ui::ComboBox* IGMPComBo = nullptr;
    ui::ComboBox* SnoopingComBo = nullptr;
    ui::ComboBox* RmonComBo = nullptr;
    ui::ComboBox* CleanComBo = nullptr;
    ui::Edit* VlanEdit = nullptr;
    ui::Edit* edtMVlanID = nullptr;
    ui::ComboBox* cbxMACNotify = nullptr;
    ui::Edit* edtNotifySize = nullptr;
    ui::Edit* edtNotifyInterval = nullptr;
    ui::ComboBox* WebStateComBo = nullptr;
    ui::ComboBox* TelStateComBo = nullptr;
    ui::ComboBox* IPConfigComBo = nullptr;
    ui::ComboBox* CliPagingComBo = nullptr;
    ui::ComboBox* LLDPStatecbx = nullptr;
    ui::ComboBox* LLDPfwdmsgStatecbx = nullptr;
    ui::ComboBox* PortMirrorComboBox = nullptr;
    ui::Edit* WebPortEdit = nullptr;
    ui::Edit* TelPortEdit = nullptr;

    // The apply boxes, CheckBox1 ... CheckBox19 (the web port's is CheckBox7, the telnet port's CheckBox9).
    ui::CheckBox* CheckBox1 = nullptr;
    ui::CheckBox* CheckBox2 = nullptr;
    ui::CheckBox* CheckBox3 = nullptr;
    ui::CheckBox* CheckBox4 = nullptr;
    ui::CheckBox* CheckBox5 = nullptr;
    ui::CheckBox* CheckBox6 = nullptr;
    ui::CheckBox* CheckBox7 = nullptr;
    ui::CheckBox* CheckBox8 = nullptr;
    ui::CheckBox* CheckBox9 = nullptr;
    ui::CheckBox* CheckBox10 = nullptr;
    ui::CheckBox* CheckBox11 = nullptr;
    ui::CheckBox* CheckBox12 = nullptr;
    ui::CheckBox* CheckBox13 = nullptr;
    ui::CheckBox* CheckBox14 = nullptr;
    ui::CheckBox* CheckBox16 = nullptr;
    ui::CheckBox* CheckBox17 = nullptr;
    ui::CheckBox* CheckBox18 = nullptr;
    ui::CheckBox* CheckBox19 = nullptr;

    DialogTable& GlobalRequest;
    DialogTable& WebPortRequest;
    DialogTable& TelnetPortRequest;

    // The pause around a port's re-read, in milliseconds, for the SNMP version of the device defaults.
    static int PortPause();

protected:
    void FormCreate(ui::Component* sender) override;

private:
    struct Server {
        ui::ComboBox* State;
        ui::CheckBox* Box;
        DialogTable& Request;
        ui::Edit* Port;
    };

    void BuildRows();
    void GetButtonClick();
    void SetButtonClick();
    void ReadAll();
    void ReadAfterWrite(DialogTable& table);
    void ServerStateChange(const Server& server);
    void WritePort(const Server& server);
    bool Idle() const;
    Server WebServer();
    Server TelnetServer();

    ApplyBoxes globalBoxes_;  // the sixteen settings, in table order
    ApplyBoxes allBoxes_;     // the same, then the web port and the telnet port
    bool writing_ = false;
};

extern TLayer2ControlForm* Layer2ControlForm;  // the open dialog, else null
