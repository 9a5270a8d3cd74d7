#pragma once
// The frame of every generic dialog: the button column on the right and the status bar at the bottom.
#include "ExtCtrls.h"

#include <string>
#include <vector>

namespace ui {
class Label;
class StaticText;
class StatusBar;
}  // namespace ui

// The column of buttons on the right of a generic dialog, 116 pixels wide.
class TCtrlBtnPanel : public ui::Panel {
public:
    explicit TCtrlBtnPanel(ui::Component* owner);

    // Stacks the controls of LayoutList from MarginTop down; a hidden control takes no room. Runs OnArranged.
    void ArrangeButtons();
    // The height the stacked controls need: Close's bottom plus 10. Aligned right, the column itself may be
    // stretched or squeezed to its parent's height.
    int ArrangedHeight() const { return CloseButton->Top() + CloseButton->Height() + 10; }
    // Set by the panel that holds the column, to grow with it.
    ui::NotifyEvent OnArranged;

    ui::StaticText* RowCounter;
    ui::Label* SamplesLabel;
    ui::BitBtn* RefreshButton;
    ui::BitBtn* EditButton;
    ui::BitBtn* SetCheckedButton;
    ui::BitBtn* AddButton;
    ui::BitBtn* DeleteButton;
    ui::BitBtn* CheckAllButton;
    ui::BitBtn* ClearChecksButton;
    ui::BitBtn* StopButton;
    ui::BitBtn* CloseButton;
    std::vector<ui::Control*> LayoutList;
    int MarginLeft = 10;
    int MarginTop = 10;

    static constexpr int ButtonWidth = 96;
    static constexpr int ButtonGap = 5;

private:
    ui::BitBtn* NewButton(const std::string& caption);
    void LoadButtonPictures();
};

// The 20-pixel status bar at the bottom of a generic dialog; the request's status lines go there.
class TMsgPanel : public ui::Panel {
public:
    explicit TMsgPanel(ui::Component* owner);
    ui::StatusBar* StatusBar;
};
