#pragma once
// TSNMPPanel: the base of the generic panels. It joins a request, a button column, a message panel and a
// content control, sizes itself to its content and its host form to itself, and runs the buttons that every
// generic panel shares: Refresh, Stop and Close.
#include "GUIPanels.h"
#include "Form.h"

namespace ui {
class Splitter;
}  // namespace ui

class NxSNMPRequest2Edits;

class TSNMPPanel : public ui::Panel {
public:
    // sharedMessagePanel: a message panel of another panel whose status bar takes this request's status
    // lines; null gives the panel its own. The request is not owned.
    TSNMPPanel(ui::Component* owner, TMsgPanel* sharedMessagePanel, NxSNMPRequest2Edits* request);

    // Makes control the panel's content and sizes the panel to it.
    void SetClientControl(ui::Control* control);
    // Makes form the panel's host and grows its client area to the panel, at most 800 x 550.
    void PlaceOnForm(ui::Form* form);
    // Grows the panel (and its host form) to the button column's arranged height plus the own message panel.
    void FitButtonColumn();

    void RefreshClick(ui::Component* sender);
    void CloseClick(ui::Component* sender);
    void StopClick(ui::Component* sender);

    NxSNMPRequest2Edits* Request;
    TCtrlBtnPanel* ButtonPanel;
    ui::Splitter* ButtonSplitter;
    ui::Panel* ClientPanel;
    TMsgPanel* MessagePanel = nullptr;
    ui::Form* HostForm = nullptr;
    ui::Control* ClientControl = nullptr;

    static constexpr int MaxClientWidth = 800;
    static constexpr int MaxClientHeight = 550;
};

// The form a control shows on, or null.
ui::Form* HostFormOf(ui::Control* control);
