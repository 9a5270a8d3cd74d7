#pragma once
// A control of a dialog with its label on the left, both on parent and owned by owner: the label's text runs from
// labelLeft up to the control at controlLeft; the control is 21 pixels high at top, the label 4 pixels lower.
#include "StdCtrls.h"

#include <string>

template <typename T>
T* NewLabelledControl(ui::Component* owner, ui::Control* parent, const std::string& name, const std::string& label,
                      int labelLeft, int controlLeft, int top, int width) {
    auto* caption = new ui::Label(owner);
    caption->SetParent(parent);
    caption->SetCaption(label);
    caption->SetBounds(labelLeft, top + 4, controlLeft - labelLeft - 4, 15);
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(controlLeft, top, width, 21);
    return control;
}
