#include "ProgressSupport.h"

namespace {
constexpr int clientWidth = 358;
constexpr int clientHeight = 66;

// An embedded form has no frame; its client area keeps its size when it moves in or out of a dialog.
void MoveKeepingClientSize(ui::Form& form, ui::Form* parent) {
    const int width = form.ClientWidth();
    const int height = form.ClientHeight();
    form.SetParent(parent);
    form.SetClientWidth(width);
    form.SetClientHeight(height);
}
}  // namespace

ui::Label* BuildProgressBox(ui::Form& form, int promptLeft, int promptTop) {
    form.SetCaption("Progress");
    form.SetBorderStyle(ui::bsDialog);
    form.SetPosition(ui::poMainFormCenter);
    form.SetClientWidth(clientWidth);
    form.SetClientHeight(clientHeight);
    auto* prompt = new ui::Label(&form);
    prompt->SetName("LB_Prompt");
    prompt->SetParent(&form);
    prompt->SetLeft(promptLeft);
    prompt->SetTop(promptTop);
    ui::Font font = prompt->Font();
    font.Bold = true;
    prompt->SetFont(font);
    return prompt;
}

void PlaceInside(ui::Form& form, ui::Form* parentForm) {
    if (!parentForm) return;
    MoveKeepingClientSize(form, parentForm);
    form.SetBounds((parentForm->ClientWidth() - form.Width()) / 2, (parentForm->ClientHeight() - form.Height()) / 2,
                   form.Width(), form.Height());
    form.BringToFront();
}

void EndProgressBox(ui::Form& form, ui::Timer& timer) {
    timer.SetEnabled(false);
    if (!form.Parent()) return;
    form.Hide();  // hidden before it leaves the dialog, so it never flashes up as a window of its own
    MoveKeepingClientSize(form, nullptr);
}
