#pragma once
// The layout rule a dialog meets as it opens, as a list of faults (empty: none), each with the path of the
// control it names. A shown control must:
// - lie wholly inside its parent's client area (a scroll box's content excepted: it is reached by scrolling);
// - not be covered by an aligned sibling (the button panel, the splitter, the status bar, the list);
// and a shown label must not stand beside a hidden control: the control it is the buddy of, or else the control
// right of it on its line.
#include "Control.h"
#include "ScrollBox.h"
#include "StdCtrls.h"

#include <string>
#include <typeinfo>
#include <vector>

namespace layouttest {

inline std::string Describe(const ui::Rect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

inline bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

inline bool IsCaptionLabel(const ui::Control& control) {
    return dynamic_cast<const ui::Label*>(&control) && !dynamic_cast<const ui::StaticText*>(&control) &&
           !static_cast<const ui::Label&>(control).Caption().empty();
}

// The control a caption label names: the one whose buddy it is, else the nearest sibling that starts right of
// the label's start on the label's line, when that one starts within 120 pixels of the label's end.
inline const ui::Control* LabelledBy(const ui::Control& parent, const ui::Control& label) {
    const ui::Rect l = label.BoundsRect();
    const int middle = (l.Top + l.Bottom) / 2;
    const ui::Control* nearest = nullptr;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const ui::Control* other = parent.Controls(i);
        if (other == &label) continue;
        if (other->Buddy() == &label) return other;
        const ui::Rect o = other->BoundsRect();
        if (o.Top > middle || o.Bottom < middle || o.Left <= l.Left || o.Left > l.Right + 120) continue;
        if (!nearest || o.Left < nearest->Left()) nearest = other;
    }
    return nearest;
}

inline std::string NameOf(const ui::Control& control, const std::string& path, int index) {
    return path + "/" + (control.Name().empty() ? typeid(control).name() : control.Name()) + "#" +
           std::to_string(index);
}

inline void CollectFaults(const ui::Control& parent, const std::string& path, std::vector<std::string>& faults) {
    const bool scrolls = dynamic_cast<const ui::ScrollBox*>(&parent) != nullptr;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const ui::Control& control = *parent.Controls(i);
        if (!control.Visible()) continue;
        const std::string name = NameOf(control, path, i);
        const ui::Rect r = control.BoundsRect();
        if (!scrolls && (r.Left < 0 || r.Top < 0 || r.Right > parent.ClientWidth() || r.Bottom > parent.ClientHeight()))
            faults.push_back(name + " outside " + std::to_string(parent.ClientWidth()) + "x" +
                             std::to_string(parent.ClientHeight()) + ": " + Describe(r));
        if (control.Align() == ui::alNone) {
            for (int j = 0; j < parent.ControlCount(); ++j) {
                const ui::Control& other = *parent.Controls(j);
                if (other.Visible() && other.Align() != ui::alNone && Overlap(r, other.BoundsRect()))
                    faults.push_back(name + " covered by " + NameOf(other, path, j) + ": " + Describe(r) + " under " +
                                     Describe(other.BoundsRect()));
            }
        }
        if (IsCaptionLabel(control)) {
            const ui::Control* labelled = LabelledBy(parent, control);
            if (labelled && !labelled->Visible())
                faults.push_back(name + " \"" + static_cast<const ui::Label&>(control).Caption() +
                                 "\" shown beside its hidden control " + labelled->Name());
        }
        CollectFaults(control, name, faults);
    }
}

inline std::vector<std::string> LayoutFaults(const ui::Control& form) {
    std::vector<std::string> faults;
    CollectFaults(form, "", faults);
    return faults;
}

}  // namespace layouttest
