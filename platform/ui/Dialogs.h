#pragma once
// Message boxes and the beep. Text is shown as plain text; tests answer through TestHooks.
#include <string>

namespace ui {

class Control;

enum MsgButtons { mbOK, mbOKCancel, mbYesNo, mbYesNoCancel };
enum MsgDlgType { mtCustom, mtError, mtConfirmation, mtWarning, mtInformation };

struct MessageBoxCall {
    std::string Caption;
    std::string Text;
    MsgButtons Buttons = mbOK;
    MsgDlgType Type = mtCustom;
    const Control* Owner = nullptr;
};

// Shows a modal message box; returns the answer (mrOk, mrCancel, mrYes or mrNo).
int MessageBox(Control* owner, const std::string& text, const std::string& caption, MsgButtons buttons = mbOK,
               MsgDlgType type = mtCustom);

// The system beep; frequency in Hz and duration in ms where the platform can honour them.
void Beep(int frequency = 0, int durationMs = 0);

}  // namespace ui
