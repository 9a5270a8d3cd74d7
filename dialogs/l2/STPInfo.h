#pragma once
// TSTP_Info: the switch's bridge-wide spanning-tree settings (protocol version, the 802.1D timers, maximum hops,
// transmit hold count, BPDU forwarding, loopback detection and its recovery time, NNI BPDU address), one scalar
// group on three synchronous requests. The dialog keeps its design size and no get-complete flag.
//
// Rules a caller must know:
// - The mode (MSTP or not) on opening and on Refresh comes from the main window's version text; the mode of a Set
//   comes from the version chosen in the combo box. In MSTP mode Hello Time is never written: the SET goes through
//   the second group of the same scalars, which lacks it.
// - Set checks the timers' 802.1D relations first; a failing check writes its message into the status panel and
//   sends nothing.
// - Only a SET that the switch accepted changes the main window's version text; when it changed the version while
//   spanning tree is enabled, the progress box "Set STP Progress" holds the dialog for its 30 ticks first.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListView;
}  // namespace ui

class TSTP_Info : public TDedicatedForm {
public:
    explicit TSTP_Info(ui::Component* owner);

    ui::ComboBox* Combo_STPVersion = nullptr;
    ui::Edit* ET_AgingTime = nullptr;
    ui::Edit* ET_HelloTime = nullptr;
    ui::Edit* ET_ForwardDelay = nullptr;
    ui::Edit* ET_Priority = nullptr;  // Max Hops
    ui::Edit* ED_TxHoldCount = nullptr;
    ui::ComboBox* Combo_BPDU = nullptr;
    ui::ComboBox* Combo_LBD = nullptr;
    ui::Edit* ET_LBDRecover = nullptr;
    ui::ComboBox* NNIBPDUADDRESSComboBox = nullptr;
    ui::ListView* ListView1 = nullptr;   // not visible: the MSTP group's one row
    ui::Label* lbMSTPState = nullptr;    // not visible: "enabled" or "disabled"
    ui::Button* BT_Get = nullptr;
    ui::Button* BT_Set = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& MstpSettingsRequest;
    DialogTable& StaStateRequest;
    DialogTable& SettingsRequest;

    void Combo_STPVersionChange(ui::Component* sender);

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void BT_GetClick();
    void BT_SetClick();
    // The checks and the SET; true when the switch accepted the SET.
    bool CheckAndSend();
    bool SendMstpSettings();
    void ShowHelloTime(bool mstp, const std::string& text);
    void Fail(const std::string& message);
};

extern TSTP_Info* STP_Info;  // the open dialog, else null
