#pragma once
// The front-panel view of the PoE model QSW-2126P, also the view of a switch that is not stacked. Besides what
// every view does it keeps a second LED set ("_Poe" panels, port rows in the other-port colours), shows the set
// that matches the switch's PoE LED mode, reads that mode every 2 seconds and flips it when Image3 is clicked.
// The flip waits, processing events, for the read of the current mode: the view may be closed and freed meanwhile.
#include "PanelForm.h"

#include <memory>

namespace ui {
class ComboBox;
class Memo;
class Timer;
}  // namespace ui

class TPanelQSW2126PForm : public TPanelForm {
public:
    TPanelQSW2126PForm(ui::Component* owner, TPanelHost& host);
    ~TPanelQSW2126PForm() override;

    void InitPanelLeds() override;
    void FormClose(ui::Component* sender, ui::CloseAction& action) override;
    void RefreshPoeLedMode();
    void TogglePoeLedMode();
    void Image3Click(ui::Component* sender);
    void Timer1Timer(ui::Component* sender);

    NxSNMPRequest2Edits* PoeModeRequest = nullptr;
    ui::ComboBox* cmbxPOE = nullptr;
    ui::Image* Image3 = nullptr;
    ui::Timer* Timer1 = nullptr;
    ui::Memo* Memo1 = nullptr;

private:
    void StartPoeModeRequest();
    NxSNMPRequest2Edits& ModeRequest() const;  // raises Exception without one
    void WaitWhileModeRead(const std::weak_ptr<void>& life) const;
    void ShowLedSet(bool poe);
    void Note(const std::string& message);

    unsigned modeReads_ = 0;  // reads of the mode that were answered
    bool toggling_ = false;
    bool closed_ = false;
};
