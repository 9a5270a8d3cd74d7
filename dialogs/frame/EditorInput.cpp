#include "EditorInput.h"

#include "DialogMessages.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

void RefuseInput(ui::Control* owner, const std::string& message, ui::Control* focus) {
    ShowMessage(owner, message);
    if (focus && focus->Enabled()) focus->SetFocus();
}

bool InputRefused(ui::Control* owner, const std::string& message, ui::Control* focus) {
    RefuseInput(owner, message, focus);
    return false;
}

bool PassedOrFocus(bool passed, ui::Control* editor) {
    if (!passed && editor && editor->Enabled()) editor->SetFocus();
    return passed;
}

namespace {

ShowMessageFn MessageBoxOf(ui::Control* owner) {
    return [owner](const std::string& message) { ShowMessage(owner, message); };
}

}  // namespace

bool CheckIpEdit(ui::Control* owner, ui::Edit* edit, const std::string& message, const std::string& dotMessage,
                 const std::string& leadingDotMessage) {
    return PassedOrFocus(IsValidIPAddress(edit->Text(), message, dotMessage, leadingDotMessage, MessageBoxOf(owner)),
                         edit);
}

bool CheckIpEdit(ui::Control* owner, ui::Edit* edit, const std::string& message) {
    return CheckIpEdit(owner, edit, message, message, message);
}

bool CheckHexEdit(ui::Control* owner, ui::Edit* edit, int digits, const std::string& message) {
    return PassedOrFocus(IsFixedLengthHex(edit->Text(), digits, message, MessageBoxOf(owner)), edit);
}

long long TextToIntDef(const std::string& text, long long fallback) {
    const size_t digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos) return fallback;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return fallback;
    return value;
}

bool CheckOptionalNumberEdit(ui::Control* owner, ui::Edit* edit, long long min, long long max,
                             const std::string& message) {
    const std::string text = edit->Text();
    if (text.empty()) return true;
    const long long value = TextToIntDef(text, min - 1);
    if (value >= min && value <= max) return true;
    return InputRefused(owner, message, edit);
}

bool EditorEmpty(const ui::Control* editor) {
    if (const auto* edit = dynamic_cast<const ui::Edit*>(editor)) return edit->Text().empty();
    if (const auto* combo = dynamic_cast<const ui::ComboBox*>(editor)) return combo->ItemIndex() < 0;
    return false;
}

void SetEditorEnabled(ui::Control* editor, bool enabled) {
    if (!editor) return;
    editor->SetEnabled(enabled);
    if (dynamic_cast<ui::Edit*>(editor) || dynamic_cast<ui::ComboBox*>(editor))
        editor->SetColor(enabled ? ui::clWindow : ui::clMenu);
}
