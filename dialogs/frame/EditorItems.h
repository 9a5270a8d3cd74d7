#pragma once
// Editors built from a dialog's control list. An item names the member the editor is stored in (its type is the
// editor's kind: an edit, a drop-down list, or a sunken static text showing a value), the editor's name, its label
// (empty: none), its width and its flags. Every labelled editor is made by NewLabelledControl, so its label
// shows, hides, enables and disables with it.
// - Hidden: the editor starts hidden (its label with it) and keeps its place; a hidden static text without a
//   label is the usual place of a key column that is bound but never shown.
// - ReadOnly: the editor starts disabled (clMenu); BuiltEditors::ReadOnly lists them for the form's ShowsOnly
//   or an edit form's KeepsDisabled, which keep them so after each row selection.
// EditorRow places items left to right on one line, each label as wide as its text; EditorGrid (EditorGrid.h)
// places them in cells of columns.
#include "LabelledControl.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

namespace ui {
class ComboBox;
class Component;
class Control;
class Edit;
class GroupBox;
class StaticText;
}  // namespace ui

enum class EditorFlag : uint8_t { None = 0, Hidden = 1, ReadOnly = 2 };

constexpr EditorFlag operator|(EditorFlag a, EditorFlag b) {
    return static_cast<EditorFlag>(static_cast<uint8_t>(a) | static_cast<uint8_t>(b));
}
constexpr bool HasFlag(EditorFlag flags, EditorFlag flag) {
    return (static_cast<uint8_t>(flags) & static_cast<uint8_t>(flag)) != 0;
}

using EditorTarget = std::variant<ui::Edit**, ui::ComboBox**, ui::StaticText**>;

struct EditorItem {
    EditorTarget Target;
    std::string Name;
    std::string Label;
    int Width = 120;
    EditorFlag Flags = EditorFlag::None;
};

// The editors an item list built, in the list's order, and the read-only ones among them.
struct BuiltEditors {
    std::vector<ui::Control*> All;
    std::vector<ui::Control*> ReadOnly;

    void Add(ui::Control* editor, const EditorItem& item) {
        All.push_back(editor);
        if (HasFlag(item.Flags, EditorFlag::ReadOnly)) ReadOnly.push_back(editor);
    }
};

// The editor of item with its label at place, the editor at top; stored in the item's target.
ui::Control* NewItemEditor(ui::Component* owner, ui::Control* parent, const EditorItem& item, LabelPlace place,
                           int top);

// A static text bound to a key column and never shown (no label).
ui::StaticText* NewHiddenKeyText(ui::Component* owner, ui::Control* parent, const std::string& name);

// A captioned group box on parent; editors placed on it start below its caption (top 18 and more).
ui::GroupBox* NewGroupBox(ui::Component* owner, ui::Control* parent, const std::string& name,
                          const std::string& caption, int left, int top, int width, int height);

// Labelled editors left to right on one line of parent, from left at top, 8 pixels apart.
class EditorRow {
public:
    EditorRow(ui::Component* owner, ui::Control* parent, int left = 8, int top = 8);

    ui::Edit* Edit(const std::string& name, const std::string& label, int width);
    ui::ComboBox* Combo(const std::string& name, const std::string& label, int width);
    ui::StaticText* Text(const std::string& name, const std::string& label, int width);
    // Each item in turn.
    BuiltEditors Add(std::initializer_list<EditorItem> items);
    // Where the next editor's label would start.
    int NextLeft() const { return left_; }

private:
    ui::Control* Place(const EditorItem& item);

    ui::Component* owner_;
    ui::Control* parent_;
    int left_;
    int top_;
};
