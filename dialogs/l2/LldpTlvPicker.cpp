#include "LldpTlvPicker.h"

#include "DeviceWindow.h"
#include "DialogMessages.h"
#include "StdCtrls.h"

TLldpTlvPicker::TLldpTlvPicker(ui::Component* owner, ui::Edit* tlvEdit, const Layout& layout)
    : ui::Form(owner), tlvEdit_(tlvEdit), layout_(layout) {
    SetBorderStyle(ui::bsDialog);
    SetPosition(ui::poMainFormCenter);
    SetBounds(Left(), Top(), ScaledDialogSize(layout.Width), ScaledDialogSize(layout.Height));
    int top = 12;
    for (size_t i = 0; i < layout.Names->size(); ++i) {
        auto* box = new ui::CheckBox(this);
        box->SetName(layout.BoxNames[i]);
        box->SetParent(this);
        box->SetCaption((*layout.Names)[i].Name);
        box->SetBounds(12, top, 150, 17);
        box->SetVisible(layout.Visible[i]);
        top += 26;
        Boxes.push_back(box);
    }
    const auto button = [this](const char* name, const char* caption, int buttonTop) {
        auto* b = new ui::Button(this);
        b->SetName(name);
        b->SetParent(this);
        b->SetCaption(caption);
        b->SetBounds(180, buttonTop, 85, 25);
        return b;
    };
    SetButton = button("SetButton", "Set Checked", 12);
    SetButton->OnClick = [this](ui::Component*) { SetButtonClick(); };
    CloseButton = button("CloseButton", "Close", 45);
    CloseButton->OnClick = [this](ui::Component*) { CloseButtonClick(); };
}

void TLldpTlvPicker::ShowForEdit() {
    FormActivate();
    ShowModal();
}

void TLldpTlvPicker::FormActivate() {
    SetCaption(layout_.CaptionPrefix + CurrentDeviceWindow().DeviceAddress());
    const std::string text = tlvEdit_->Text();
    for (size_t i = 0; i < Boxes.size(); ++i)
        if (text.find((*layout_.Names)[i].Name) != std::string::npos) Boxes[i]->SetChecked(true);
}

void TLldpTlvPicker::UncheckAll() {
    for (ui::CheckBox* box : Boxes) box->SetChecked(false);
}

void TLldpTlvPicker::SetButtonClick() {
    std::vector<bool> ticked;
    for (ui::CheckBox* box : Boxes) ticked.push_back(box->Checked());
    tlvEdit_->SetText(NamesToNameText(*layout_.Names, ticked));
    UncheckAll();
    Close();
}

void TLldpTlvPicker::CloseButtonClick() {
    UncheckAll();
    Close();
}
