// The control halves of the option lists: combo boxes and radio groups show the display texts in pair order,
// so item i stands for pair i.
#include "NxOptionList.h"

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

void NxOptionList::FillComboBox(ui::ComboBox& comboBox) const { Fill(*this, comboBox); }

void NxOptionList::SelectComboBox(ui::ComboBox& comboBox, const std::string& value) const {
    Select(*this, comboBox, value);
}

void NxOptionList::FillRadioGroup(ui::RadioGroup& radioGroup) const { Fill(*this, radioGroup); }

void NxOptionList::SelectRadioGroup(ui::RadioGroup& radioGroup, const std::string& value) const {
    Select(*this, radioGroup, value);
}
