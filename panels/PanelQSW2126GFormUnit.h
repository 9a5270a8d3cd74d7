#pragma once
// The front-panel view of the QSW-2126G. It has no port buttons: the state of its fibre ports (and of the copper
// connectors of its combo ports) shows as small green or orange pictures, chosen once at set-up from the LED
// string read as hex text. Its combo probe reads the copper side, and its unit picture comes from ImageList2.
#include "PanelForm.h"

class TPanelQSW2126GForm : public TPanelForm {
public:
    TPanelQSW2126GForm(ui::Component* owner, TPanelHost& host);
    ~TPanelQSW2126GForm() override;

    void InitPanelLeds() override;
    void InitPortButtons() override {}  // the main window calls none for this view
    void FormClose(ui::Component* sender, ui::CloseAction& action) override;
    void UpdatePortPictures();

    NxSNMPRequest2Edits* LedTextRequest = nullptr;
    ui::Label* portspeedled = nullptr;

private:
    void CreatePortPictures();
    void ReadLedText();
    std::string PortCode(int port) const;
    void ShowPictures(const std::vector<std::pair<std::string, bool>>& visibility);
};
