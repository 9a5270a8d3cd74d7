#pragma once
// Labelled editors in rows and columns on one parent control (the editor panel, a group box, a tab sheet), for
// the dialogs whose editors do not fit the frame's single editor row. A cell is an apply-box place, the label and
// the editor; column c starts at c x columnWidth, row r at top + r x RowHeight. Controls are owned by the form;
// each label shows, hides, enables and disables with its editor (EditorItems.h).
#include "EditorItems.h"

#include <initializer_list>
#include <string>

namespace ui {
class CheckBox;
class ComboBox;
class Component;
class Control;
class Edit;
class StaticText;
}  // namespace ui

class EditorGrid {
public:
    static constexpr int RowHeight = 26;

    EditorGrid(ui::Component* owner, ui::Control* parent, int columnWidth, int labelWidth, int top = 8);

    ui::Edit* Edit(int column, int row, const std::string& name, const std::string& label, int width = 120);
    // A drop-down list.
    ui::ComboBox* Combo(int column, int row, const std::string& name, const std::string& label, int width = 120);
    // A value shown read-only (a sunken static text).
    ui::StaticText* Text(int column, int row, const std::string& name, const std::string& label, int width = 120);
    // The items top to bottom in column from firstRow on.
    BuiltEditors Column(int column, int firstRow, std::initializer_list<EditorItem> items);
    // An apply box at the cell's start; a caption makes it as wide as the label (the cell then needs none).
    ui::CheckBox* ApplyBox(int column, int row, const std::string& name, const std::string& caption = "");
    // The top of the row below the last one.
    int Bottom(int rows) const { return top_ + rows * RowHeight; }

private:
    int CellLeft(int column) const { return 8 + column * columnWidth_; }
    int RowTop(int row) const { return top_ + row * RowHeight; }
    ui::Control* Place(int column, int row, const EditorItem& item);

    ui::Component* owner_;
    ui::Control* parent_;
    int columnWidth_;
    int labelWidth_;
    int top_;
};
