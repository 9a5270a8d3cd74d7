#include "GUIPanels.h"

#include "ComCtrls.h"
#include "Exception.h"
#include "StdCtrls.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

TCtrlBtnPanel::TCtrlBtnPanel(ui::Component* owner) : ui::Panel(owner) {
    RowCounter = new ui::StaticText(this);
    RowCounter->SetParent(this);
    RowCounter->SetAutoSize(false);
    RowCounter->SetCaption("0");
    RowCounter->SetAlignment(ui::taCenter);
    RowCounter->SetBorderStyle(ui::sbsSunken);
    RowCounter->SetHeight(std::max(RowCounter->Height(), RowCounter->FittingHeight()));
    SamplesLabel = new ui::Label(this);
    SamplesLabel->SetParent(this);
    SamplesLabel->SetCaption("Samples");
    SamplesLabel->SetAlignment(ui::taCenter);
    RefreshButton = NewButton("Refresh");
    EditButton = NewButton("Edit");
    SetCheckedButton = NewButton("Set Checked");
    AddButton = NewButton("Add");
    DeleteButton = NewButton("Delete");
    CheckAllButton = NewButton("Check All");
    ClearChecksButton = NewButton("Clear Checks");
    StopButton = NewButton("Stop");
    CloseButton = NewButton("Close");
    LayoutList = {RowCounter,     SamplesLabel,   RefreshButton,     EditButton, SetCheckedButton, AddButton,
                  DeleteButton,   CheckAllButton, ClearChecksButton, StopButton, CloseButton};
    LoadButtonPictures();
    MarginLeft = 10;
    MarginTop = 10;
    AddButton->Hide();
    DeleteButton->Hide();
    StopButton->Hide();
    ArrangeButtons();
    SetWidth(2 * MarginLeft + RefreshButton->Width());
    if (auto* parent = dynamic_cast<ui::Control*>(owner)) SetParent(parent);
    SetAlign(ui::alRight);
}

ui::BitBtn* TCtrlBtnPanel::NewButton(const std::string& caption) {
    auto* button = new ui::BitBtn(this);
    button->SetParent(this);
    button->SetCaption(caption);
    button->SetWidth(ButtonWidth);
    button->SetHeight(25);
    return button;
}

void TCtrlBtnPanel::ArrangeButtons() {
    int top = MarginTop;
    for (ui::Control* control : LayoutList) {
        control->SetBounds(MarginLeft, top, ButtonWidth, control->Height());
        if (control->Visible()) top = control->Top() + control->Height() + ButtonGap;
    }
    SetHeight(ArrangedHeight());
    if (OnArranged) OnArranged(this);
}

// Pictures in the working directory replace the captions; the first one that fails to load ends the
// look-up, leaving the remaining buttons with their captions.
void TCtrlBtnPanel::LoadButtonPictures() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) return;
    const std::pair<ui::BitBtn*, const char*> pictures[] = {
        {RefreshButton, "Get.bmp"},      {EditButton, "Set.bmp"},          {SetCheckedButton, "SetCheck.bmp"},
        {AddButton, "Add.bmp"},          {DeleteButton, "Delete.bmp"},     {CheckAllButton, "SelectAll.bmp"},
        {ClearChecksButton, "SelectNone.bmp"}, {CloseButton, "Close.bmp"}, {StopButton, "Stop.bmp"},
    };
    for (const auto& [button, name] : pictures) {
        const std::filesystem::path file = directory / name;
        if (!std::filesystem::exists(file, error)) continue;
        try {
            ui::Bitmap glyph;
            glyph.LoadFromFile(file.string());
            button->SetCaption("");
            button->SetGlyph(glyph);
        } catch (const std::exception&) {
            return;
        }
    }
}

TMsgPanel::TMsgPanel(ui::Component* owner) : ui::Panel(owner) {
    SetBevelOuter(ui::bvNone);  // the status bar takes the whole 20 pixels
    SetHeight(20);
    StatusBar = new ui::StatusBar(this);
    StatusBar->SetParent(this);
    StatusBar->SetHeight(20);
    StatusBar->SetAlign(ui::alBottom);
    StatusBar->SetSimplePanel(true);
    if (auto* parent = dynamic_cast<ui::Control*>(owner)) SetParent(parent);
}
