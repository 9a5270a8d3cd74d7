#include "EditorGrid.h"

#include "StdCtrls.h"

namespace {

constexpr int BoxWidth = 20;

}  // namespace

EditorGrid::EditorGrid(ui::Component* owner, ui::Control* parent, int columnWidth, int labelWidth, int top)
    : owner_(owner), parent_(parent), columnWidth_(columnWidth), labelWidth_(labelWidth), top_(top) {}

ui::Control* EditorGrid::Place(int column, int row, const EditorItem& item) {
    const LabelPlace label{CellLeft(column) + BoxWidth, labelWidth_ - LabelGap};
    return NewItemEditor(owner_, parent_, item, label, RowTop(row));
}

ui::Edit* EditorGrid::Edit(int column, int row, const std::string& name, const std::string& label, int width) {
    ui::Edit* edit = nullptr;
    Place(column, row, {&edit, name, label, width});
    return edit;
}

ui::ComboBox* EditorGrid::Combo(int column, int row, const std::string& name, const std::string& label, int width) {
    ui::ComboBox* combo = nullptr;
    Place(column, row, {&combo, name, label, width});
    return combo;
}

ui::StaticText* EditorGrid::Text(int column, int row, const std::string& name, const std::string& label, int width) {
    ui::StaticText* text = nullptr;
    Place(column, row, {&text, name, label, width});
    return text;
}

BuiltEditors EditorGrid::Column(int column, int firstRow, std::initializer_list<EditorItem> items) {
    BuiltEditors built;
    int row = firstRow;
    for (const EditorItem& item : items) built.Add(Place(column, row++, item), item);
    return built;
}

ui::CheckBox* EditorGrid::ApplyBox(int column, int row, const std::string& name, const std::string& caption) {
    auto* box = new ui::CheckBox(owner_);
    box->SetName(name);
    box->SetParent(parent_);
    box->SetCaption(caption);
    box->SetBounds(CellLeft(column), RowTop(row) + 2, caption.empty() ? BoxWidth - 2 : BoxWidth + labelWidth_ - 4, 17);
    return box;
}
