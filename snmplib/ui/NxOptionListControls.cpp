#include "NxOptionListControls.h"

#include "StdCtrls.h"

namespace {

template <class Control>
void Fill(const NxOptionList& list, Control& control) {
    ui::Strings& items = control.Items();
    items.Clear();
    for (int i = 0; i < list.Count(); ++i) items.Add(list.GetPair(i).Text);
}

// A display text or a wire value selects its item; a text that matches nothing leaves no item selected.
// The index is found first and set once, so a radio group reports one change at most.
template <class Control>
void Select(const NxOptionList& list, Control& control, const std::string& value) {
    int index = list.IndexOfText(value);
    if (index < 0 || index >= control.Items().Count()) index = list.IndexOfValue(value);
    if (index >= control.Items().Count()) index = -1;
    control.SetItemIndex(index);
}

}  // namespace

void FillComboBox(const NxOptionList& list, ui::ComboBox& comboBox) { Fill(list, comboBox); }

void SelectComboBox(const NxOptionList& list, ui::ComboBox& comboBox, const std::string& value) {
    Select(list, comboBox, value);
}

void FillRadioGroup(const NxOptionList& list, ui::RadioGroup& radioGroup) { Fill(list, radioGroup); }

void SelectRadioGroup(const NxOptionList& list, ui::RadioGroup& radioGroup, const std::string& value) {
    Select(list, radioGroup, value);
}
