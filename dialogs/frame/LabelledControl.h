#pragma once
// A control of a dialog with its label on the left, both on parent and owned by owner. The label is the control's
// buddy: it shows, hides, enables and disables with the control, so a hidden control never leaves its label
// standing alone. The control is 21 pixels high at top, the label 4 pixels lower; the control starts 4 pixels
// right of the label's box (of its place where the place has a width: an empty label makes no label, but keeps
// its place).
#include "StdCtrls.h"

#include <string>

// Where a label stands: its left edge and width; width 0 makes it as wide as its text.
struct LabelPlace {
    int Left = 0;
    int Width = 0;
};

inline constexpr int LabelGap = 4;

template <typename T>
T* NewLabelledControl(ui::Component* owner, ui::Control* parent, const std::string& name, const std::string& label,
                      LabelPlace place, int top, int width) {
    ui::Label* caption = nullptr;
    if (!label.empty()) {
        caption = new ui::Label(owner);
        caption->SetParent(parent);
        caption->SetCaption(label);
    }
    const int labelWidth = place.Width > 0 ? place.Width : caption ? caption->Width() : 0;
    if (caption) caption->SetBounds(place.Left, top + 4, labelWidth, 15);
    const int controlLeft = labelWidth > 0 ? place.Left + labelWidth + LabelGap : place.Left;
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(controlLeft, top, width, 21);
    if (caption) control->SetBuddy(caption);
    return control;
}

// The label of a control made by NewLabelledControl, else null.
inline ui::Label* LabelOf(const ui::Control* control) {
    return control ? dynamic_cast<ui::Label*>(control->Buddy()) : nullptr;
}
