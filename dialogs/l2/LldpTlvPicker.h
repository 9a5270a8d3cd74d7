#pragma once
// TLldpTlvPicker: the picker of the LLDP port configuration dialogs, one check box per name of a TLV name set. When
// shown it ticks the names its dialog's TLV edit holds; "Set Checked" writes the ticked names into the edit as a name
// text and closes, "Close" closes. Both leave every box unchecked. Nothing is sent. A hidden box takes part like the
// others, so the picker keeps its bit of the edited text as it was.
#include "LldpNameTexts.h"

#include "Form.h"

#include <string>
#include <vector>

namespace ui {
class Button;
class CheckBox;
class Edit;
}  // namespace ui

class TLldpTlvPicker : public ui::Form {
public:
    struct Layout {
        int Width;
        int Height;
        std::string CaptionPrefix;  // before the device address
        const LldpNameSet* Names;
        std::vector<const char*> BoxNames;  // one per name, in the set's order
        std::vector<bool> Visible;          // one per name
    };

    TLldpTlvPicker(ui::Component* owner, ui::Edit* tlvEdit, const Layout& layout);

    std::vector<ui::CheckBox*> Boxes;
    ui::Button* SetButton = nullptr;
    ui::Button* CloseButton = nullptr;

    // FormActivate, then the picker shown modally.
    void ShowForEdit();
    void FormActivate();

private:
    void SetButtonClick();
    void CloseButtonClick();
    void UncheckAll();

    ui::Edit* tlvEdit_;
    Layout layout_;
};
