#include "GUISNMPPanel.h"

#include "Application.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "Exception.h"
#include "NxSNMPRequest2Edits.h"
#include "Splitter.h"

namespace {

void ShowMessage(ui::Control* owner, const std::string& text) {
    const ui::Application* app = ui::Application::InstanceOrNull();
    ui::MessageBox(owner, text, app ? app->Title() : std::string(), ui::mbOK);
}

}  // namespace

ui::Form* HostFormOf(ui::Control* control) {
    if (!control) return nullptr;
    if (auto* form = dynamic_cast<ui::Form*>(control)) return form;
    return control->ParentForm();
}

TSNMPPanel::TSNMPPanel(ui::Component* owner, TMsgPanel* sharedMessagePanel, NxSNMPRequest2Edits* request)
    : ui::Panel(owner), Request(request) {
    SetBevelOuter(ui::bvNone);
    TMsgPanel* statusPanel = sharedMessagePanel;
    if (!statusPanel) {
        MessagePanel = new TMsgPanel(this);
        MessagePanel->SetAlign(ui::alBottom);
        statusPanel = MessagePanel;
    }
    if (Request) Request->SetStatusBar(statusPanel->StatusBar);
    ButtonPanel = new TCtrlBtnPanel(this);
    ButtonPanel->RefreshButton->OnClick = [this](ui::Component* sender) { RefreshClick(sender); };
    ButtonPanel->CloseButton->OnClick = [this](ui::Component* sender) { CloseClick(sender); };
    ButtonPanel->StopButton->OnClick = [this](ui::Component* sender) { StopClick(sender); };
    ButtonPanel->SetAlign(ui::alRight);
    ButtonPanel->OnArranged = [this](ui::Component*) { FitButtonColumn(); };
    ButtonSplitter = new ui::Splitter(this);
    ButtonSplitter->SetParent(this);
    ButtonSplitter->SetWidth(3);
    ButtonSplitter->SetAlign(ui::alRight);
    ClientPanel = new ui::Panel(this);
    ClientPanel->SetParent(this);
    ClientPanel->SetBevelOuter(ui::bvNone);
    ClientPanel->SetAlign(ui::alClient);
    if (auto* parent = dynamic_cast<ui::Control*>(owner)) SetParent(parent);
    SetWidth(0);
    SetHeight(0);
}

void TSNMPPanel::SetClientControl(ui::Control* control) {
    if (ClientControl) {
        ClientControl->Hide();
        ClientControl->SetAlign(ui::alNone);
    }
    ClientControl = control;
    control->Show();
    control->SetAlign(ui::alNone);
    control->SetParent(ClientPanel);
    SetAlign(ui::alNone);
    const int ownMessageHeight = MessagePanel ? MessagePanel->Height() : 0;
    const int width = control->Width() + ButtonPanel->Width() + ButtonSplitter->Width() + 3;
    if (Width() != width) SetWidth(width);
    const int height = control->Height() + ownMessageHeight;
    if (Height() != height) SetHeight(height);
    FitButtonColumn();
    control->SetAlign(ui::alClient);
}

// Never lower than the button column and the own message panel; the host form grows along.
void TSNMPPanel::FitButtonColumn() {
    if (!ClientControl) return;
    const int needed = ButtonPanel->ArrangedHeight() + (MessagePanel ? MessagePanel->Height() : 0);
    if (Height() >= needed) return;
    SetHeight(needed);
    if (HostForm) PlaceOnForm(HostForm);
}

void TSNMPPanel::PlaceOnForm(ui::Form* form) {
    SetAlign(ui::alNone);
    HostForm = form;
    form->SetPosition(ui::poMainFormCenter);
    if (form->ClientWidth() < Width()) form->SetClientWidth(Width());
    if (form->ClientHeight() < Height()) form->SetClientHeight(Height());
    if (form->ClientHeight() > MaxClientHeight) form->SetClientHeight(MaxClientHeight);
    if (form->ClientWidth() > MaxClientWidth) form->SetClientWidth(MaxClientWidth);
    SetAlign(ui::alClient);
}

void TSNMPPanel::RefreshClick(ui::Component*) {
    if (!Request) return;
    try {
        Request->Request.Active = 1;
        if (!Request->Busy) Request->Get();
    } catch (const std::exception& error) {
        Request->ShowStatus(error.what());
        Request->Request.Active = 1;
    }
}

void TSNMPPanel::CloseClick(ui::Component*) {
    try {
        if (Request) {
            Request->Request.Active = 0;
            if (Request->Busy) ui::Application::Instance().ProcessMessages();
        }
        if (HostForm) HostForm->Close();
    } catch (const std::exception&) {
        ShowMessage(this, "Please initial close form");
    }
}

void TSNMPPanel::StopClick(ui::Component*) {
    try {
        if (!ButtonPanel->RefreshButton->Enabled()) ButtonPanel->RefreshButton->SetEnabled(true);
        if (Request) Request->Request.Active = 0;
    } catch (const std::exception&) {
        ShowMessage(this, "Getting SNMP Data!");
        if (Request) Request->Request.Active = 1;
    }
}
