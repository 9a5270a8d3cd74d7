#pragma once
// What the dialogs do with their editors around a write: refuse input in a plain message box and give the
// offending editor the focus (only when it is enabled), read a typed number the way the checks judge it, tell an
// empty editor, and enable or disable an editor with its colour (clWindow enabled, clMenu disabled).
#include <string>

namespace ui {
class Control;
class Edit;
}  // namespace ui

// The message in a plain message box (ShowMessage), then the focus to focus when it is given and enabled.
void RefuseInput(ui::Control* owner, const std::string& message, ui::Control* focus = nullptr);
// RefuseInput, then false: for the checks that end a write (return InputRefused(...)).
bool InputRefused(ui::Control* owner, const std::string& message, ui::Control* focus = nullptr);

// passed, after giving editor the focus (when it is enabled) if it did not: for the checks that show their own
// message.
bool PassedOrFocus(bool passed, ui::Control* editor);

// The address and hex checks of NxInputCheck on an edit's text: the check's message in a plain message box, then
// the focus to the edit (when it is enabled). True when the text passes.
bool CheckIpEdit(ui::Control* owner, ui::Edit* edit, const std::string& message, const std::string& dotMessage,
                 const std::string& leadingDotMessage);
bool CheckIpEdit(ui::Control* owner, ui::Edit* edit, const std::string& message);
bool CheckHexEdit(ui::Control* owner, ui::Edit* edit, int digits, const std::string& message);

// An edit that may stay empty or hold a decimal number from min to max; otherwise message (RefuseInput, the focus
// to the edit) and false.
bool CheckOptionalNumberEdit(ui::Control* owner, ui::Edit* edit, long long min, long long max,
                             const std::string& message);

// The value of a decimal text (an optional sign, then digits only), else fallback; values beyond 32 bits give
// fallback too.
long long TextToIntDef(const std::string& text, long long fallback);

// An edit without text, or a combo box with no entry chosen; other controls are never empty.
bool EditorEmpty(const ui::Control* editor);

// Enables or disables an editor; an edit or combo box is painted clWindow when enabled and clMenu when disabled.
// A check box keeps its state.
void SetEditorEnabled(ui::Control* editor, bool enabled);
