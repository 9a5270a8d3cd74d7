#pragma once
// TSpanningTreeAlgorithmForm: switches spanning tree on or off for the whole switch (one scalar, 2 disabled,
// 3 enabled) on one asynchronous request, without a get-complete flag.
//
// Rules a caller must know:
// - Disabling is written at once and the state read again right after.
// - Enabling asks for confirmation first (Cancel sends nothing and reads the state again). The enabling SET gets a
//   time-out of 41 seconds, for that SET only: the request's own time-out is back as soon as it is sent. The
//   progress box "Enable STP Progress" then holds the dialog for its 51 ticks, unless the switch refuses the SET,
//   which ends the wait at once; the state is read again afterwards.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
}  // namespace ui

class TSpanningTreeAlgorithmForm : public TDedicatedForm {
public:
    explicit TSpanningTreeAlgorithmForm(ui::Component* owner);

    ui::ComboBox* ComboBox1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& StaRequest;

    // The enabling SET's time-out, hundredths of a second.
    static constexpr int EnableTimeout = 4100;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void SetButtonClick();
    void Enable();
    void ReadState();
};

extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;  // the open dialog, else null
