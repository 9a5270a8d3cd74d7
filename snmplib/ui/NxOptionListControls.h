#pragma once
// The control halves of the option lists: combo boxes and radio groups show the display texts in pair order,
// so item i stands for pair i. A display text or a wire value selects its item; a text that matches nothing
// leaves no item selected, and a radio group reports one change at most.
#include "NxOptionList.h"

#include <string>

namespace ui {
class ComboBox;
class RadioGroup;
}  // namespace ui

void FillComboBox(const NxOptionList& list, ui::ComboBox& comboBox);
void SelectComboBox(const NxOptionList& list, ui::ComboBox& comboBox, const std::string& value);
void FillRadioGroup(const NxOptionList& list, ui::RadioGroup& radioGroup);
void SelectRadioGroup(const NxOptionList& list, ui::RadioGroup& radioGroup, const std::string& value);
