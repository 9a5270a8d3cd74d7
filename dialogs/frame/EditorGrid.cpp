#include "EditorGrid.h"

#include "LabelledControl.h"
#include "StdCtrls.h"

namespace {

constexpr int BoxWidth = 20;

}  // namespace

EditorGrid::EditorGrid(ui::Component* owner, ui::Control* parent, int columnWidth, int labelWidth, int top)
    : owner_(owner), parent_(parent), columnWidth_(columnWidth), labelWidth_(labelWidth), top_(top) {}

template <typename T>
T* EditorGrid::Editor(int column, int row, const std::string& name, const std::string& label, int width) {
    const int labelLeft = CellLeft(column) + BoxWidth;
    return NewLabelledControl<T>(owner_, parent_, name, label, labelLeft, labelLeft + labelWidth_, RowTop(row), width);
}

ui::Edit* EditorGrid::Edit(int column, int row, const std::string& name, const std::string& label, int width) {
    return Editor<ui::Edit>(column, row, name, label, width);
}

ui::ComboBox* EditorGrid::Combo(int column, int row, const std::string& name, const std::string& label, int width) {
    auto* combo = Editor<ui::ComboBox>(column, row, name, label, width);
    combo->SetStyle(ui::csDropDownList);
    return combo;
}

ui::StaticText* EditorGrid::Text(int column, int row, const std::string& name, const std::string& label, int width) {
    auto* text = Editor<ui::StaticText>(column, row, name, label, width);
    text->SetAutoSize(false);
    text->SetBorderStyle(ui::sbsSunken);
    return text;
}

ui::CheckBox* EditorGrid::ApplyBox(int column, int row, const std::string& name, const std::string& caption) {
    auto* box = new ui::CheckBox(owner_);
    box->SetName(name);
    box->SetParent(parent_);
    box->SetCaption(caption);
    box->SetBounds(CellLeft(column), RowTop(row) + 2, caption.empty() ? BoxWidth - 2 : BoxWidth + labelWidth_ - 4, 17);
    return box;
}
