#include "EditorGrid.h"

#include "StdCtrls.h"

namespace {

constexpr int BoxWidth = 20;

}  // namespace

EditorGrid::EditorGrid(ui::Component* owner, ui::Control* parent, int columnWidth, int labelWidth, int top)
    : owner_(owner), parent_(parent), columnWidth_(columnWidth), labelWidth_(labelWidth), top_(top) {}

void EditorGrid::Label(int column, int row, const std::string& text) {
    if (text.empty()) return;
    auto* label = new ui::Label(owner_);
    label->SetParent(parent_);
    label->SetCaption(text);
    label->SetBounds(CellLeft(column) + BoxWidth, RowTop(row) + 4, labelWidth_ - 4, 15);
}

template <typename T>
T* EditorGrid::Editor(int column, int row, const std::string& name, const std::string& label, int width) {
    Label(column, row, label);
    auto* editor = new T(owner_);
    editor->SetName(name);
    editor->SetParent(parent_);
    editor->SetBounds(CellLeft(column) + BoxWidth + labelWidth_, RowTop(row), width, 21);
    return editor;
}

ui::Edit* EditorGrid::Edit(int column, int row, const std::string& name, const std::string& label, int width) {
    return Editor<ui::Edit>(column, row, name, label, width);
}

ui::ComboBox* EditorGrid::Combo(int column, int row, const std::string& name, const std::string& label, int width) {
    auto* combo = Editor<ui::ComboBox>(column, row, name, label, width);
    combo->SetStyle(ui::csDropDownList);
    return combo;
}

ui::CheckBox* EditorGrid::ApplyBox(int column, int row, const std::string& name, const std::string& caption) {
    auto* box = new ui::CheckBox(owner_);
    box->SetName(name);
    box->SetParent(parent_);
    box->SetCaption(caption);
    box->SetBounds(CellLeft(column), RowTop(row) + 2, caption.empty() ? BoxWidth - 2 : BoxWidth + labelWidth_ - 4, 17);
    return box;
}
