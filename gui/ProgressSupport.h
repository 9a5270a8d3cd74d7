#pragma once
// The frame both timed progress boxes share.
#include "Form.h"

namespace ui {
class Label;
class ProgressBar;
class Timer;
}  // namespace ui

// Where a progress box puts its prompt and its bar.
struct ProgressBoxLayout {
    const char* Name;
    int PromptTop;
    ui::Rect Bar;
    int BarMax;
};

// The frame of both progress boxes: its timer, ticking each second, runs from the form's creation
// until it closes. Each box supplies its tick.
class ProgressFormBase : public ui::Form {
public:
    ui::Label* LB_Prompt;
    ui::ProgressBar* ProgressBar;
    ui::Timer* ProgressTimer;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    virtual void ProgressTimerTimer(ui::Component* sender) = 0;

protected:
    // parentForm (may be null) is the dialog the box shows in.
    ProgressFormBase(ui::Component* owner, ui::Form* parentForm, const ProgressBoxLayout& layout);
};
