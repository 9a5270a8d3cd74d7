#include "ProgressSupport.h"

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

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

// Makes form the "Progress" dialog box (358 x 66) and gives it a bold prompt label at promptLeft/Top.
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

// Shows form inside parentForm, centred in its client area; nothing for a null parentForm.
void PlaceInside(ui::Form& form, ui::Form* parentForm) {
    if (!parentForm) return;
    MoveKeepingClientSize(form, parentForm);
    form.SetBounds((parentForm->ClientWidth() - form.Width()) / 2, (parentForm->ClientHeight() - form.Height()) / 2,
                   form.Width(), form.Height());
    form.BringToFront();
}

// Stops the timer and takes the box out of the dialog it showed in.
void EndProgressBox(ui::Form& form, ui::Timer& timer) {
    timer.SetEnabled(false);
    if (!form.Parent()) return;
    form.Hide();  // hidden before it leaves the dialog, so it never flashes up as a window of its own
    MoveKeepingClientSize(form, nullptr);
}
}  // namespace

ProgressFormBase::ProgressFormBase(ui::Component* owner, ui::Form* parentForm, const ProgressBoxLayout& layout)
    : ui::Form(owner),
      LB_Prompt(BuildProgressBox(*this, 16, layout.PromptTop)),
      ProgressBar(new ui::ProgressBar(this)),
      ProgressTimer(new ui::Timer(this)) {
    SetName(layout.Name);
    ProgressBar->SetName("ProgressBar");
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(layout.Bar.Left, layout.Bar.Top, layout.Bar.Width(), layout.Bar.Height());
    ProgressBar->SetRange(0, layout.BarMax);

    ProgressTimer->SetName("ProgressTimer");
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(1000);
    ProgressTimer->OnTimer = [this](ui::Component* sender) { ProgressTimerTimer(sender); };

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    DoCreate();
    PlaceInside(*this, parentForm);
}

void ProgressFormBase::FormCreate(ui::Component*) { ProgressTimer->SetEnabled(true); }

void ProgressFormBase::FormClose(ui::Component*, ui::CloseAction&) { EndProgressBox(*this, *ProgressTimer); }
