#pragma once
// The small helpers every dedicated dialog and edit form uses, kept apart from the frame's request headers so a
// unit that only shows a message or checks a key does not pull the binding library in:
// - ShowMessage: a plain message box titled with the application title (input errors, guard texts);
// - ShowWarning: the warning box of the Delete steps without a selected entry;
// - IsMacKey: a MAC address key as typed (12 hex digits), "Invalid MAC address" otherwise;
// - ListHasKey: the duplicate-key test of an Add over the list's rows;
// - ScaledDialogSize: a design-time size made for the screen (x1.25, fraction cut off, off 96 dots per inch).
#include <string>

namespace ui {
class Control;
class ListView;
}  // namespace ui

void ShowMessage(ui::Control* owner, const std::string& text);
void ShowWarning(ui::Control* owner, const std::string& text);

// False after "Invalid MAC address" was shown: a shorter text would otherwise make the instance of another row.
bool IsMacKey(ui::Control* owner, const std::string& text);

// Whether a row of list has key as its caption and, for a two-key table, secondKey as its first sub-item (exact).
bool ListHasKey(const ui::ListView& list, const std::string& key, const std::string* secondKey = nullptr);

int ScaledDialogSize(int designSize);
